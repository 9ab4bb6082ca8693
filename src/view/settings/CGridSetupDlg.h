#pragma once

#include "view/controls/CBaseDlg.h"
#include "CGridSetupRules.h"

class CColorButton;
class QCheckBox;
class QLineEdit;

// "Grid Setup": the grid's intervals, colours and visibility.
class CGridSetupDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CGridSetupDlg(int unit, const GridSettings& grid, QWidget* parent = nullptr);

    GridSettings Result() const { return m_rules.Result(); }

    QLineEdit* HorizontalEdit() const { return m_pHorizontal; }
    QLineEdit* VerticalEdit() const { return m_pVertical; }
    QCheckBox* ShowGridCheck() const { return m_pShow; }
    CColorButton* GridColorButton() const { return m_pGridColor; }
    QCheckBox* CenterColorCheck() const { return m_pCenter; }
    CColorButton* CenterColorButton() const { return m_pCenterColor; }

public slots:
    void accept() override;

private:
    void BuildLayout();
    void OnCenterChecked(bool checked);

    CGridSetupRules m_rules;
    QLineEdit* m_pHorizontal;
    QLineEdit* m_pVertical;
    QCheckBox* m_pShow;
    CColorButton* m_pGridColor;
    QCheckBox* m_pCenter;
    CColorButton* m_pCenterColor;
};
