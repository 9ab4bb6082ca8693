#pragma once

#include "imaging/ColorRef.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "view/controls/CFieldRefusal.h"
#include "view/settings/CIntegerField.h"

#include <QtGlobal>

#include <array>

// What the Crop Image dialog does with its values, without its widgets: the
// zoom steps and the fit zoom, where a picture smaller than the canvas sits,
// the tolerance that the slider and the wheel move, the pen diameter, and
// the colour marked pixels take when the user confirms.
class CCropRules
{
public:
    enum Tool { fillPaint, drawingPen, scroll, zoom };

    static constexpr std::array<int, 7> zoomSteps{25, 50, 100, 200, 400, 800, 1600};
    static constexpr int minimumTolerance = 0;
    static constexpr int maximumTolerance = 255;
    static constexpr int minimumPenDiameter = 1;
    static constexpr int maximumPenDiameter = 100;
    // The dialog's control numbers, which refusals name.
    static constexpr int toleranceField = 1146;
    static constexpr int penDiameterField = 1154;

    CCropRules(int tolerance, COLORREF clipColor);

    // The zoom (percent) at which the whole picture fits the canvas; at
    // least 1, so that a huge picture in a small window still shows.
    static int FitZoom(CSize canvas, CSize picture);
    static int OpeningZoom(int fitZoom);
    // One step up or down; beyond the last step only to a fit zoom that
    // lies further out, otherwise the zoom stays.
    static int ZoomIn(int zoom, int fitZoom);
    static int ZoomOut(int zoom, int fitZoom);
    static CSize ScaledSize(CSize picture, int zoom);
    // Where the scaled picture starts in the canvas: centred on each axis
    // where it is smaller, else at the origin.
    static CPoint CentringOffset(CSize canvas, CSize scaled);
    // The picture pixel under a point of the scrolled content.
    static CPoint PicturePoint(CPoint content, int zoom);

    int Tolerance() const { return m_tolerance.Value(); }
    void SetTolerance(int tolerance);
    // A wheel turn without Ctrl: each notch forward lowers the tolerance by
    // one, each notch back raises it.
    void TurnWheel(int notchesForward);
    QString ToleranceText() const { return m_tolerance.Text(); }
    int PenDiameter() const { return m_penDiameter.Value(); }
    QString PenDiameterText() const { return m_penDiameter.Text(); }

    // The two typed values, taken before a fill and on OK; field 0 when both
    // were taken, else the first field refused and why.
    CFieldRefusal TakeValues(const QString& toleranceText, const QString& penDiameterText);

    COLORREF ClipColor() const { return m_crClip; }
    void SetClipColor(COLORREF color) { m_crClip = color; }
    bool ClipColorMode() const { return m_bClipColorMode; }
    void ToggleClipColorMode() { m_bClipColorMode = !m_bClipColorMode; }
    // What marked pixels become: the transparent key, or in clip-colour
    // mode the clip colour itself.
    COLORREF MaskedColor() const { return m_bClipColorMode ? m_crClip : transparentKey; }
    // The hidden gesture that toggles the mode: a right double click with
    // Shift, Ctrl and the left button held.
    static bool IsClipColorGesture(Qt::MouseButton button, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers);

private:
    CIntegerField m_tolerance;
    CIntegerField m_penDiameter;
    COLORREF m_crClip;
    bool m_bClipColorMode = false;
};
