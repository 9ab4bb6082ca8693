#pragma once

#include "platform/LOGFONT.h"

#include <QByteArray>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

class QImage;

// The pixels of single glyphs as the text engine draws them without
// antialiasing, each kept once per font, character and escapement as runs
// along its rows around the glyph's baseline point. A batch of plates draws
// the same few characters on every record: pasting the runs of a glyph
// drawn before costs a copy per run instead of its outline rasterised again.
//
// The runs are the same pixels as drawing the glyph at that point: a glyph
// is only ever moved by whole pixels, and the engine's rasterisation does
// not depend on where the glyph stands. What the masks hold together is
// bounded; the least recently used go first.
class CGlyphMasks
{
public:
    struct Run
    {
        int y;
        int x;
        int length;
    };

    explicit CGlyphMasks(std::size_t budgetBytes);

    // The one the text objects share (a few megabytes).
    static CGlyphMasks& Shared();

    // The runs of `text` drawn at the origin turned by `escapement` (tenths
    // of a degree); null when the glyph is too large to keep, which leaves
    // drawing it to the caller.
    const std::vector<Run>* Find(const LOGFONT& font, const QString& text, int escapement);

    // Paints the runs with the glyph's baseline point at `at`, inside `area`
    // of a 24-bit B,G,R plate.
    static void Paste(QImage& plate, const QRect& area, QPoint at, const std::vector<Run>& runs, const std::uint8_t bgr[3]);

    std::size_t HeldBytes() const { return m_heldBytes; }
    std::size_t Count() const { return m_entries.size(); }

private:
    struct Entry
    {
        QByteArray key;
        std::vector<Run> runs;
        bool drawable = true;
    };

    // Draws the glyph into a square of side 2 * reach + 1 centred on its
    // point; false when its pixels reach the square's edge.
    static bool Draw(const LOGFONT& font, const QString& text, int escapement, int reach, std::vector<Run>& runs);
    static int ReachOf(const LOGFONT& font, const QString& text);
    static std::size_t BytesOf(const Entry& entry);
    void MakeRoom(std::size_t bytes);

    std::size_t m_budget;
    std::size_t m_heldBytes = 0;
    std::list<Entry> m_entries; // the most recently used first
    QHash<QByteArray, std::list<Entry>::iterator> m_index;
};
