#include "CFreeTextObj.h"

#include "FontMapper.h"

#include "CDocumentContext.h"
#include "CGlyphMasks.h"
#include "CPointPath.h"
#include "TextPainting.h"

#include "platform/CArchive.h"
#include "platform/MulDiv.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

VELDRA_IMPLEMENT_SERIAL(CFreeTextObj, &CSymbolObj::classInfo, 3, true)

namespace {

constexpr int minimumSize = 50; // 0.5 mm
// The side of the largest band drawing kept whole (64 MiB).
constexpr int maximumDrawingSide = 4096;
// Room for the drawings of a few dozen texts of plate size. Past it, which
// only a file of countless huge texts reaches, bands are drawn straight
// onto the plate on every paint.
constexpr std::size_t keptDrawingBudget = std::size_t(256) << 20;

int TruncateToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::clamp(value, -2147483648.0, 2147483647.0));
}

// Direction from the centre to the cursor in the band's own frame, per
// corner handle: the cursor's angle turned back by the band's rotation.
double CornerAngle(int handle, double bandAngle, double dx, double dy)
{
    const double pi = std::numbers::pi;
    switch (handle) {
    case 0: return (pi - bandAngle) + std::atan2(dy, -dx);
    case 1: return (bandAngle - pi) + std::atan2(dy, dx);
    case 2: return (pi - bandAngle) + std::atan2(-dy, dx);
    default: return (bandAngle - pi) + std::atan2(-dy, -dx);
    }
}

} // namespace

CFreeTextObj::CFreeTextObj()
    : CFreeTextObj(CTextAttributes())
{
}

CFreeTextObj::CFreeTextObj(const CTextAttributes& defaults)
    : m_bFillBackground(defaults.fillBackground), m_crFont(defaults.fontColor), m_crBkgnd(defaults.bkgndColor)
{
    m_strName = defaults.text;
    m_dwFlags = flagsText;
    m_layout.m_strText = defaults.text;
    m_layout.m_lf = defaults.font;
}

CFreeTextObj::~CFreeTextObj()
{
    DropDrawing();
}

void CFreeTextObj::Serialize(CArchive& ar)
{
    CSymbolObj::Serialize(ar);
    m_layout.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bFillBackground << m_crFont << m_crBkgnd;
        return;
    }
    ar >> m_bFillBackground >> m_crFont >> m_crBkgnd;
    m_pDoc = ar.m_pDocument;
}

std::unique_ptr<CSymbolObj> CFreeTextObj::Clone() const
{
    std::unique_ptr<CSymbolObj> copy(static_cast<CSymbolObj*>(GetRuntimeClass()->CreateObject()));
    auto* text = static_cast<CFreeTextObj*>(copy.get());
    text->CopyCommon(*this);
    text->CopyTextFields(*this);
    text->m_nSchema = m_nSchema;
    return copy;
}

void CFreeTextObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
    if (const auto* other = dynamic_cast<const CFreeTextObj*>(&source))
        CopyTextFields(*other);
    m_layout.DropRegion();
}

void CFreeTextObj::CopyTextFields(const CFreeTextObj& source)
{
    m_pDoc = source.m_pDoc;
    m_bFillBackground = source.m_bFillBackground;
    m_crFont = source.m_crFont;
    m_crBkgnd = source.m_crBkgnd;
    m_layout = source.m_layout;
    m_fTrackAngle = source.m_fTrackAngle;
}

void CFreeTextObj::Draw(QPainter& painter, const CRect*, int)
{
    if (!m_pDoc)
        return;
    DrawLaidOut(painter, BandBase(), true);
}

int CFreeTextObj::BandBase()
{
    // The band always spans the object's width.
    m_layout.m_fSpread = 100;
    return MulDiv(m_size.cx, m_pDoc->GetResolution(), 2540);
}

void CFreeTextObj::EnsureOutline()
{
    // Before the first drawing there is still no band at all.
    if (m_pDoc && m_layout.HasOutline() && !m_layout.HasRegion() && !m_layout.Layout(BandBase(), {}))
        m_layout.m_outline.clear();
}

void CFreeTextObj::DrawBand(QPainter& painter, const QPolygon& band)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_bFillBackground) {
        const QColor background = TextPainting::ToQColor(m_crBkgnd);
        painter.setPen(QPen(background, 0));
        painter.setBrush(background);
        painter.drawPolygon(band, Qt::WindingFill);
    }
    painter.setPen(TextPainting::ToQColor(m_crFont));
    painter.setBrush(Qt::NoBrush);
    m_layout.DrawGlyphs(painter);
    painter.restore();
}

QByteArray CFreeTextObj::DrawingKey(int base, const QRect& visible) const
{
    QByteArray key;
    QBuffer buffer(&key);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    const_cast<CTextLayout&>(m_layout).Serialize(ar);
    ar << std::int32_t(base) << m_bFillBackground << m_crFont << m_crBkgnd;
    ar << std::int32_t(visible.x()) << std::int32_t(visible.y()) << std::int32_t(visible.width())
       << std::int32_t(visible.height());
    ar.Close();
    return key;
}

void CFreeTextObj::DrawLaidOut(QPainter& painter, int base, bool straight)
{
    const QRect visible = TextPainting::VisibleArea(painter);
    const QByteArray key = DrawingKey(base, visible);
    if (key == m_drawingKey && !m_drawing.isNull() && m_layout.HasRegion()) {
        // The most recently pasted drawings are the last to go.
        Kept().splice(Kept().begin(), Kept(), m_keptAt);
        PasteDrawing(painter);
        return;
    }
    if (!m_layout.Layout(base, {})) {
        m_layout.DropRegion();
        DropDrawing();
        return;
    }
    PaintBand(painter, straight ? m_layout.Corners() : m_layout.OutlinePolygon(), key, visible);
}

void CFreeTextObj::PasteDrawing(QPainter& painter) const
{
    auto* plate = dynamic_cast<QImage*>(painter.device());
    if (!plate || plate->format() != QImage::Format_BGR888 || !painter.transform().isIdentity() || painter.hasClipping()) {
        painter.drawImage(m_drawingOrigin, m_drawing);
        return;
    }
    // Straight into the plate's bytes: the drawing's pixels are opaque or
    // fully transparent, so copying its opaque runs is the same as drawing it.
    const QRect area = QRect(m_drawingOrigin, m_drawing.size()).intersected(plate->rect());
    for (const DrawingRun& run : m_runs) {
        const int y = m_drawingOrigin.y() + run.y;
        const int left = m_drawingOrigin.x() + run.x;
        int from, to;
        if (!TextPainting::ClipRun(area, y, left, run.length, &from, &to))
            continue;
        std::memcpy(plate->scanLine(y) + 3 * std::size_t(from), m_runPixels.data() + run.offset + 3 * std::size_t(from - left),
                    3 * std::size_t(to - from + 1));
    }
}

bool CFreeTextObj::PasteGlyphMasks(QPainter& painter, const QRect& area) const
{
    auto* plate = dynamic_cast<QImage*>(painter.device());
    if (!plate || plate->format() != QImage::Format_BGR888 || !painter.transform().isIdentity() || painter.hasClipping())
        return false;
    const QList<QByteArray> glyphs = m_layout.Glyphs();
    const std::vector<CPoint> positions = m_layout.GlyphPositions();
    const std::vector<int> escapements = m_layout.GlyphEscapements();
    if (positions.size() != std::size_t(glyphs.size()) || escapements.size() != positions.size())
        return true; // nothing is drawn, as drawing the band would draw nothing
    // The drawing would be cut to its area, and the paste to the plate.
    const QRect shown = area.intersected(plate->rect());
    const QRgb colour = TextPainting::ToQColor(m_crFont).rgb();
    const std::uint8_t bgr[3] = {std::uint8_t(qBlue(colour)), std::uint8_t(qGreen(colour)), std::uint8_t(qRed(colour))};
    CGlyphMasks& masks = CGlyphMasks::Shared();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const QString text = m_layout.GlyphText(glyphs[qsizetype(i)]);
        if (text.isEmpty())
            continue;
        const std::vector<CGlyphMasks::Run>* runs = masks.Find(m_layout.m_lf, text, escapements[i]);
        if (!runs)
            return false;
        CGlyphMasks::Paste(*plate, shown, QPoint(positions[i].x, positions[i].y), *runs, bgr);
    }
    return true;
}

void CFreeTextObj::IndexDrawing()
{
    m_runs.clear();
    m_runPixels.clear();
    const int width = m_drawing.width();
    for (int y = 0; y < m_drawing.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(m_drawing.constScanLine(y));
        int x = 0;
        for (int start; (start = TextPainting::NextOpaqueRun(row, width, x, &x)) < width;) {
            const std::size_t at = m_runPixels.size();
            m_runs.push_back({y, start, x - start, at});
            m_runPixels.resize(at + 3 * std::size_t(x - start));
            std::uint8_t* out = m_runPixels.data() + at;
            for (int k = start; k < x; ++k, out += 3) {
                out[0] = std::uint8_t(qBlue(row[k]));
                out[1] = std::uint8_t(qGreen(row[k]));
                out[2] = std::uint8_t(qRed(row[k]));
            }
        }
    }
    if (m_bKept)
        s_keptBytes += m_runPixels.capacity() + m_runs.capacity() * sizeof(DrawingRun);
}

QRect CFreeTextObj::DrawingArea(const QPolygon& band, const QRect& visible) const
{
    // Glyphs may reach past the band by up to a line's height.
    const int reach = std::clamp(int(std::abs(m_layout.m_fHeight)) + 4, 4, maximumDrawingSide);
    const QRect whole = band.boundingRect().adjusted(-reach, -reach, reach, reach);
    // A band of a sane size is drawn whole and cut by the paste, so that
    // its outline pen is never cut by the drawing's edge, which moves a
    // pixel at its corners. A larger band, which only damaged files claim,
    // is drawn where it can show: the plate then bounds the memory.
    const std::int64_t width = std::int64_t(whole.right()) - whole.left() + 1;
    const std::int64_t height = std::int64_t(whole.bottom()) - whole.top() + 1;
    if (width <= maximumDrawingSide && height <= maximumDrawingSide)
        return whole.intersects(visible) ? whole : QRect();
    return whole.intersected(visible);
}

std::list<CFreeTextObj*>& CFreeTextObj::Kept()
{
    static auto* const kept = new std::list<CFreeTextObj*>;
    return *kept;
}

bool CFreeTextObj::MakeDrawing(const QSize& size, bool keep)
{
    DropDrawing();
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    if (bytes > keptDrawingBudget)
        return false;
    // The least recently pasted drawings make room. Their texts are not
    // kept again until their band changes, so that texts taking turns
    // never drop each other's drawings on every paint.
    while (keep && s_keptBytes + bytes > keptDrawingBudget && !Kept().empty()) {
        CFreeTextObj* oldest = Kept().back();
        oldest->DropDrawing();
        oldest->m_bLostPlace = true;
    }
    m_drawing = QImage(size, QImage::Format_ARGB32);
    if (m_drawing.isNull())
        return false;
    if (keep) {
        m_bKept = true;
        s_keptBytes += std::size_t(m_drawing.sizeInBytes());
        m_keptAt = Kept().insert(Kept().begin(), this);
    }
    return true;
}

void CFreeTextObj::DropDrawing()
{
    if (m_bKept) {
        s_keptBytes -= std::size_t(m_drawing.sizeInBytes()) + m_runPixels.capacity() + m_runs.capacity() * sizeof(DrawingRun);
        Kept().erase(m_keptAt);
        m_bKept = false;
    }
    m_drawing = QImage();
    // Assigning {} would keep the capacity: the memory must go.
    m_runs = std::vector<DrawingRun>();
    m_runPixels = std::vector<std::uint8_t>();
}

void CFreeTextObj::PaintBand(QPainter& painter, const QPolygon& band, const QByteArray& key, const QRect& visible)
{
    if (!m_layout.HasRegion())
        m_layout.SetRegion(band);
    const QRect area = DrawingArea(band, visible);
    if (area.isEmpty())
        return;
    const bool painted = key == m_drawingKey;
    if (!painted) {
        DropDrawing();
        m_drawingKey = key;
        m_bLostPlace = false;
    }
    if (FontMapper::WantsAntialias(m_layout.m_lf)) {
        DrawBand(painter, band);
        return;
    }
    // Without antialiasing every drawn pixel is opaque, so a drawing pasted
    // over the plate gives the same pixels wherever it is pasted; every band
    // goes through one, so the window and the tool agree to the pixel. It
    // is kept from the band's second paint as it is: a plate drawn once (a
    // render, a batch's record, a print) would only fill the budget with
    // drawings never pasted again.
    const bool keep = painted && !m_bLostPlace;
    // A drawing used once is only worth making for glyphs never drawn before.
    if (m_drawing.isNull() && !keep && m_bGlyphMasks && !m_bFillBackground && PasteGlyphMasks(painter, area))
        return;
    if (m_drawing.isNull()) {
        m_drawingOrigin = area.topLeft();
        if (!MakeDrawing(area.size(), keep)) {
            DrawBand(painter, band);
            return;
        }
        m_drawing.fill(Qt::transparent);
        {
            QPainter onDrawing(&m_drawing);
            onDrawing.translate(-m_drawingOrigin);
            DrawBand(onDrawing, band);
        }
        IndexDrawing();
    }
    PasteDrawing(painter);
    if (!m_bKept)
        DropDrawing();
}

void CFreeTextObj::SetBounds(int x, int y, int cx, int cy)
{
    SetPosition(x, y);
    SetSize(cx, cy);
}

void CFreeTextObj::SetPosition(int x, int y)
{
    m_ptCenter = {x, y};
    if (m_pDoc) {
        const CPoint pixel = m_pDoc->DocToDevice(m_ptCenter);
        m_layout.m_fCenterX = float(pixel.x);
        m_layout.m_fCenterY = float(pixel.y);
    }
    m_layout.DropRegion();
}

void CFreeTextObj::SetSize(int cx, int cy)
{
    m_size = {cx, cy};
    ApplyHeight(cy);
    m_layout.DropRegion();
}

void CFreeTextObj::ApplyHeight(int cy)
{
    if (!m_pDoc)
        return;
    const int pixels = MulDiv(cy, m_pDoc->GetResolution(), 2540);
    m_layout.m_lf.lfHeight = pixels;
    m_layout.m_fHeight = float(pixels);
}

void CFreeTextObj::Refresh(CDocumentContext* document)
{
    if (document)
        m_pDoc = document;
    SetBounds(m_ptCenter.x, m_ptCenter.y, m_size.cx, m_size.cy);
}

CSize CFreeTextObj::MeasureNatural()
{
    if (!m_pDoc)
        return m_size;
    // Measured on a copy: the engine's own advances belong to its outline.
    CTextLayout measuring(m_layout);
    const int total = measuring.MeasureChars();
    const int dpi = m_pDoc->GetResolution();
    const std::int64_t height = std::abs(std::int64_t(m_layout.m_lf.lfHeight));
    return {MulDiv(total, 2540, dpi), MulDiv(int(std::min<std::int64_t>(height, 0x7FFFFFFF)), 2540, dpi)};
}

CFreeTextObj::Stretch CFreeTextObj::MeasureStretch()
{
    return {MeasureNatural().cx, m_size.cx, m_layout.m_fSpread};
}

void CFreeTextObj::FollowText(const Stretch& before)
{
    if (before.natural <= 0)
        return;
    const double width = double(before.width) * MeasureNatural().cx / before.natural;
    SetSize(int(std::clamp<double>(std::lround(width), 1, 0x7FFFFFFF)), m_size.cy);
}

void CFreeTextObj::FitNatural()
{
    SetSize(std::max(1, MeasureNatural().cx), m_size.cy);
}

double CFreeTextObj::Overflow(const Stretch& before) const
{
    return before.width > 0 ? double(m_size.cx) / before.width : 1;
}

CPoint CFreeTextObj::ToDocument(CPoint pixel) const
{
    return m_pDoc->DeviceToDoc(pixel);
}

int CFreeTextObj::HitTestPixels(CPoint point, CSize tolerance, const std::vector<CPoint>& handles,
                                std::optional<CPoint> moveHandle) const
{
    const CPoint p = m_pDoc->DocToDevice(point);
    const CSize t = m_pDoc->DocToDeviceSize(tolerance);
    // A 2 x 2 pixel box at the point, grown by the tolerance.
    CRect box{p.x - t.cx, p.y - t.cy, p.x + 2 + t.cx, p.y + 2 + t.cy};
    const auto contains = [&box](CPoint q) {
        return q.x >= box.left && q.x < box.right && q.y >= box.top && q.y < box.bottom;
    };
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (contains(handles[i]))
            return int(i);
    }
    box = {box.left - t.cx, box.top - t.cy, box.right + t.cx, box.bottom + t.cy};
    if (moveHandle && contains(*moveHandle))
        return hitMoveHandle;
    return m_layout.RegionContains(p) ? hitBand : hitNothing;
}

int CFreeTextObj::HitTest(CPoint point, CSize tolerance, bool withHandles)
{
    // A locked object is never hit, whatever its kind.
    if (!m_bVisible || HasFlag(SOF_LOCKED) || !withHandles || !m_pDoc)
        return hitNothing;
    EnsureOutline();
    std::vector<CPoint> handles;
    std::optional<CPoint> band;
    if (m_layout.HasOutline()) {
        const QPolygon corners = m_layout.Corners();
        for (const QPoint& c : corners)
            handles.push_back({c.x(), c.y()});
        band = CPoint{(handles[0].x + handles[2].x) / 2, (handles[0].y + handles[2].y) / 2};
    }
    return HitTestPixels(point, tolerance, handles, band);
}

int CFreeTextObj::GetOutline(CPointPath& path)
{
    EnsureOutline();
    if (!m_pDoc || !m_layout.HasOutline())
        return path.GetSize();
    const QPolygon corners = m_layout.Corners();
    for (const QPoint& c : corners)
        path.Add(ToDocument({c.x(), c.y()}));
    path.Add(ToDocument({corners[0].x(), corners[0].y()}));
    return path.GetSize();
}

int CFreeTextObj::GetHandles(CPointPath& path)
{
    EnsureOutline();
    if (!m_pDoc || !m_layout.HasOutline())
        return path.GetSize();
    const QPolygon corners = m_layout.Corners();
    for (const QPoint& c : corners)
        path.Add(ToDocument({c.x(), c.y()}));
    path.Add(ToDocument({(corners[0].x() + corners[2].x()) / 2, (corners[0].y() + corners[2].y()) / 2}));
    return path.GetSize();
}

void CFreeTextObj::BeginTrack(DragState& drag)
{
    CSymbolObj::BeginTrack(drag);
    m_fTrackAngle = m_layout.m_fAngle;
}

void CFreeTextObj::TrackRotate(const DragState& drag)
{
    const double toDegrees = 180 / std::numbers::pi;
    const double delta = (std::atan2(double(drag.ptCur.x - drag.ptOrg.x), double(drag.ptCur.y - drag.ptOrg.y))
                          - std::atan2(double(drag.ptStart.x - drag.ptOrg.x), double(drag.ptStart.y - drag.ptOrg.y)))
                         * toDegrees;
    double angle = double(m_fTrackAngle) + delta;
    if (!std::isfinite(angle))
        return;
    if (drag.Shift())
        angle = std::trunc((angle + (angle < 0 ? -22.5 : 22.5)) / 45) * 45;
    // A damaged angle far out of range would keep the loops below busy.
    if (std::abs(angle) > 3600)
        angle = std::fmod(angle, 360);
    while (angle > 360)
        angle -= 360;
    while (angle < 0)
        angle += 360;
    const float rounded = float(std::trunc(angle * 100 + 0.5) / 100);
    if (rounded == m_layout.m_fAngle)
        return;
    m_layout.m_fAngle = rounded;
    m_layout.DropRegion();
}

void CFreeTextObj::TrackTo(const DragState& drag)
{
    switch (drag.nHandle) {
    case hitBody:
    case hitMoveHandle:
        CSymbolObj::TrackTo(drag);
        return;
    case hitBand:
        TrackRotate(drag);
        return;
    case 0:
    case 1:
    case 2:
    case 3:
        break;
    default:
        return;
    }
    // Corners resize about the centre, measured in the band's own frame.
    const double dx = double(drag.ptCur.x) - drag.ptOrg.x, dy = double(drag.ptCur.y) - drag.ptOrg.y;
    const double distance = std::hypot(dx, dy);
    const double angle = CornerAngle(drag.nHandle, double(m_layout.m_fAngle) * std::numbers::pi / 180, dx, dy);
    int newCx = std::max(TruncateToInt(2 * distance * std::cos(angle)), minimumSize);
    int newCy = std::max(TruncateToInt(2 * distance * std::sin(angle)), minimumSize);
    if (drag.Shift() && drag.sizeOrg.cx != 0 && drag.sizeOrg.cy != 0) {
        // The dimension that grew relatively more decides.
        const double ratio = double(drag.sizeOrg.cy) / drag.sizeOrg.cx;
        if (newCy / double(float(newCx)) < ratio)
            newCy = TruncateToInt(newCx * ratio);
        else
            newCx = TruncateToInt(newCy / ratio);
    }
    if (drag.Control())
        newCy = m_size.cy;
    SetSize(newCx, newCy);
}
