#pragma once

#include "view/controls/CBaseDlg.h"
#include "CPenSetupRules.h"

class CGreyColorButton;
class CPenPreviewFrame;
class QLabel;
class QLineEdit;
class QSlider;

// "Pen Setup": the width and colour of the drawing pen and the fill tool.
class CPenSetupDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CPenSetupDlg(int unit, const CPenSetupRules::Pen& pen, QWidget* parent = nullptr);

    CPenSetupRules::Pen Result() const { return m_rules.Result(); }

    CGreyColorButton* ColorButton() const { return m_pColor; }
    QSlider* WidthTrack() const { return m_pTrack; }
    QLineEdit* WidthEdit() const { return m_pWidth; }
    CPenPreviewFrame* Preview() const { return m_pPreview; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void OnTrackMoved(int position);
    void OnWidthLeft();
    void OnColorChanged(COLORREF color);
    void ShowWidth();

    CPenSetupRules m_rules;
    CGreyColorButton* m_pColor;
    QSlider* m_pTrack;
    QLineEdit* m_pWidth;
    QLabel* m_pUnit;
    CPenPreviewFrame* m_pPreview;
};
