#pragma once

#include "CLengthField.h"

#include "imaging/ColorRef.h"

#include <QList>
#include <QRect>

// What the pen dialog does with its values: the width in 0.01 mm between
// its edit and its track bar, the colour, and the preview of one dot.
class CPenSetupRules
{
public:
    static constexpr int minimumWidth = 1;     // 0.01 mm
    static constexpr int maximumWidth = 2000;  // 20 mm
    static constexpr int trackMaximum = maximumWidth - 1;

    struct Pen
    {
        int width = 1; // 0.01 mm
        COLORREF color = 0;
        friend bool operator==(const Pen&, const Pen&) = default;
    };

    // What the preview paints: a square for the thinnest pens, else a disc.
    struct PreviewShape
    {
        QRect bounds;
        bool disc = false;
    };

    CPenSetupRules(int unit, const Pen& pen);

    Pen Result() const { return {m_width.Value(), m_crColor}; }
    COLORREF Color() const { return m_crColor; }
    void SetColor(COLORREF color) { m_crColor = color; }

    // The track bar stands at width - 1 and gives width = position + 1.
    int TrackPosition() const;
    void SetTrackPosition(int position);

    QString WidthText() const { return m_width.Text(); }
    QString UnitName() const { return m_width.Format().UnitName(); }
    // A width typed, when the field is left or the dialog confirmed: an
    // empty answer when kept, else the message refusing it (the old width
    // stays).
    QString AcceptWidthText(const QString& text);

    // frame: the preview frame's rectangle. Painting is clipped to
    // PreviewClip(); the widest pen fills it.
    static PreviewShape Preview(const QRect& frame, int width);
    static QRect PreviewClip(const QRect& frame) { return frame.adjusted(1, 1, -1, -1); }
    // The filled shape as one rectangle per pixel row. The disc is worked
    // out here rather than left to the painter's ellipse, whose aliased
    // edge leaves the outermost rows out and would not reach the frame.
    static QList<QRect> PreviewRows(const PreviewShape& shape);

private:
    CLengthField m_width;
    COLORREF m_crColor;
};
