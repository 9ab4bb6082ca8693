#include "CTrimmingDlg.h"

#include "CTrimArea.h"

#include "imaging/CDibImage.h"
#include "imaging/DibStretcher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// 0.5 mm to 1000 mm.
constexpr int minimumLength = 50;
constexpr int maximumLength = 100000;

} // namespace

CTrimmingDlg::CTrimmingDlg(int unit, const CDibImage& picture, int resolution, CSize printable, int storedMode,
                           const CRect& storedRect, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_width(unit, minimumLength, maximumLength, printable.cx)
    , m_height(unit, minimumLength, maximumLength, printable.cy)
    , m_pModes(new QButtonGroup(this))
    , m_pKeepAspect(new QCheckBox(tr("&Keep Aspect"), this))
    , m_pWidth(new QLineEdit(this))
    , m_pHeight(new QLineEdit(this))
    , m_pSize(new QGroupBox(this))
    , m_pArea(new CTrimArea(m_rules, this))
{
    setWindowTitle(tr("Trimming Picture"));
    m_pArea->setFixedSize(areaWidth, areaHeight);
    m_pArea->setObjectName(QStringLiteral("1021"));
    const CTrimmingRules::Setup setup{{picture.Width(), picture.Height()}, resolution, printable,
                                      CTrimmingRules::Shrunk({0, 0, areaWidth, areaHeight}, 1), storedMode, storedRect};
    m_bUsable = !picture.IsEmpty() && m_rules.Open(setup);
    BuildLayout();
    if (!m_bUsable)
        return;
    const CRect display = m_rules.DisplayRect();
    const CRect whole{0, 0, display.Width(), display.Height()};
    m_pArea->SetPicture(DibStretcher::Stretch(picture, whole, {0, 0, picture.Width(), picture.Height()}, whole,
                                              StretchMode::Halftone));
    m_pArea->Refresh();
    m_pModes->button(m_rules.Mode())->setChecked(true);
    m_pKeepAspect->setChecked(m_rules.KeepAspect());
    ShowValues();
}

void CTrimmingDlg::BuildLayout()
{
    auto* modes = new QVBoxLayout;
    const char* texts[] = {QT_TR_NOOP("&All"), QT_TR_NOOP("&Same size"), QT_TR_NOOP("&Free")};
    for (int mode = CTrimmingRules::all; mode <= CTrimmingRules::free; ++mode) {
        auto* button = new QRadioButton(tr(texts[mode]), this);
        button->setObjectName(QString::number(1010 + mode));
        m_pModes->addButton(button, mode);
        modes->addWidget(button);
    }
    m_pKeepAspect->setObjectName(QStringLiteral("1003"));
    m_pWidth->setObjectName(QStringLiteral("1006"));
    m_pHeight->setObjectName(QStringLiteral("1007"));
    m_pSize->setObjectName(QStringLiteral("1008"));
    m_pSize->setTitle(UnitFormat().IsInch() ? tr("Size (inch)") : tr("Size (mm)"));
    LimitLengthEdits({m_pWidth, m_pHeight});
    auto* size = new QFormLayout(m_pSize);
    size->addRow(tr("&Width"), m_pWidth);
    size->addRow(tr("&Height"), m_pHeight);
    modes->addWidget(m_pKeepAspect);
    modes->addWidget(m_pSize);
    modes->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    modes->addWidget(buttons);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pArea, 0, 0);
    grid->addLayout(modes, 0, 1);

    connect(buttons, &QDialogButtonBox::accepted, this, &CTrimmingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTrimmingDlg::reject);
    connect(m_pModes, &QButtonGroup::idClicked, this, &CTrimmingDlg::OnModeChosen);
    connect(m_pKeepAspect, &QCheckBox::clicked, this, &CTrimmingDlg::OnKeepAspect);
    connect(m_pArea, &CTrimArea::trackerChanged, this, &CTrimmingDlg::ShowValues);
    m_pWidth->installEventFilter(this);
    m_pHeight->installEventFilter(this);
}

void CTrimmingDlg::ShowValues()
{
    m_width.SetValue(m_rules.Size().cx);
    m_height.SetValue(m_rules.Size().cy);
    m_pWidth->setText(m_width.Text());
    m_pHeight->setText(m_height.Text());
    const bool editable = m_rules.SizeEditable();
    m_pKeepAspect->setEnabled(editable);
    m_pWidth->setEnabled(editable);
    m_pHeight->setEnabled(editable);
}

void CTrimmingDlg::OnModeChosen(int mode)
{
    m_rules.ApplyMode(mode);
    m_pArea->Refresh();
    ShowValues();
}

void CTrimmingDlg::OnKeepAspect(bool keep)
{
    if (ReadValues() || !keep)
        m_rules.SetKeepAspect(keep);
    ShowValues();
}

bool CTrimmingDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_pWidth || watched == m_pHeight))
        TakeEdit(static_cast<QLineEdit*>(watched));
    return CBaseDlg::eventFilter(watched, event);
}

// Only with Keep Aspect does a typed side move the other; a value out of
// range waits for OK, which tells the user.
void CTrimmingDlg::TakeEdit(QLineEdit* edit)
{
    CLengthField& field = edit == m_pWidth ? m_width : m_height;
    const CLengthField::Reading reading = field.Read(edit->text());
    if (!reading.Ok() || !m_rules.KeepAspect())
        return;
    if (edit == m_pWidth)
        m_rules.SetWidth(reading.valueMm100);
    else
        m_rules.SetHeight(reading.valueMm100);
    ShowValues();
}

// Both edits as typed; the first refusal is told and keeps the dialog open.
bool CTrimmingDlg::ReadValues()
{
    for (QLineEdit* edit : {m_pWidth, m_pHeight}) {
        CLengthField& field = edit == m_pWidth ? m_width : m_height;
        const CLengthField::Reading reading = field.Read(edit->text());
        if (!reading.Ok()) {
            Refuse(edit, reading.refusal);
            return false;
        }
        field.SetValue(reading.valueMm100);
    }
    // With Keep Aspect each edit was taken as it lost the focus; without,
    // typed values stand as typed, kept within the printable area.
    if (m_rules.SizeEditable() && !m_rules.KeepAspect()) {
        m_rules.SetWidth(m_width.Value());
        m_rules.SetHeight(m_height.Value());
    }
    return true;
}

void CTrimmingDlg::accept()
{
    if (!ReadValues())
        return;
    CBaseDlg::accept();
}
