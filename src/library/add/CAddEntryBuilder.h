#pragma once

#include "imaging/CDibImage.h"
#include "objects/CDibObj.h"
#include "platform/CSize.h"

#include <cstdint>
#include <memory>

// What the add dialogs make of a picture: the picture object they start
// with, and the entry written on Add at the size the user chose.
//
// Materials are kept as 1-bit pictures; frames and symbols as 24-bit ones.
// An entry made smaller than its picture gets a picture of its size in dots
// at the document's resolution; one made larger keeps its pixels.
class CAddEntryBuilder
{
public:
    // The flag word of a library kind (CLibraryModel::material, frame, symbol).
    static std::uint32_t FlagsForKind(int kind);

    // The object the dialog shows and edits. A material's picture is
    // brought to 1 bit first, a frame's or symbol's to 24 bits, with
    // pixels of the transparency key's colour kept visible. Null when the
    // picture cannot be converted (no room).
    static std::unique_ptr<CDibObj> NewObject(const CDibImage& picture, int kind);

    // The entry to write: a copy of the object at size (0.01 mm), whose
    // picture is reduced to that size at resolution (dots per inch) when
    // size is smaller than start. Null when there is no room for it.
    static std::unique_ptr<CDibObj> MaterialEntry(const CDibObj& material, CSize size, CSize start, int resolution);
    static std::unique_ptr<CDibObj> SymbolEntry(const CDibObj& symbol, CSize size, CSize start, int resolution,
                                                bool keepAspect);

    // A size in 0.01 mm as dots at resolution; at least one dot a side.
    static CSize Dots(CSize size, int resolution);

private:
    // The picture stretched to dots with the nearest pixel, in black and white.
    static bool ReduceToBlackAndWhite(const CDibImage& picture, CSize dots, CDibImage& reduced);
};
