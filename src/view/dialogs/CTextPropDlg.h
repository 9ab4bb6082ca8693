#pragma once

#include "CTextPropRules.h"

#include "view/controls/CBaseDlg.h"

#include <memory>

class CGreyColorButton;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the Text and Fan Text dialogs share: the text and its font and
// colours, position, height, angle, the switches and the rotation picture.
// They edit a working copy that the caller takes over on OK.
class CTextPropDlg : public CBaseDlg
{
    Q_OBJECT

public:
    ~CTextPropDlg() override;

    CTextPropRules& Rules() { return *m_pRules; }

public slots:
    // Takes the fields; a field that is not a number keeps the dialog open.
    void accept() override;

protected:
    CTextPropDlg(std::unique_ptr<CTextPropRules> rules, int unit, QWidget* parent);

    // Rows the derived dialogs add their own fields to.
    QGridLayout* SizeGrid() const { return m_pSizeGrid; }
    QGridLayout* RotationGrid() const { return m_pRotationGrid; }
    // Called by the derived constructor once its controls exist.
    void Initialise();

    virtual void ReadExtraFields(CTextPropRules::Fields& fields) const = 0;
    virtual void ShowExtraFields(const CTextPropRules::Fields& fields) = 0;
    virtual bool IsFan() const = 0;
    // Takes the fields quietly and brings the picture and the enabled
    // states up to date (after a switch).
    void OnSwitch();

private:
    QWidget* BuildTextRow();
    QWidget* BuildSizeGroup();
    QWidget* BuildRotationGroup();
    QWidget* BuildBackgroundRow();
    CTextPropRules::Fields Fields() const;
    void ShowFields();
    void RefreshStates();
    void OnTextEdited(const QString& text);
    void OnChangeFont();
    void OnFontColor();
    void OnBackColor();

    std::unique_ptr<CTextPropRules> m_pRules;
    QLineEdit* m_pText = nullptr;
    QLabel* m_pFontName = nullptr;
    QPushButton* m_pChangeFont = nullptr;
    CGreyColorButton* m_pFontColor = nullptr;
    QLineEdit* m_pX = nullptr;
    QLineEdit* m_pY = nullptr;
    QLineEdit* m_pHeight = nullptr;
    QLineEdit* m_pAngle = nullptr;
    QCheckBox* m_pRotate = nullptr;
    QLabel* m_pIcon = nullptr;
    QCheckBox* m_pFill = nullptr;
    CGreyColorButton* m_pBackColor = nullptr;
    QGridLayout* m_pSizeGrid = nullptr;
    QGridLayout* m_pRotationGrid = nullptr;
};
