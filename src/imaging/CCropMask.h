#pragma once

#include "CDibImage.h"

#include "platform/CPoint.h"

#include <QByteArray>

#include <deque>

class QPainter;

// A 1-bit mask over a 24-bit picture that marks what to cut away: painted
// with a pen, or grown from a seed by colour tolerance, with undo and redo;
// on applying, marked pixels take the transparent key colour.
class CCropMask
{
public:
    static constexpr int maxHistory = 1000;

    bool Init(CDibImage* source);
    // The picture with the marked pixels in colour, stretched by zoom percent.
    void Show(QPainter& painter, int zoomPercent, CPoint at, COLORREF colour) const;
    // Marks the connected pixels whose luma is within tolerance of the seed's.
    void FillSelect(CPoint seed, int tolerance);
    void PenStroke(CPoint point, int width, bool erase, bool continuing);
    void Undo();
    void Redo();
    void ApplyMask();

    bool IsMarked(int x, int y) const;
    int UndoCount() const { return int(m_undo.size()); }
    int RedoCount() const { return int(m_redo.size()); }
    const CDibImage& Mask() const { return m_mask; }

    COLORREF m_crMasked = transparentKey;

private:
    // The work image: 255 where the colour is beyond the tolerance or the
    // pixel is marked already, 0 where a fill may spread.
    void BuildBoundaries(int seedLuma, int tolerance);
    void PushUndo();
    QByteArray Snapshot() const;
    bool Restore(const QByteArray& snapshot);
    void SetMarked(int x, int y);
    static void Keep(std::deque<QByteArray>& list, QByteArray blob);

    CDibImage* m_pSource = nullptr;
    CDibImage m_mask;
    CDibImage m_work;
    CDibImage m_maskLocked;
    std::deque<QByteArray> m_undo, m_redo;
    CPoint m_ptLast;
};
