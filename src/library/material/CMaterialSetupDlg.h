#pragma once

#include "CMaterialSetupRules.h"

#include "view/controls/CBaseDlg.h"

#include <functional>

class CMaterialPreviewFrame;
class QAbstractButton;
class QButtonGroup;
class QLayout;
class QLineEdit;
class QPushButton;

// "Material Setup": the plate's width and height, and its outline, one of
// the three built-in shapes or a material from the library.
class CMaterialSetupDlg : public CBaseDlg
{
    Q_OBJECT

public:
    // The library window's answer: the chosen material's file, or an empty
    // string when it was cancelled.
    using LibraryChooser = std::function<QString(QWidget* parent)>;

    static constexpr int rectangleButton = 1100;
    static constexpr int diamondButton = 1101;
    static constexpr int ellipseButton = 1102;
    static constexpr int otherButton = 1097;
    static constexpr int previewFrame = 1098;
    static constexpr int sizeGroup = 1008;

    CMaterialSetupDlg(int unit, const MaterialChoice& start, CSize maximum, LibraryChooser chooseLibrary,
                      QWidget* parent = nullptr);

    MaterialChoice Result() const { return m_rules.Result(); }
    const CMaterialSetupRules& Rules() const { return m_rules; }

public slots:
    void accept() override;

private:
    void BuildLayout();
    QLayout* BuildShapeRow();
    void ShowValues();
    // Takes the typed sizes, or refuses them with the range message.
    bool TakeSizes();
    void OnShapeClicked(int shape);
    void OnOther();
    void OnSizeEdited();
    void UpdatePreview();

    CMaterialSetupRules m_rules;
    LibraryChooser m_chooseLibrary;
    QLineEdit* m_pWidth;
    QLineEdit* m_pHeight;
    QButtonGroup* m_pShapes;
    QPushButton* m_pOther;
    CMaterialPreviewFrame* m_pPreview;
};
