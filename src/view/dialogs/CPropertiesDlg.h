#pragma once

#include "CPropertiesRules.h"

#include "view/controls/CBaseDlg.h"

class CSymbolObj;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// "Properties": position and size of a picture, frame or symbol, with
// Keep Aspect and a preview. The object changes only on OK.
class CPropertiesDlg : public CBaseDlg
{
    Q_OBJECT

public:
    static constexpr int previewSide = 96;

    CPropertiesDlg(CSymbolObj& object, int unit, QWidget* parent = nullptr);
    ~CPropertiesDlg() override;

    const QImage& Preview() const { return m_preview; }

public slots:
    // Takes the fields; a refused one keeps the dialog open.
    void accept() override;

private:
    QGroupBox* BuildPosition();
    QGroupBox* BuildSize();
    void BuildPreview();
    void ShowFields();
    CPropertiesRules::Fields Fields() const;
    void OnWidthFinished();
    void OnHeightFinished();
    void OnKeepAspect(bool on);

    CSymbolObj& m_object;
    CPropertiesRules m_rules;
    QLineEdit* m_pX = nullptr;
    QLineEdit* m_pY = nullptr;
    QLineEdit* m_pWidth = nullptr;
    QLineEdit* m_pHeight = nullptr;
    QCheckBox* m_pKeepAspect = nullptr;
    QLabel* m_pPreview = nullptr;
    QImage m_preview;
};
