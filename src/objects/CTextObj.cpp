#include "CTextObj.h"

#include "CDibObj.h"
#include "CDocumentContext.h"
#include "FontMapper.h"
#include "TextPainting.h"

#include "platform/AnsiCodec.h"
#include "platform/CArchive.h"
#include "platform/CArchiveException.h"
#include "platform/MulDiv.h"

#include <QPainter>

#include <algorithm>
#include <new>

VELDRA_IMPLEMENT_SERIAL(CTextObj, &CSymbolObj::classInfo, 3, true)

namespace {

// Where the edge colour is drawn around the text: the four neighbours,
// then the diagonals (thick edge or anti-aliasing), then two pixels out
// (anti-aliasing, whose pixels are halved afterwards).
struct EdgeOffset
{
    int dx, dy;
};
constexpr EdgeOffset nearEdge[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
constexpr EdgeOffset diagonalEdge[] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
constexpr EdgeOffset farEdge[] = {{-2, 0}, {0, -2}, {2, 0}, {0, 2}};

CRect Shifted(const CRect& r, EdgeOffset d)
{
    return {r.left + d.dx, r.top + d.dy, r.right + d.dx, r.bottom + d.dy};
}

} // namespace

CTextObj::CTextObj()
    : CTextObj(CTextAttributes())
{
}

CTextObj::CTextObj(const CTextAttributes& defaults)
    : m_lf(defaults.font),
      m_bFillBackground(defaults.fillBackground),
      m_nDrawFrame(defaults.drawFrame),
      m_crFont(defaults.fontColor),
      m_crBkgnd(defaults.bkgndColor),
      m_crFrame(defaults.frameColor),
      m_sizeBkgndMargin(defaults.bkgndMargin),
      m_nFormat(defaults.multiLineFormat),
      m_bAntialias(defaults.antialias)
{
    m_strName = defaults.text;
    m_dwFlags = flagsTextBlock;
}

CTextObj::~CTextObj() = default;

void CTextObj::Serialize(CArchive& ar)
{
    CSymbolObj::Serialize(ar);
    if (ar.IsStoring()) {
        m_lf.Serialize(ar);
        ar << std::int32_t(m_sizeBkgndMargin.cx) << std::int32_t(m_sizeBkgndMargin.cy) << m_bFillBackground
           << m_nDrawFrame << m_crFont << m_crBkgnd << m_crFrame << m_nFormat << m_bAntialias;
        return;
    }
    m_lf.Serialize(ar);
    std::int32_t cx, cy;
    ar >> cx >> cy >> m_bFillBackground >> m_nDrawFrame >> m_crFont >> m_crBkgnd >> m_crFrame >> m_nFormat
        >> m_bAntialias;
    // The margin is added twice to the text's size: bounded like the size.
    if (!IsPlausibleExtent(cx) || !IsPlausibleExtent(cy))
        throw CArchiveException(CArchiveException::genericException);
    m_sizeBkgndMargin = {cx, cy};
    m_pDoc = ar.m_pDocument;
    m_pCache.reset();
}

std::unique_ptr<CSymbolObj> CTextObj::Clone() const
{
    auto copy = std::make_unique<CTextObj>();
    copy->CopyCommon(*this);
    copy->CopyTextFields(*this);
    copy->m_nSchema = m_nSchema;
    return copy;
}

void CTextObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
    if (const auto* other = dynamic_cast<const CTextObj*>(&source))
        CopyTextFields(*other);
    m_pCache.reset();
}

void CTextObj::CopyTextFields(const CTextObj& source)
{
    m_pDoc = source.m_pDoc;
    m_lf = source.m_lf;
    m_bFillBackground = source.m_bFillBackground;
    m_nDrawFrame = source.m_nDrawFrame;
    m_crFont = source.m_crFont;
    m_crBkgnd = source.m_crBkgnd;
    m_crFrame = source.m_crFrame;
    m_sizeBkgndMargin = source.m_sizeBkgndMargin;
    m_nFormat = source.m_nFormat;
    m_bAntialias = source.m_bAntialias;
}

QStringList CTextObj::Lines() const
{
    return TextPainting::SplitLines(AnsiCodec::Decode(m_strName, m_lf.lfCharSet));
}

CSize CTextObj::Measure()
{
    const TextPainting::LinesSize text = TextPainting::MeasureLines(FontMapper::Map(m_lf), Lines());
    int width = text.width, height = text.height;
    if (m_nDrawFrame > 0) {
        width += 4;
        height += 4;
    }
    // The slant leans out of the upright advances.
    if (m_lf.lfItalic)
        width += int(0.16 * width);
    if (m_nDrawFrame > 0)
        width += 2;
    if (m_pDoc) {
        const int dpi = m_pDoc->GetResolution();
        const CSize size{MulDiv(width, 2540, dpi) + 2 * m_sizeBkgndMargin.cx,
                         MulDiv(height, 2540, dpi) + 2 * m_sizeBkgndMargin.cy};
        if (!(size == m_size))
            m_pCache.reset();
        m_size = size;
    }
    return {width, height};
}

void CTextObj::SetBounds(int x, int y, int cx, int cy)
{
    SetPosition(x, y);
    SetSize(cx, cy);
}

void CTextObj::SetSize(int cx, int cy)
{
    if (cx == m_size.cx && cy == m_size.cy)
        return;
    m_pCache.reset();
    const int oldTextHeight = m_size.cy - 2 * m_sizeBkgndMargin.cy;
    const int newTextHeight = cy - 2 * m_sizeBkgndMargin.cy;
    m_size = {cx, cy};
    // Without a text height to compare with there is nothing to scale by;
    // a height eaten by the margins keeps the smallest font of the same kind.
    if (oldTextHeight > 0 && m_lf.lfHeight != 0) {
        int height = MulDiv(m_lf.lfHeight, std::max(newTextHeight, 0), oldTextHeight);
        if (height == 0 || (height < 0) != (m_lf.lfHeight < 0))
            height = m_lf.lfHeight < 0 ? -1 : 1;
        m_lf.lfHeight = height;
    }
    Measure();
}

void CTextObj::Refresh(CDocumentContext* document)
{
    if (document)
        m_pDoc = document;
    // The cache was rendered at the old resolution.
    m_pCache.reset();
    const CPoint centre = m_ptCenter;
    const CSize size = m_size;
    Measure();
    SetBounds(centre.x, centre.y, size.cx, size.cy);
}

CRect CTextObj::DeviceRect() const
{
    CRect r;
    GetRect(&r);
    const CPoint topLeft = m_pDoc->DocToDevice({r.left, r.top});
    const CPoint bottomRight = m_pDoc->DocToDevice({r.right, r.bottom});
    CRect device{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    device.Normalize();
    return device;
}

void CTextObj::Draw(QPainter& painter, const CRect* dest, int)
{
    if (!m_pDoc)
        return;
    CRect r = DeviceRect();
    if (r.Width() == 0 || r.Height() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (dest) {
        painter.setClipRect(QRect(dest->left, dest->top, dest->Width(), dest->Height()), Qt::IntersectClip);
        const int dx = (dest->left + dest->right) / 2 - (r.left + r.right) / 2;
        const int dy = (dest->top + dest->bottom) / 2 - (r.top + r.bottom) / 2;
        r = {std::max(r.left + dx, dest->left), std::max(r.top + dy, dest->top), std::min(r.right + dx, dest->right),
             std::min(r.bottom + dy, dest->bottom)};
    }
    if (m_bFillBackground && !r.IsEmpty())
        painter.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), TextPainting::ToQColor(m_crBkgnd));
    const int dpi = m_pDoc->GetResolution();
    const int marginX = MulDiv(m_sizeBkgndMargin.cx, dpi, 2540), marginY = MulDiv(m_sizeBkgndMargin.cy, dpi, 2540);
    const CRect inner{r.left + marginX, r.top + marginY, r.right - marginX, r.bottom - marginY};
    if (m_bAntialias)
        DrawAntialiased(painter, inner);
    else
        DrawTextBlock(painter, inner);
    painter.restore();
}

void CTextObj::DrawAntialiased(QPainter& painter, const CRect& inner)
{
    if (inner.IsEmpty())
        return;
    // Only the part that can show is rendered twice over: the plate, not
    // the size a file claims for the block, bounds the images. Whole pixels
    // cut off keep every pixel pair of the halving where it was.
    const QRect shown = QRect(inner.left, inner.top, inner.Width(), inner.Height())
                            .intersected(TextPainting::VisibleArea(painter));
    if (shown.isEmpty())
        return;
    try {
        CDibImage twice, reduced;
        if (!twice.Create(2 * shown.width(), 2 * shown.height(), 24, m_bFillBackground ? m_crBkgnd : transparentKey)
            || !reduced.Create(shown.width(), shown.height(), 24))
            return;
        QImage surface = twice.PaintSurface();
        if (surface.isNull())
            return;
        {
            QPainter twicePainter(&surface);
            const int left = 2 * (inner.left - shown.left()), top = 2 * (inner.top - shown.top());
            DrawTextBlock(twicePainter, {left, top, left + 2 * inner.Width(), top + 2 * inner.Height()});
        }
        TextPainting::HalveInto(twice, reduced);
        // The key left between the glyphs must not cover what lies beneath.
        TextPainting::DrawKeyed(painter, reduced, shown.left(), shown.top());
    } catch (const std::bad_alloc&) {
    }
}

void CTextObj::DrawTextBlock(QPainter& painter, const CRect& rect)
{
    LOGFONT lf = m_lf;
    if (m_bAntialias)
        lf.lfHeight = int(std::clamp<std::int64_t>(2 * std::int64_t(lf.lfHeight), -0x7FFFFFFF, 0x7FFFFFFF));
    const QFont font = FontMapper::Map(lf);
    const QStringList lines = Lines();
    const int format = m_nFormat;
    painter.save();
    if (m_nDrawFrame > 0) {
        painter.setPen(TextPainting::ToQColor(m_crFrame));
        const auto drawAt = [&](const auto& offsets) {
            for (const EdgeOffset& d : offsets)
                TextPainting::DrawLines(painter, font, lines, Shifted(rect, d), format);
        };
        drawAt(nearEdge);
        if (m_nDrawFrame > 1 || m_bAntialias)
            drawAt(diagonalEdge);
        if (m_bAntialias)
            drawAt(farEdge);
    }
    painter.setPen(TextPainting::ToQColor(m_crFont));
    TextPainting::DrawLines(painter, font, lines, rect, format);
    painter.restore();
}

CDibImage* CTextObj::GetImage(bool)
{
    if (m_pCache)
        return m_pCache.get();
    if (!m_pDoc)
        return nullptr;
    try {
        const int dpi = m_pDoc->GetResolution();
        const int width = MulDiv(m_size.cx, dpi, 2540), height = MulDiv(m_size.cy, dpi, 2540);
        // Limited as pictures' display images are: a damaged size would
        // otherwise cost up to a gigabyte on the first click on the block.
        if (width > CDibObj::maxDisplaySide || height > CDibObj::maxDisplaySide)
            return nullptr;
        auto image = std::make_unique<CDibImage>();
        // Unfilled, the block's background is the key, so clicks between the
        // letters pass through to what lies beneath.
        if (!image->Create(width, height, 24, m_bFillBackground ? m_crBkgnd : transparentKey))
            return nullptr;
        QImage surface = image->PaintSurface();
        if (surface.isNull())
            return nullptr;
        {
            QPainter painter(&surface);
            const CRect dest{0, 0, width, height};
            Draw(painter, &dest, 0);
        }
        m_pCache = std::move(image);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return m_pCache.get();
}
