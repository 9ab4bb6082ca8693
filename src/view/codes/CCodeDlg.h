#pragma once

#include "CCodeRules.h"

#include "view/controls/CBaseDlg.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// Object > Insert > Code... and a code's properties: its kind, data,
// module size, error correction, quiet zone, text and colour, with the
// code drawn as the plate will engrave it and its size.
class CCodeDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CCodeDlg(const CCodeDefinition& definition, int dpi, int unit, CCodeRules::Encoder encoder, QWidget* parent = nullptr);

    const CCodeDefinition& Definition() const { return m_rules.Definition(); }
    // The modules of the code confirmed.
    const CCodeMatrix& Matrix() const { return m_matrix; }

    QComboBox* KindBox() const { return m_pKind; }
    QLineEdit* DataEdit() const { return m_pData; }
    QLineEdit* ModuleEdit() const { return m_pModule; }
    QComboBox* EccBox() const { return m_pEcc; }
    QCheckBox* QuietCheck() const { return m_pQuiet; }
    QCheckBox* TextCheck() const { return m_pText; }
    QComboBox* ColourBox() const { return m_pColour; }
    QLabel* Preview() const { return m_pPreview; }
    QLabel* SizeLabel() const { return m_pSize; }

public slots:
    void accept() override;

private:
    void BuildLayout();
    void ShowDefinition();
    void Connect();
    // Takes the fields and draws the preview anew.
    void Update();

    CCodeRules m_rules;
    CCodeMatrix m_matrix;
    QComboBox* m_pKind;
    QLineEdit* m_pData;
    QLineEdit* m_pModule;
    QComboBox* m_pEcc;
    QCheckBox* m_pQuiet;
    QCheckBox* m_pText;
    QComboBox* m_pColour;
    QLabel* m_pPreview;
    QLabel* m_pSize;
};
