#pragma once

#include "CTrimmingRules.h"

#include "view/controls/CBaseDlg.h"
#include "view/settings/CLengthField.h"

class CDibImage;
class CTrimArea;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// "Trimming Picture": which part of the full-resolution picture to keep
// (all of it, its natural size, or a free rectangle) and how large it is to
// be on the plate. Hands back the mode, the rectangle and the size.
class CTrimmingDlg : public CBaseDlg
{
    Q_OBJECT

public:
    // The picture area's size: room for a picture of the common shapes.
    static constexpr int areaWidth = 420;
    static constexpr int areaHeight = 320;

    // picture: the full-resolution picture (24 bits); printable: W0 x H0 in
    // 0.01 mm; storedMode/storedRect: what the object kept from last time.
    CTrimmingDlg(int unit, const CDibImage& picture, int resolution, CSize printable, int storedMode,
                 const CRect& storedRect, QWidget* parent = nullptr);

    // False when the dialog cannot work (no picture or printable area).
    bool IsUsable() const { return m_bUsable; }
    const CTrimmingRules& Rules() const { return m_rules; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ShowValues();
    void OnModeChosen(int mode);
    void OnKeepAspect(bool keep);
    // A typed width or height, taken when its edit loses the focus.
    void TakeEdit(QLineEdit* edit);
    bool ReadValues();

    CTrimmingRules m_rules;
    bool m_bUsable = false;
    CLengthField m_width;
    CLengthField m_height;
    QButtonGroup* m_pModes;
    QCheckBox* m_pKeepAspect;
    QLineEdit* m_pWidth;
    QLineEdit* m_pHeight;
    QGroupBox* m_pSize;
    CTrimArea* m_pArea;
};
