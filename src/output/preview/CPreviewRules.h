#pragma once

#include "platform/CEngraverAdjustments.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"

#include <QString>

// What the preview dialog does with its values: the engraver's three
// adjustments between their edits and scroll bars, and the zoom with the
// scroll positions that follow from it. Nothing here shows a window.
class CPreviewRules
{
public:
    static constexpr int adjustmentMinimum = -50;
    static constexpr int adjustmentMaximum = 50;
    static constexpr int gammaMinimum = -900;
    static constexpr int gammaMaximum = 899;
    static constexpr int standardGamma = -500;
    static constexpr int editMaxChars = 4;

    // How a scroll bar was moved; Track carries the thumb's position.
    enum class BarMove { LineLeft, LineRight, PageLeft, PageRight, Track, Left, Right };

    // zoomSetting: the stored zoom, anything but 1, 2 or 4 read as 1.
    explicit CPreviewRules(int zoomSetting = 1);

    const CEngraverAdjustments& Values() const { return m_values; }
    // Pulled into the driver's ranges.
    void SetValues(const CEngraverAdjustments& values) { m_values = values.Clamped(); }
    // Gamma 0.5, brightness and contrast neutral: what the engraver is made for.
    void SetStandard() { m_values = {0, 0, standardGamma}; }

    void MoveBrightness(BarMove move, int trackPosition = 0);
    void MoveContrast(BarMove move, int trackPosition = 0);
    void MoveGamma(BarMove move, int trackPosition = 0);
    static int StepAdjustment(int value, BarMove move, int trackPosition);
    static int StepGamma(int code, BarMove move, int trackPosition);

    // What a user typed; whatever cannot be read counts as 0.
    void TypeBrightness(const QString& text) { m_values.brightness = ParseAdjustment(text); }
    void TypeContrast(const QString& text) { m_values.contrast = ParseAdjustment(text); }
    void TypeGamma(const QString& text) { m_values.gamma = ParseGamma(text); }
    static int ParseAdjustment(const QString& text);
    static int ParseGamma(const QString& text);

    static QString AdjustmentText(int value) { return QString::number(value); }
    // As people read gamma: -500 is "0.5", 100 is "2".
    static QString GammaText(int code);

    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom) { m_zoom = ZoomFromSetting(zoom); }
    static int ZoomFromSetting(int setting);
    // The zoom list holds 100 %, 200 % and 400 % in this order.
    static int ZoomAtIndex(int index) { return index >= 0 && index <= 2 ? 1 << index : 1; }
    static int IndexOfZoom(int zoom);

    // Where to scroll after the zoom changed so that the same device point
    // stays at the window's top-left.
    static CPoint ZoomedScrollPosition(CPoint position, int oldZoom, int newZoom);
    // Where a picture smaller than the window starts, so that it sits in
    // the middle; 0 on an axis it fills.
    static CPoint CentringOffset(CSize client, CSize total);
    // The scroll position that puts the picture's centre in the window's.
    static CPoint CentredScrollPosition(CSize client, CSize total);

private:
    CEngraverAdjustments m_values;
    int m_zoom = 1;
};
