#pragma once

#include "platform/CEngraverAdjustments.h"

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

// The engraver's properties: its three image adjustments, gamma shown as
// the real number people know rather than the driver's code.
class CEngraverPropertiesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CEngraverPropertiesDlg(const CEngraverAdjustments& adjustments, QWidget* parent = nullptr);

    // What the fields hold now; meant for after OK.
    CEngraverAdjustments Adjustments() const;

private:
    void BuildLayout();

    CEngraverAdjustments m_initial;
    QSpinBox* m_pBrightness;
    QSpinBox* m_pContrast;
    QDoubleSpinBox* m_pGamma;
};
