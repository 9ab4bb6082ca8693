#include "CPlateRenderer.h"

#include "CPlateLook.h"
#include "CVeldraDoc.h"

#include "imaging/CDibImage.h"
#include "imaging/RowBands.h"
#include "objects/CDibObj.h"
#include "platform/MulDiv.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

COLORREF MeanColour(COLORREF a, COLORREF b)
{
    return RGB((GetRValue(a) + GetRValue(b)) >> 1, (GetGValue(a) + GetGValue(b)) >> 1, (GetBValue(a) + GetBValue(b)) >> 1);
}

} // namespace

CPlateRenderer::CPlateRenderer(CVeldraDoc& doc)
    : m_doc(doc)
{
}

void CPlateRenderer::FillRect(CDibImage& target, int x, int y, int width, int height, COLORREF colour)
{
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width, target.Width()), y1 = std::min(y + height, target.Height());
    if (x0 >= x1 || y0 >= y1 || target.BitCount() != 24)
        return;
    // One row is built, the others are copies of it.
    std::uint8_t* first = target.Row(y0) + 3 * std::size_t(x0);
    const std::size_t bytes = 3 * std::size_t(x1 - x0);
    for (std::size_t i = 0; i < bytes; i += 3) {
        first[i] = std::uint8_t(GetBValue(colour));
        first[i + 1] = std::uint8_t(GetGValue(colour));
        first[i + 2] = std::uint8_t(GetRValue(colour));
    }
    std::uint8_t* const bits = target.Bits();
    const std::size_t stride = target.Stride();
    RowBands::Run(y1 - y0 - 1, 128, [&](int begin, int end) {
        for (int row = y0 + 1 + begin; row < y0 + 1 + end; ++row)
            std::memcpy(bits + stride * std::size_t(row) + 3 * std::size_t(x0), first, bytes);
    });
}

void CPlateRenderer::ClipOutside(CDibImage& target, const CRect& r)
{
    const int w = target.Width(), h = target.Height();
    FillRect(target, 0, 0, r.left, h, 0);
    FillRect(target, r.right, 0, w - r.right, h, 0);
    FillRect(target, r.left, 0, r.right - r.left, r.top, 0);
    FillRect(target, r.left, r.bottom, r.right - r.left, h - r.bottom, 0);
}

void CPlateRenderer::Invert(CDibImage& target)
{
    std::uint8_t* p = target.Bits();
    const std::size_t size = target.BitsSize();
    for (std::size_t i = 0; i < size; ++i)
        p[i] = std::uint8_t(~p[i]);
}

void CPlateRenderer::RenderPlate(CDibImage& target, int mode)
{
    if (target.IsEmpty() || target.BitCount() != 24)
        return;
    const CPlateLook look = CPlateLook::Of(m_doc);
    const COLORREF band = mode == screen ? MeanColour(m_doc.Settings().outsideColor, look.Base()) : 0x000000;
    look.Ground(target);
    DrawObjects(target);
    look.Finish(target);
    DrawMargins(target, band);
    DrawMaterial(target, mode, band);
}

void CPlateRenderer::DrawObjects(CDibImage& target)
{
    std::optional<QImage> surface;
    std::optional<QPainter> painter;
    const std::vector<CSymbolObj*> objects = m_doc.GetObjects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        CSymbolObj* object = *it;
        if (!object->m_bVisible || object->Kind() == SOK_MATERIAL)
            continue;
        CRect rect;
        object->GetRect(&rect);
        const CRect device = m_doc.DocRectToDevice(rect);
        if (object->HasFlag(SOF_CLIPOUTSIDE)) {
            painter.reset(); // the painter must not hold pixels we change under it
            ClipOutside(target, device);
        }
        if (object->Kind() == SOK_TEXT) {
            if (!painter) {
                surface = target.PaintSurface();
                painter.emplace(&*surface);
            }
            object->Draw(*painter, &device, 0);
            continue;
        }
        painter.reset();
        if (const CDibImage* image = object->GetImage(false); image && image->BitCount() == 24)
            target.PasteKeyed(*image, &device, transparentKey);
    }
}

void CPlateRenderer::DrawMargins(CDibImage& target, COLORREF band)
{
    const CSize margin = m_doc.DocToDeviceSize(m_doc.GetMargins());
    const int w = target.Width(), h = target.Height(), px = margin.cx, py = margin.cy;
    if (px > 0) {
        FillRect(target, 0, 0, px, h, band);
        FillRect(target, w - px, 0, px, h, band);
    }
    if (py > 0) {
        FillRect(target, px, 0, w - 2 * px, py, band);
        FillRect(target, px, h - py, w - 2 * px, py, band);
    }
}

void CPlateRenderer::DrawMaterial(CDibImage& target, int mode, COLORREF band)
{
    if (!m_doc.HasMaterial() || m_doc.GetObjectCount() == 0)
        return;
    CSymbolObj* outline = m_doc.GetObjectAt(0);
    if (!outline->m_bVisible)
        return;
    const CSize margin = m_doc.DocToDeviceSize(m_doc.GetMargins());
    const auto* picture = dynamic_cast<const CDibObj*>(outline);
    CMaterialLayer::Key key{outline, picture ? picture->DisplayStamp() : 0, target.Width(), target.Height(),
                            margin.cx, margin.cy, band, mode == screen ? m_doc.Settings().outsideColor : 0,
                            mode == screen};
    if (!m_material.Matches(key)) {
        const CDibImage* image = outline->GetImage(false);
        CDibImage mask;
        if (image && image->Width() == target.Width() && image->Height() == target.Height()) {
            m_material.Build(key, *image);
        } else if (image && !image->IsEmpty() && mask.Create(target.Width(), target.Height(), 24, 0xFFFFFF)) {
            // The outline at another size is stretched into its rectangle.
            CDibImage colour;
            CRect rect;
            outline->GetRect(&rect);
            const CRect device = m_doc.DocRectToDevice(rect);
            if (colour.CopyImage(*image) && colour.ConvertDepth(24))
                mask.PasteKeyed(colour, &device, colorNone);
            m_material.Build(key, mask);
        } else {
            m_material.Build(key, mask);
        }
    }
    m_material.Paint(target);
}

bool CPlateRenderer::ExportBitmapFile(const QString& path, QString* error)
{
    CDibImage plate;
    const CSize size = m_doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24)) {
        if (error)
            *error = SizeProblem();
        return false;
    }
    RenderPlate(plate, output);
    return plate.SaveBitmapFile(path, error);
}

QString CPlateRenderer::SizeProblem() const
{
    const CSize material = m_doc.GetMaterialSize();
    const CSize device = m_doc.GetDeviceSize();
    const QString width = QString::number(material.cx / 100.0), height = QString::number(material.cy / 100.0);
    if (material.cx <= 0 || material.cy <= 0)
        return QCoreApplication::translate("CPlateRenderer", "The material, %1 x %2 mm, has no size a plate can have.")
            .arg(width, height);
    if (device.cx <= 0 || device.cy <= 0)
        return QCoreApplication::translate("CPlateRenderer",
                                           "The material, %1 x %2 mm, is smaller than one dot of the engraver.")
            .arg(width, height);
    return QCoreApplication::translate("CPlateRenderer", "The plate is too large to render.");
}

std::vector<std::uint8_t> CPlateRenderer::PreviewImage()
{
    CDibImage plate;
    const CSize size = m_doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24))
        return {};
    RenderPlate(plate, output);
    std::vector<std::uint8_t> grey(std::size_t(size.cx) * std::size_t(size.cy));
    std::uint8_t* out = grey.data();
    for (int y = 0; y < size.cy; ++y) {
        const std::uint8_t* p = plate.Row(y);
        for (int x = 0; x < size.cx; ++x, p += 3) {
            const int g = (587 * p[1] + 299 * p[2] + 114 * p[0]) / 1000;
            *out++ = std::uint8_t(2 * g - MulDiv(g, g, 255));
        }
    }
    return grey;
}
