#pragma once

#include <cstdint>

// Behaviour bits (low byte) and kind bits of a placed object's flag word.
enum : std::uint32_t {
    SOF_FIXED = 0x0001,         // not moved or resized with the mouse
    SOF_NOHANDLES = 0x0002,     // no resize handles
    SOF_KEEPASPECT = 0x0004,    // proportional resize, corner handles only
    SOF_LOCKED = 0x0008,        // never hit, skipped by keyboard selection
    SOF_UNIQUE = 0x0010,        // one object of its kind at most
    SOF_MATERIALMARK = 0x0020,  // set on the material object
    SOF_CLIPOUTSIDE = 0x0040,   // the plate outside it is painted black

    SOK_PICTURE = 0x0100,
    SOK_FRAME = 0x0200,
    SOK_SYMBOL = 0x0400,
    SOK_TEXT = 0x0800,
    SOK_PEN = 0x1000,
    SOK_MATERIAL = 0x2000,
    SOK_MASK = 0x3F00,
};

// Flag words of the objects the program creates.
enum : std::uint32_t {
    flagsPicture = 0x0104,
    flagsSymbol = 0x0404,
    flagsFrame = 0x0250,
    flagsTextBlock = 0x0804,
    flagsText = 0x0800,
    flagsPenLayer = 0x100F,
    flagsMaterial = 0x203F,
};

// Hit codes: a handle 0-7, the body, and the text objects' move and band codes.
enum HitCode : int {
    hitNothing = -1,
    hitBody = 8,
    hitMoveHandle = 9,
    hitBand = 10,
};
