#pragma once

#include "CCropRules.h"

#include "imaging/CCropMask.h"
#include "imaging/CDibImage.h"
#include "view/controls/CBaseDlg.h"

class CAppSettings;
class CColorButton;
class CCropCanvas;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QMouseEvent;
class QSlider;
class QWheelEvent;

// "Crop Image": the user marks the parts of a picture to cut away, by
// colour (Fill Paint) or by hand (Drawing Pen), on a copy of the picture.
// The caller's picture changes only through Result(), after OK.
class CCropImageDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CCropImageDlg(const CDibImage& picture, int tolerance, COLORREF clipColor, QWidget* parent = nullptr);

    // Opens the dialog on a picture with the remembered tolerance and clip
    // colour; on OK the picture is cut and both values are remembered.
    static bool Run(CDibImage& picture, CAppSettings& settings, QWidget* parent);

    // False when the picture cannot be edited (none, or no room for the
    // copy and its mask): the dialog is then not shown at all.
    bool IsReady() const { return m_bReady; }
    // The picture with the marked pixels cut away, handed over once: the
    // dialog keeps nothing of it afterwards.
    CDibImage Result();
    int Tolerance() const { return m_rules.Tolerance(); }
    COLORREF ClipColor() const { return m_rules.ClipColor(); }
    bool ClipColorMode() const { return m_rules.ClipColorMode(); }
    const CCropMask& Mask() const { return m_mask; }

    CCropCanvas* Canvas() const { return m_pCanvas; }
    QSlider* ToleranceSlider() const { return m_pSlider; }
    QLineEdit* ToleranceEdit() const { return m_pTolerance; }
    QLineEdit* PenDiameterEdit() const { return m_pPenDiameter; }
    CColorButton* ColorButton() const { return m_pColor; }
    QAbstractButton* ToolButton(CCropRules::Tool tool) const;
    CCropRules::Tool ActiveTool() const;

public slots:
    void accept() override;
    void Undo();
    void Redo();
    void FitToScreen();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildToolBox();
    void ConnectCanvas();
    void OnPressed(QMouseEvent* event);
    void OnMoved(QMouseEvent* event);
    void OnReleased(QMouseEvent* event);
    void OnDoubleClicked(QMouseEvent* event);
    void OnWheel(QWheelEvent* event);
    void OnSliderMoved(int position);
    void OnToleranceTyped(const QString& text);
    void OnColorChosen(COLORREF color);
    bool OnKey(QEvent* event);
    void FillAt(QPoint window);
    void Stroke(QPoint window, bool erase, bool continuing);
    void ZoomAt(QPoint window, bool in);
    void ShowTolerance();
    void UpdateCursor();
    void Repaint();

    CDibImage m_picture;
    CCropMask m_mask;
    CCropRules m_rules;
    bool m_bReady = false;
    bool m_bZoomSet = false;
    bool m_bControlScroll = false;
    bool m_bErasing = false;
    QPoint m_ptDragFrom;
    CPoint m_ptScrollFrom;
    CCropCanvas* m_pCanvas;
    QSlider* m_pSlider;
    QLineEdit* m_pTolerance;
    QLineEdit* m_pPenDiameter;
    CColorButton* m_pColor;
    QButtonGroup* m_pTools;
};
