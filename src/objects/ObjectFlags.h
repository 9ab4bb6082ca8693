#pragma once

#include <cstdint>

// Behaviour bits (low byte) and kind bits of a placed object's flag word.
inline constexpr std::uint32_t SOF_FIXED = 0x0001;         // not moved or resized with the mouse
inline constexpr std::uint32_t SOF_NOHANDLES = 0x0002;     // no resize handles
inline constexpr std::uint32_t SOF_KEEPASPECT = 0x0004;    // proportional resize, corner handles only
inline constexpr std::uint32_t SOF_LOCKED = 0x0008;        // never hit, skipped by keyboard selection
inline constexpr std::uint32_t SOF_UNIQUE = 0x0010;        // one object of its kind at most
inline constexpr std::uint32_t SOF_MATERIALMARK = 0x0020;  // set on the material object
inline constexpr std::uint32_t SOF_CLIPOUTSIDE = 0x0040;   // the plate outside it is painted black

inline constexpr std::uint32_t SOK_PICTURE = 0x0100;
inline constexpr std::uint32_t SOK_FRAME = 0x0200;
inline constexpr std::uint32_t SOK_SYMBOL = 0x0400;
inline constexpr std::uint32_t SOK_TEXT = 0x0800;
inline constexpr std::uint32_t SOK_PEN = 0x1000;
inline constexpr std::uint32_t SOK_MATERIAL = 0x2000;
inline constexpr std::uint32_t SOK_MASK = 0x3F00;

// Flag words of the objects the program creates.
inline constexpr std::uint32_t flagsPicture = 0x0104;
inline constexpr std::uint32_t flagsSymbol = 0x0404;
inline constexpr std::uint32_t flagsFrame = 0x0250;
inline constexpr std::uint32_t flagsTextBlock = 0x0804;
inline constexpr std::uint32_t flagsText = 0x0800;
inline constexpr std::uint32_t flagsPenLayer = 0x100F;
inline constexpr std::uint32_t flagsMaterial = 0x203F;

// Hit codes: a handle 0-7, the body, and the text objects' move and band codes.
enum HitCode : int {
    hitNothing = -1,
    hitBody = 8,
    hitMoveHandle = 9,
    hitBand = 10,
};
