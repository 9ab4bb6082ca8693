#pragma once

#include "CTextPropDlg.h"

class CArcTextObj;
class QCheckBox;

// "Fan Text": a fan text's properties, on the caller's working copy.
class CFanTextDlg : public CTextPropDlg
{
    Q_OBJECT

public:
    CFanTextDlg(CArcTextObj& copy, int unit, QWidget* parent = nullptr);

protected:
    void ReadExtraFields(CTextPropRules::Fields& fields) const override;
    void ShowExtraFields(const CTextPropRules::Fields& fields) override;
    bool IsFan() const override { return true; }

private:
    QLineEdit* m_pSpan = nullptr;
    QLineEdit* m_pRadius = nullptr;
    QCheckBox* m_pInvert = nullptr;
};
