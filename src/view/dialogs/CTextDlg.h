#pragma once

#include "CTextPropDlg.h"

class CFreeTextObj;

// "Text": a horizontal text's properties, on the caller's working copy.
class CTextDlg : public CTextPropDlg
{
    Q_OBJECT

public:
    CTextDlg(CFreeTextObj& copy, int unit, QWidget* parent = nullptr);

protected:
    void ReadExtraFields(CTextPropRules::Fields& fields) const override;
    void ShowExtraFields(const CTextPropRules::Fields& fields) override;
    bool IsFan() const override { return false; }

private:
    QLineEdit* m_pWidth = nullptr;
};
