#include "CGlyphMasks.h"

#include "CTextLayout.h"
#include "FontMapper.h"
#include "TextPainting.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A glyph reaching further from its point than this (a font over about
// 50 mm at the engraver's resolution) is drawn by the caller: its square
// alone would take 16 MB while it is drawn.
constexpr int maximumReach = 1024;
// Room for a few thousand glyphs of plate-text size.
constexpr std::size_t sharedBudget = std::size_t(8) << 20;

QByteArray KeyOf(const LOGFONT& font, const QString& text, int escapement)
{
    QByteArray key(LOGFONT::byteSize + int(sizeof(std::int32_t)), '\0');
    font.ToBytes(reinterpret_cast<std::uint8_t*>(key.data()));
    const std::int32_t turn = escapement;
    std::memcpy(key.data() + LOGFONT::byteSize, &turn, sizeof turn);
    key.append(reinterpret_cast<const char*>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
    return key;
}

} // namespace

CGlyphMasks::CGlyphMasks(std::size_t budgetBytes)
    : m_budget(budgetBytes)
{
}

CGlyphMasks& CGlyphMasks::Shared()
{
    // Never destroyed: text objects may still paint while statics go.
    static auto* const shared = new CGlyphMasks(sharedBudget);
    return *shared;
}

const std::vector<CGlyphMasks::Run>* CGlyphMasks::Find(const LOGFONT& font, const QString& text, int escapement)
{
    const QByteArray key = KeyOf(font, text, escapement);
    if (const auto found = m_index.constFind(key); found != m_index.constEnd()) {
        m_entries.splice(m_entries.begin(), m_entries, *found);
        return m_entries.front().drawable ? &m_entries.front().runs : nullptr;
    }
    Entry entry{key, {}, false};
    // The font's box for the glyph is a guess at its pixels; a glyph that
    // still touches its square's edge is drawn again in one twice as large.
    for (int reach = ReachOf(font, text); reach <= maximumReach; reach *= 2) {
        if (Draw(font, text, escapement, reach, entry.runs)) {
            entry.drawable = true;
            break;
        }
    }
    if (!entry.drawable)
        entry.runs = std::vector<Run>();
    const std::size_t bytes = BytesOf(entry);
    if (bytes > m_budget)
        return nullptr;
    MakeRoom(bytes);
    m_entries.push_front(std::move(entry));
    m_index.insert(key, m_entries.begin());
    m_heldBytes += bytes;
    return m_entries.front().drawable ? &m_entries.front().runs : nullptr;
}

int CGlyphMasks::ReachOf(const LOGFONT& font, const QString& text)
{
    const QFontMetrics fm(FontMapper::Map(font));
    const QRect ink = fm.boundingRect(text).translated(-(fm.horizontalAdvance(text) / 2), 0);
    const double x = std::max(std::abs(double(ink.left())), std::abs(double(ink.right()) + 1));
    const double y = std::max(std::abs(double(ink.top())), std::abs(double(ink.bottom()) + 1));
    // Hinting and the engine's rounding may stray a little past the box.
    const double reach = std::hypot(x, y) + 4 + (fm.ascent() + fm.descent()) / 8.0;
    return int(std::clamp(std::ceil(reach), 8.0, double(maximumReach) + 1));
}

bool CGlyphMasks::Draw(const LOGFONT& font, const QString& text, int escapement, int reach, std::vector<Run>& runs)
{
    runs.clear();
    const int side = 2 * reach + 1;
    QImage square(side, side, QImage::Format_ARGB32);
    if (square.isNull())
        return false;
    square.fill(Qt::transparent);
    {
        // As a text object draws its band: no antialiasing, a solid pen.
        QPainter painter(&square);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(255, 255, 255));
        painter.setBrush(Qt::NoBrush);
        const QFont qfont = FontMapper::Map(font);
        painter.setFont(qfont);
        CTextLayout::DrawGlyph(painter, QFontMetrics(qfont), QPoint(reach, reach), escapement, text);
    }
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(square.constScanLine(y));
        int x = 0;
        for (int start; (start = TextPainting::NextOpaqueRun(row, side, x, &x)) < side;) {
            if (y == 0 || y == side - 1 || start == 0 || x == side)
                return false;
            runs.push_back({y - reach, start - reach, x - start});
        }
    }
    runs.shrink_to_fit();
    return true;
}

std::size_t CGlyphMasks::BytesOf(const Entry& entry)
{
    // The entry, its key and its runs, with the list's and index's nodes.
    return sizeof(Entry) + 64 + 2 * std::size_t(entry.key.size()) + entry.runs.capacity() * sizeof(Run);
}

void CGlyphMasks::MakeRoom(std::size_t bytes)
{
    while (!m_entries.empty() && m_heldBytes + bytes > m_budget) {
        m_heldBytes -= BytesOf(m_entries.back());
        m_index.remove(m_entries.back().key);
        m_entries.pop_back();
    }
}

void CGlyphMasks::Paste(QImage& plate, const QRect& area, QPoint at, const std::vector<Run>& runs,
                        const std::uint8_t bgr[3])
{
    for (const Run& run : runs) {
        const int y = at.y() + run.y;
        int from, to;
        if (!TextPainting::ClipRun(area, y, at.x() + run.x, run.length, &from, &to))
            continue;
        std::uint8_t* out = plate.scanLine(y) + 3 * std::size_t(from);
        for (int x = from; x <= to; ++x, out += 3) {
            out[0] = bgr[0];
            out[1] = bgr[1];
            out[2] = bgr[2];
        }
    }
}
