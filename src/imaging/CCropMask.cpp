#include "CCropMask.h"

#include "DibPixelFormat.h"
#include "DibStretcher.h"
#include "FloodFill.h"

#include "platform/CArchive.h"
#include "platform/MulDiv.h"

#include <QBuffer>
#include <QPainter>

#include <cstring>

namespace {

int Luma(const std::uint8_t* bgr)
{
    return (bgr[1] * 587 + bgr[2] * 299 + bgr[0] * 114) / 1000;
}

const COLORREF blackWhite[2] = {RGB(0, 0, 0), RGB(255, 255, 255)};

// Mask rows hold 8 pixels a byte, the leftmost in the most significant bit.
// Whole-picture loops read the bytes directly: a call per pixel was most
// of a click's time on a camera-sized photo.
bool Bit(const std::uint8_t* row, int x)
{
    return (row[x >> 3] & (0x80u >> (x & 7))) != 0;
}

} // namespace

bool CCropMask::Init(CDibImage* source)
{
    if (!source || source->IsEmpty() || source->BitCount() != 24)
        return false;
    const int w = source->Width(), h = source->Height();
    std::vector<COLORREF> greys(256);
    for (int i = 0; i < 256; ++i)
        greys[std::size_t(i)] = RGB(i, i, i);
    CDibImage mask, work;
    if (!mask.Create(w, h, 1, colorNone, blackWhite) || !work.Create(w, h, 8, colorNone, greys.data()))
        return false;
    m_pSource = source;
    m_mask = std::move(mask);
    m_work = std::move(work);
    // What is transparent already starts out marked, and stays so.
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* p = source->Row(y);
        for (int x = 0; x < w; ++x, p += 3)
            if (p[0] == 0 && p[1] == 0 && p[2] == 1)
                SetMarked(x, y);
    }
    m_maskLocked.CopyImage(m_mask);
    m_undo.clear();
    m_redo.clear();
    return true;
}

bool CCropMask::IsMarked(int x, int y) const
{
    return x >= 0 && y >= 0 && x < m_mask.Width() && y < m_mask.Height() && DibPixelFormat::GetIndex(m_mask.Row(y), x, 1) != 0;
}

void CCropMask::SetMarked(int x, int y)
{
    DibPixelFormat::SetIndex(m_mask.Row(y), x, 1, 1);
}

void CCropMask::Show(QPainter& painter, int zoomPercent, CPoint at, COLORREF colour) const
{
    if (!m_pSource || zoomPercent <= 0)
        return;
    const int w = m_pSource->Width(), h = m_pSource->Height();
    const CRect dest{at.x, at.y, at.x + MulDiv(w, zoomPercent, 100), at.y + MulDiv(h, zoomPercent, 100)};
    // Only what the window shows is stretched and tinted: at every pen move
    // a camera-sized picture would otherwise be copied whole.
    QRect shown = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect()
                                        : QRect(0, 0, painter.device()->width(), painter.device()->height());
    shown &= QRect(dest.left, dest.top, dest.Width(), dest.Height());
    if (shown.isEmpty())
        return;
    const CRect visible{shown.left(), shown.top(), shown.right() + 1, shown.bottom() + 1};
    QImage part = DibStretcher::Stretch(*m_pSource, dest, {0, 0, w, h}, visible, StretchMode::ColorOnColor);
    if (part.isNull())
        return;
    // The same nearest source pixel the stretch took, so the tint lies
    // exactly on the pixels it marks.
    const QRgb tint = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    for (int y = 0; y < part.height(); ++y) {
        const std::uint8_t* mask = m_mask.Row(int(std::int64_t(visible.top - dest.top + y) * h / dest.Height()));
        for (int x = 0; x < part.width(); ++x)
            if (Bit(mask, int(std::int64_t(visible.left - dest.left + x) * w / dest.Width())))
                part.setPixel(x, y, tint);
    }
    painter.drawImage(shown.topLeft(), part);
}

void CCropMask::FillSelect(CPoint seed, int tolerance)
{
    if (!m_pSource || seed.x < 0 || seed.y < 0 || seed.x >= m_pSource->Width() || seed.y >= m_pSource->Height())
        return;
    const int w = m_pSource->Width(), h = m_pSource->Height();
    const int seedLuma = Luma(m_pSource->Row(seed.y) + 3 * std::size_t(seed.x));
    BuildBoundaries(seedLuma, tolerance);
    std::vector<std::pair<int, int>> spans; // x0, x1 with y packed after
    std::vector<int> rows;
    FloodFill::Run(w, h, seed.x, seed.y, [&](int x, int y) { return m_work.Row(y)[x] == 0; },
                   [&](int x0, int x1, int y) {
                       spans.emplace_back(x0, x1);
                       rows.push_back(y);
                   });
    if (spans.empty())
        return;
    PushUndo();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::uint8_t* mask = m_mask.Row(rows[i]);
        for (int x = spans[i].first; x < spans[i].second; ++x)
            mask[x >> 3] |= std::uint8_t(0x80u >> (x & 7));
    }
}

void CCropMask::BuildBoundaries(int seedLuma, int tolerance)
{
    // |luma - seed| <= tolerance, with luma = weighted sum / 1000 truncated,
    // is a range of weighted sums: no division per pixel.
    const int lowSum = (seedLuma - tolerance) * 1000, highSum = (seedLuma + tolerance) * 1000 + 999;
    const int w = m_pSource->Width();
    for (int y = 0; y < m_pSource->Height(); ++y) {
        const std::uint8_t* p = m_pSource->Row(y);
        std::uint8_t* out = m_work.Row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            const int sum = p[1] * 587 + p[2] * 299 + p[0] * 114;
            out[x] = sum < lowSum || sum > highSum ? 255 : 0;
        }
        const std::uint8_t* mask = m_mask.Row(y);
        for (int x = 0; x < w; x += 8)
            if (mask[x >> 3])
                for (int i = x; i < std::min(x + 8, w); ++i)
                    out[i] |= Bit(mask, i) ? 255 : 0;
    }
}

void CCropMask::PenStroke(CPoint p, int width, bool erase, bool continuing)
{
    if (!m_pSource)
        return;
    if (!continuing)
        PushUndo();
    {
        QImage surface = m_mask.PaintSurface();
        QPainter painter(&surface);
        const QColor colour = erase ? Qt::black : Qt::white;
        painter.setPen(QPen(colour, std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (continuing) {
            painter.drawLine(QPoint(m_ptLast.x, m_ptLast.y), QPoint(p.x, p.y));
        } else if (width < 2) {
            painter.drawPoint(p.x, p.y); // a click marks one pixel
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(p.x + 0.5, p.y + 0.5), width / 2.0, width / 2.0);
        }
    }
    if (erase) {
        // Pixels transparent from the start never come back.
        std::uint8_t* mask = m_mask.Bits();
        const std::uint8_t* locked = m_maskLocked.Bits();
        for (std::size_t i = 0; i < m_mask.BitsSize(); ++i)
            mask[i] |= locked[i];
    }
    m_ptLast = p;
}

QByteArray CCropMask::Snapshot() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    const_cast<CDibImage&>(m_mask).Serialize(ar);
    ar.Close();
    return bytes;
}

bool CCropMask::Restore(const QByteArray& snapshot)
{
    QByteArray bytes = snapshot;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load);
    try {
        m_mask.Serialize(ar);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void CCropMask::Keep(std::deque<QByteArray>& list, QByteArray blob)
{
    list.push_back(std::move(blob));
    while (int(list.size()) > maxHistory)
        list.pop_front();
}

void CCropMask::PushUndo()
{
    try {
        Keep(m_undo, Snapshot());
        m_redo.clear();
    } catch (const std::exception&) {
        // The edit goes ahead without an undo step.
    }
}

void CCropMask::Undo()
{
    if (m_undo.empty())
        return;
    Keep(m_redo, Snapshot());
    const QByteArray newest = std::move(m_undo.back());
    m_undo.pop_back();
    Restore(newest);
}

void CCropMask::Redo()
{
    // An idle Redo keeps the history as it is: a snapshot pushed here would
    // push the oldest real edit out once the history is full.
    if (m_redo.empty())
        return;
    Keep(m_undo, Snapshot());
    const QByteArray newest = std::move(m_redo.back());
    m_redo.pop_back();
    Restore(newest);
}

void CCropMask::ApplyMask()
{
    if (!m_pSource)
        return;
    const std::uint8_t bgr[3] = {std::uint8_t(GetBValue(m_crMasked)), std::uint8_t(GetGValue(m_crMasked)),
                                 std::uint8_t(GetRValue(m_crMasked))};
    for (int y = 0; y < m_pSource->Height(); ++y) {
        const std::uint8_t* mask = m_mask.Row(y);
        std::uint8_t* pixel = m_pSource->Row(y);
        for (int x = 0; x < m_pSource->Width(); ++x, pixel += 3)
            if (Bit(mask, x))
                std::memcpy(pixel, bgr, 3);
    }
}
