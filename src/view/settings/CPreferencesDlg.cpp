#include "CPreferencesDlg.h"

#include "view/DialogFont.h"

#include "view/controls/CColorButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

template <class Widget>
Widget* Named(Widget* widget, const char* id)
{
    widget->setObjectName(QLatin1String(id));
    return widget;
}

// A typed number between its label and its unit.
QHBoxLayout* FieldRow(QLabel* label, QLineEdit* field, QLabel* unit)
{
    label->setBuddy(field);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(field);
    row->addWidget(unit);
    return row;
}

QFrame* Separator(QWidget* parent, const char* id)
{
    auto* line = Named(new QFrame(parent), id);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

CColorButton* SwatchButton(QWidget* parent, const char* id)
{
    auto* button = Named(new CColorButton(parent), id);
    // The colour stays readable while it cannot be changed.
    button->SetKeepSwatchWhenDisabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button, &CColorButton::Choose);
    return button;
}

void ShowColor(CColorButton* button, COLORREF color)
{
    const QSignalBlocker blocker(button);
    button->SetColor(color);
}

} // namespace

CPreferencesDlg::CPreferencesDlg(int unit, const CTextDefaults& record, COLORREF systemWindowColor, QWidget* parent)
    : CBaseDlg(unit, parent), m_rules(unit, record, systemWindowColor)
{
    setWindowTitle(tr("Preferences"));
    auto* sections = new QVBoxLayout;
    sections->setContentsMargins(0, 0, 0, 0);
    const std::array<QWidget*, 3> built{BuildGeneralSection(), BuildAdvancedSection(), BuildFolderSection()};
    const char* const separatorIds[] = {"1065", "1066", "1070"};
    for (int level = 0; level < 3; ++level) {
        m_sections[level] = built[level];
        m_separators[level] = Separator(this, separatorIds[level]);
        sections->addWidget(m_sections[level]);
        sections->addWidget(m_separators[level]);
    }
    sections->addStretch(1);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(sections, 1);
    whole->addWidget(BuildButtons(), 0, Qt::AlignTop);
    // The window's height follows the sections shown.
    whole->setSizeConstraint(QLayout::SetFixedSize);
    Connect();
    Refresh();
}

QWidget* CPreferencesDlg::BuildGeneralSection()
{
    auto* section = new QWidget(this);
    auto* font = new QGroupBox(tr("Font"), section);
    m_pChangeFont = Named(new QPushButton(tr("&Change..."), font), "1063");
    m_pFaceName = Named(new QLabel(font), "1069");
    auto* fontRow = new QHBoxLayout(font);
    fontRow->addWidget(m_pFaceName, 1);
    fontRow->addWidget(m_pChangeFont);

    m_pZoom = Named(new QLineEdit(section), "1060");
    QHBoxLayout* zoomRow = FieldRow(new QLabel(tr("&Zoom"), section), m_pZoom, new QLabel(QStringLiteral("%"), section));


    // A row of its own, no wider than the rows above: the dialog keeps its width.
    m_pAutosave = Named(new QLineEdit(section), "autosave");
    m_pAutosave->setMaximumWidth(m_pAutosave->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    QHBoxLayout* autosaveRow = FieldRow(new QLabel(tr("Autosave &every"), section), m_pAutosave,
                                        new QLabel(tr("minutes (0: off)"), section));
    autosaveRow->addStretch(1);

    auto* unit = new QGroupBox(tr("Unit"), section);
    auto* unitRow = new QHBoxLayout(unit);
    m_pUnits = new QButtonGroup(this);
    const char* const ids[] = {"1057", "1058", "1059"};
    const QString names[] = {tr("&System"), tr("&Millimeter"), tr("&Inch")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Named(new QRadioButton(names[i], unit), ids[i]);
        m_pUnits->addButton(radio, i);
        unitRow->addWidget(radio);
    }

    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(font);
    column->addLayout(zoomRow);
    column->addWidget(unit);
    column->addLayout(autosaveRow);
    return section;
}

QWidget* CPreferencesDlg::BuildAdvancedSection()
{
    auto* section = new QWidget(this);
    auto* margin = new QGroupBox(m_rules.InchUnit() ? tr("Margin (inch)") : tr("Margin (mm)"), section);
    m_pMarginX = Named(new QLineEdit(margin), "1131");
    m_pMarginY = Named(new QLineEdit(margin), "1132");
    LimitLengthEdits({m_pMarginX, m_pMarginY});
    auto* margins = new QFormLayout(margin);
    margins->addRow(tr("Hori&zontal"), m_pMarginX);
    margins->addRow(tr("Ve&rtical"), m_pMarginY);

    m_pUndo = Named(new QLineEdit(section), "1053");
    auto* undo = new QFormLayout;
    undo->addRow(tr("U&ndo Count"), m_pUndo);

    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(margin);
    column->addWidget(BuildPreviewGroup(section));
    column->addWidget(BuildBackgroundGroup(section));
    column->addLayout(undo);
    return section;
}

QGroupBox* CPreferencesDlg::BuildPreviewGroup(QWidget* parent)
{
    auto* group = new QGroupBox(tr("Preview color"), parent);
    m_pPresets = new QButtonGroup(this);
    auto* choices = new QVBoxLayout;
    const char* const ids[] = {"1092", "1093", "1094"};
    const QString names[] = {tr("Color&1"), tr("Color&2"), tr("&User defined")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Named(new QRadioButton(names[i], group), ids[i]);
        m_pPresets->addButton(radio, i);
        choices->addWidget(radio);
    }
    m_pPreviewOff = SwatchButton(group, "1095");
    m_pPreviewOn = SwatchButton(group, "1096");
    auto* swatches = new QFormLayout;
    swatches->addRow(tr("Off"), m_pPreviewOff);
    swatches->addRow(tr("On"), m_pPreviewOn);
    auto* row = new QHBoxLayout(group);
    row->addLayout(choices);
    row->addLayout(swatches);
    return group;
}

QGroupBox* CPreferencesDlg::BuildBackgroundGroup(QWidget* parent)
{
    auto* group = new QGroupBox(tr("Background Color"), parent);
    m_pSystemColor = Named(new QCheckBox(tr("Use S&ystem Color"), group), "1064");
    m_pOutside = SwatchButton(group, "1055");
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_pSystemColor);
    row->addWidget(m_pOutside);
    return group;
}

QWidget* CPreferencesDlg::BuildFolderSection()
{
    auto* section = new QGroupBox(tr("Folder"), this);
    auto* rows = new QGridLayout(section);
    const QString names[] = {tr("Material"), tr("Frame"), tr("Symbol"), tr("SPI")};
    const char* const fieldIds[] = {"1071", "1072", "1073", "1074"};
    const char* const buttonIds[] = {"1075", "1076", "1077", "1078"};
    for (int row = 0; row < 4; ++row) {
        auto* field = Named(new QLineEdit(section), fieldIds[row]);
        auto* browse = Named(new QPushButton(QStringLiteral("..."), section), buttonIds[row]);
        rows->addWidget(new QLabel(names[row], section), row, 0);
        rows->addWidget(field, row, 1);
        rows->addWidget(browse, row, 2);
        // The library folders follow the data folder; only the plug-in
        // folder is the user's to choose.
        const bool pluginRow = row == 3;
        field->setEnabled(pluginRow);
        browse->setEnabled(pluginRow);
        if (pluginRow) {
            m_pFolder = field;
            m_pBrowse = browse;
        }
    }
    return section;
}

QWidget* CPreferencesDlg::BuildButtons()
{
    auto* box = new QWidget(this);
    auto* ok = new QPushButton(tr("OK"), box);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), box);
    m_pReset = Named(new QPushButton(tr("Reset &Default"), box), "1061");
    m_pAdvanced = Named(new QPushButton(tr("&Advanced..."), box), "1144");
    m_pAdvanced->setCheckable(true);
    m_pAdvanced->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, &CPreferencesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CPreferencesDlg::reject);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {ok, cancel, m_pReset, m_pAdvanced})
        column->addWidget(button);
    return box;
}

void CPreferencesDlg::Connect()
{
    connect(m_pChangeFont, &QPushButton::clicked, this, &CPreferencesDlg::OnChangeFont);
    connect(m_pBrowse, &QPushButton::clicked, this, &CPreferencesDlg::OnBrowseFolder);
    connect(m_pReset, &QPushButton::clicked, this, &CPreferencesDlg::OnReset);
    connect(m_pAdvanced, &QPushButton::toggled, this, &CPreferencesDlg::OnAdvancedToggled);
    // Toggles, not clicks: arrow keys move the choice too.
    connect(m_pUnits, &QButtonGroup::idToggled, this, [this](int unit, bool on) {
        if (on)
            m_rules.SetUnitSetting(unit);
    });
    connect(m_pPresets, &QButtonGroup::idToggled, this, [this](int preset, bool on) {
        if (!on)
            return;
        m_rules.ChoosePreview(CPreferencesRules::Preset(preset));
        RefreshColors();
    });
    for (CColorButton* button : {m_pPreviewOff, m_pPreviewOn}) {
        connect(button, &CColorButton::colorChanged, this,
                [this] { m_rules.SetPreviewColors(m_pPreviewOff->Color(), m_pPreviewOn->Color()); });
    }
    connect(m_pSystemColor, &QCheckBox::toggled, this, [this](bool system) {
        m_rules.SetUsesSystemColor(system);
        RefreshColors();
    });
    connect(m_pOutside, &CColorButton::colorChanged, this, [this](COLORREF c) { m_rules.SetOutsideButtonColor(c); });
}

void CPreferencesDlg::Refresh()
{
    m_pFaceName->setText(m_rules.FaceName());
    m_pZoom->setText(m_rules.ZoomText());
    if (QAbstractButton* unit = m_pUnits->button(m_rules.UnitSetting()))
        unit->setChecked(true);
    m_pMarginX->setText(m_rules.MarginXText());
    m_pMarginY->setText(m_rules.MarginYText());
    m_pUndo->setText(m_rules.UndoText());
    m_pAutosave->setText(m_rules.AutosaveText());
    m_pFolder->setText(m_rules.Folder());
    RefreshColors();
}

void CPreferencesDlg::RefreshColors()
{
    {
        const QSignalBlocker blocker(m_pPresets);
        m_pPresets->button(m_rules.PreviewChoice())->setChecked(true);
    }
    ShowColor(m_pPreviewOff, m_rules.PreviewOffColor());
    ShowColor(m_pPreviewOn, m_rules.PreviewOnColor());
    {
        const QSignalBlocker blocker(m_pSystemColor);
        m_pSystemColor->setChecked(m_rules.UsesSystemColor());
    }
    ShowColor(m_pOutside, m_rules.OutsideButtonColor());
    ApplyLevel();
}

void CPreferencesDlg::ApplyLevel()
{
    for (int level = 0; level < 3; ++level) {
        const bool open = m_rules.SectionEnabled(level);
        m_sections[level]->setVisible(open);
        m_sections[level]->setEnabled(open);
        // The window ends at the top of the open level's separator.
        m_separators[level]->setVisible(m_rules.SectionEnabled(level + 1));
    }
    m_pPreviewOff->setEnabled(m_rules.PreviewButtonsEnabled());
    m_pPreviewOn->setEnabled(m_rules.PreviewButtonsEnabled());
    m_pOutside->setEnabled(m_rules.OutsideButtonEnabled());
}

bool CPreferencesDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The switch toggles as the click or key ends; the keys held then
    // decide how far it opens.
    if (watched == m_pAdvanced) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            m_advancedModifiers = static_cast<QInputEvent*>(event)->modifiers();
            m_bAdvancedModifiersKnown = true;
            break;
        default:
            break;
        }
    }
    return CBaseDlg::eventFilter(watched, event);
}

void CPreferencesDlg::OnAdvancedToggled(bool on)
{
    const Qt::KeyboardModifiers held =
        m_bAdvancedModifiersKnown ? m_advancedModifiers : QGuiApplication::queryKeyboardModifiers();
    m_bAdvancedModifiersKnown = false;
    const Qt::KeyboardModifiers both = Qt::ShiftModifier | Qt::ControlModifier;
    m_rules.SetAdvanced(on, (held & both) == both);
    ApplyLevel();
}

void CPreferencesDlg::OnChangeFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, DialogFont::ToDialogFont(m_rules.Font()), this, tr("Font"));
    if (!ok)
        return;
    m_rules.SetFont(DialogFont::FromDialogFont(chosen, m_rules.Font()));
    m_pFaceName->setText(m_rules.FaceName());
}

void CPreferencesDlg::OnBrowseFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("SPI") + tr(" Folder"), m_pFolder->text());
    if (!folder.isEmpty())
        m_pFolder->setText(QDir::toNativeSeparators(folder));
}

void CPreferencesDlg::OnReset()
{
    m_rules.ResetDefaults();
    Refresh();
}

void CPreferencesDlg::accept()
{
    const CPreferencesRules::Texts texts{m_pZoom->text(), m_pMarginX->text(), m_pMarginY->text(), m_pUndo->text(),
                                         m_pFolder->text(), m_pAutosave->text()};
    if (const auto refusal = m_rules.Accept(texts)) {
        QLineEdit* const fields[] = {m_pZoom, m_pMarginX, m_pMarginY, m_pUndo, m_pAutosave};
        Refuse(fields[refusal->field], refusal->message);
        return;
    }
    CBaseDlg::accept();
}
