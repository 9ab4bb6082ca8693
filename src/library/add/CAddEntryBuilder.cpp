#include "CAddEntryBuilder.h"

#include "library/CLibraryModel.h"
#include "platform/MulDiv.h"

#include <QPainter>

#include <algorithm>

std::uint32_t CAddEntryBuilder::FlagsForKind(int kind)
{
    switch (kind) {
    case CLibraryModel::material:
        return flagsMaterial;
    case CLibraryModel::frame:
        return flagsFrame;
    default:
        return flagsSymbol;
    }
}

std::unique_ptr<CDibObj> CAddEntryBuilder::NewObject(const CDibImage& picture, int kind)
{
    if (picture.IsEmpty())
        return nullptr;
    const std::uint32_t flags = FlagsForKind(kind);
    auto object = std::make_unique<CDibObj>(true);
    // The picture's key pixels are its transparent parts: the loader has
    // moved every other pixel off the key.
    if (!object->SetImageFrom(&picture, flags, false))
        return nullptr;
    CDibImage& stored = object->StoredImage();
    const int depth = kind == CLibraryModel::material ? 1 : 24;
    if (stored.BitCount() != depth && !stored.ConvertDepth(depth))
        return nullptr;
    return object;
}

CSize CAddEntryBuilder::Dots(CSize size, int resolution)
{
    return {std::max(1, MulDiv(size.cx, resolution, 2540)), std::max(1, MulDiv(size.cy, resolution, 2540))};
}

bool CAddEntryBuilder::ReduceToBlackAndWhite(const CDibImage& picture, CSize dots, CDibImage& reduced)
{
    if (!reduced.Create(dots.cx, dots.cy, 24, RGB(255, 255, 255)))
        return false;
    {
        QImage surface = reduced.PaintSurface();
        QPainter painter(&surface);
        const CRect whole{0, 0, dots.cx, dots.cy};
        if (!picture.StretchDraw(painter, &whole, nullptr, false, StretchMode::ColorOnColor))
            return false;
    }
    // Black (0, 0, 0) and white (255, 255, 255), the material's two colours.
    return reduced.ConvertDepth(1);
}

std::unique_ptr<CDibObj> CAddEntryBuilder::MaterialEntry(const CDibObj& material, CSize size, CSize start,
                                                         int resolution)
{
    const CDibImage& picture = material.StoredImage();
    CDibImage reduced;
    const bool smaller = size.cx < start.cx || size.cy < start.cy;
    if (smaller && !ReduceToBlackAndWhite(picture, Dots(size, resolution), reduced))
        return nullptr;
    auto entry = std::make_unique<CDibObj>(true);
    if (!entry->SetImageFrom(smaller ? &reduced : &picture, flagsMaterial, false))
        return nullptr;
    entry->SetSize(size.cx, size.cy);
    return entry;
}

std::unique_ptr<CDibObj> CAddEntryBuilder::SymbolEntry(const CDibObj& symbol, CSize size, CSize start, int resolution,
                                                       bool keepAspect)
{
    auto entry = std::make_unique<CDibObj>(true);
    if (!entry->SetImageFrom(&symbol.StoredImage(), symbol.m_dwFlags, false))
        return nullptr;
    if (size.cx < start.cx || size.cy < start.cy) {
        // The display image is the resampling blit's copy at a size in
        // dots, the transparency key kept: it becomes the picture.
        const CSize dots = Dots(size, resolution);
        if (!entry->BuildDisplay(dots.cx, dots.cy) || !entry->SetImageFrom(entry->DisplayImage(), entry->m_dwFlags, false))
            return nullptr;
        entry->DropDisplay();
    }
    if (keepAspect)
        entry->m_dwFlags |= SOF_KEEPASPECT;
    else
        entry->m_dwFlags &= ~SOF_KEEPASPECT;
    entry->SetSize(size.cx, size.cy);
    return entry;
}
