#pragma once

#include "view/controls/CBaseDlg.h"
#include "CPreferencesRules.h"

#include <array>

class CColorButton;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Preferences": the default text font, zoom and unit, and behind
// "Advanced..." the margins, preview and outside colours, the undo depth
// and (with Shift and Ctrl held) the image plug-in folder. Works on a copy
// of the text defaults record and hands it back.
class CPreferencesDlg : public CBaseDlg
{
    Q_OBJECT

public:
    CPreferencesDlg(int unit, const CTextDefaults& record, COLORREF systemWindowColor, QWidget* parent = nullptr);

    CTextDefaults Result() const { return m_rules.Result(); }
    int Level() const { return m_rules.Level(); }
    // The controls of one disclosure level, and the separator ending it.
    QWidget* Section(int level) const { return m_sections[level]; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGeneralSection();
    QWidget* BuildAdvancedSection();
    QWidget* BuildFolderSection();
    QWidget* BuildButtons();
    QGroupBox* BuildPreviewGroup(QWidget* parent);
    QGroupBox* BuildBackgroundGroup(QWidget* parent);
    void Connect();

    void Refresh();
    void RefreshColors();
    void ApplyLevel();
    void OnAdvancedToggled(bool on);
    void OnChangeFont();
    void OnBrowseFolder();
    void OnReset();

    CPreferencesRules m_rules;
    std::array<QWidget*, 3> m_sections{};
    std::array<QFrame*, 3> m_separators{};
    QLabel* m_pFaceName = nullptr;
    QPushButton* m_pChangeFont = nullptr;
    QLineEdit* m_pZoom = nullptr;
    QLineEdit* m_pAutosave = nullptr;
    QButtonGroup* m_pUnits = nullptr;
    QLineEdit* m_pMarginX = nullptr;
    QLineEdit* m_pMarginY = nullptr;
    QButtonGroup* m_pPresets = nullptr;
    CColorButton* m_pPreviewOff = nullptr;
    CColorButton* m_pPreviewOn = nullptr;
    QCheckBox* m_pSystemColor = nullptr;
    CColorButton* m_pOutside = nullptr;
    QLineEdit* m_pUndo = nullptr;
    QLineEdit* m_pFolder = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QPushButton* m_pReset = nullptr;
    QPushButton* m_pAdvanced = nullptr;
    // The keys held when "Advanced..." was last pressed or released.
    Qt::KeyboardModifiers m_advancedModifiers;
    bool m_bAdvancedModifiersKnown = false;
};
