#include "CTextBlockDlg.h"

#include "DialogControlIds.h"
#include "DialogSupport.h"

#include "objects/CTextObj.h"
#include "view/controls/CGreyColorButton.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ids = DialogControlIds;

CTextBlockDlg::CTextBlockDlg(CTextObj& copy, int unit, QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_rules(copy, unit)
{
    setWindowTitle(tr("Text Block"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildTextRow());
    auto* middle = new QHBoxLayout;
    middle->addWidget(DialogSupport::NewPositionGroup(this, tr("Position"), UnitFormat(), m_pX, m_pY));
    middle->addWidget(BuildSizeGroup());
    middle->addWidget(BuildMarginGroup());
    layout->addLayout(middle);
    layout->addWidget(BuildLookGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTextBlockDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTextBlockDlg::reject);
    layout->addWidget(buttons);

    m_rules.Open();
    m_pText->setPlainText(m_rules.Show().text);
    ShowFields();
    Connect();
}

CTextBlockDlg::~CTextBlockDlg()
{
    // The edits lose the focus as they are destroyed, after this object is gone.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->disconnect(this);
}

QWidget* CTextBlockDlg::BuildTextRow()
{
    auto* box = new QWidget(this);
    m_pText = new QPlainTextEdit(box);
    m_pText->setObjectName(DialogSupport::ControlName(ids::text));
    m_pText->setTabChangesFocus(true);
    m_pText->installEventFilter(this);
    const DialogSupport::FontControls font = DialogSupport::AddTextAndFontRows(box, m_pText, Qt::AlignTop);
    m_pFontName = font.name;
    m_pChangeFont = font.change;
    m_pFontColor = font.color;
    return box;
}

QWidget* CTextBlockDlg::BuildSizeGroup()
{
    auto* group = new QGroupBox(tr("Size"), this);
    m_pWidth = DialogSupport::NewEdit(group, ids::width);
    m_pHeight = DialogSupport::NewEdit(group, ids::height);
    // The size always follows the text and font.
    m_pWidth->setReadOnly(true);
    m_pHeight->setReadOnly(true);
    auto* grid = new QGridLayout(group);
    DialogSupport::AddLengthRow(grid, 0, tr("&Width"), m_pWidth, 1169, UnitFormat());
    DialogSupport::AddLengthRow(grid, 1, tr("He&ight"), m_pHeight, 1170, UnitFormat());
    return group;
}

QWidget* CTextBlockDlg::BuildMarginGroup()
{
    auto* group = new QGroupBox(tr("Background Margin"), this);
    m_pMarginX = DialogSupport::NewEdit(group, ids::marginX);
    m_pMarginY = DialogSupport::NewEdit(group, ids::marginY);
    auto* grid = new QGridLayout(group);
    DialogSupport::AddLengthRow(grid, 0, tr("Hori&zontal"), m_pMarginX, 1172, UnitFormat());
    DialogSupport::AddLengthRow(grid, 1, tr("Vertica&l"), m_pMarginY, 1173, UnitFormat());
    return group;
}

QWidget* CTextBlockDlg::BuildLookGroup()
{
    auto* box = new QWidget(this);
    m_pFill = DialogSupport::NewCheck(box, ids::fillBackground, tr("&Fill Background"));
    m_pBackColor = DialogSupport::NewGreyButton(box, ids::backColor);
    m_pDrawEdge = DialogSupport::NewCheck(box, ids::drawEdge, tr("&Draw Edge"));
    m_pEdgeColor = DialogSupport::NewGreyButton(box, ids::edgeColor);
    m_pThickEdge = DialogSupport::NewCheck(box, ids::thickEdge, tr("Thic&k Edge"));
    m_pAntialias = DialogSupport::NewCheck(box, ids::antialias, tr("&Anti-aliasing"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_pFill, 0, 0);
    grid->addWidget(DialogSupport::NewLabel(box, tr("&Back Color"), m_pBackColor), 0, 1);
    grid->addWidget(m_pBackColor, 0, 2);
    grid->addWidget(m_pDrawEdge, 1, 0);
    grid->addWidget(DialogSupport::NewLabel(box, tr("Ed&ge Color"), m_pEdgeColor), 1, 1);
    grid->addWidget(m_pEdgeColor, 1, 2);
    grid->addWidget(m_pThickEdge, 2, 0);
    grid->addWidget(m_pAntialias, 3, 0);
    return box;
}

void CTextBlockDlg::Connect()
{
    connect(m_pText, &QPlainTextEdit::textChanged, this, &CTextBlockDlg::OnChanged);
    for (QCheckBox* check : {m_pFill, m_pDrawEdge, m_pThickEdge, m_pAntialias})
        connect(check, &QCheckBox::toggled, this, &CTextBlockDlg::OnChanged);
    connect(m_pMarginX, &QLineEdit::editingFinished, this, [this] { OnMarginFinished(true); });
    connect(m_pMarginY, &QLineEdit::editingFinished, this, [this] { OnMarginFinished(false); });
    connect(m_pChangeFont, &QPushButton::clicked, this, &CTextBlockDlg::OnChangeFont);
    connect(m_pFontColor, &QAbstractButton::clicked, this, [this] {
        if (m_pFontColor->Choose())
            m_rules.SetFontColor(m_pFontColor->Color());
    });
    connect(m_pBackColor, &QAbstractButton::clicked, this, [this] {
        if (m_pBackColor->Choose())
            m_rules.SetBackColor(m_pBackColor->Color());
    });
    connect(m_pEdgeColor, &QAbstractButton::clicked, this, [this] {
        if (m_pEdgeColor->Choose())
            m_rules.SetEdgeColor(m_pEdgeColor->Color());
    });
}

CTextBlockRules::Fields CTextBlockDlg::Fields() const
{
    CTextBlockRules::Fields fields;
    fields.text = m_pText->toPlainText();
    fields.x = m_pX->text();
    fields.y = m_pY->text();
    fields.marginX = m_pMarginX->text();
    fields.marginY = m_pMarginY->text();
    fields.fillBackground = m_pFill->isChecked();
    fields.drawEdge = m_pDrawEdge->isChecked();
    fields.thickEdge = m_pThickEdge->isChecked();
    fields.antialias = m_pAntialias->isChecked();
    return fields;
}

void CTextBlockDlg::ShowFields()
{
    // The text is never written back while it is typed: the cursor stays.
    const CTextBlockRules::Fields fields = m_rules.Show();
    m_pFontName->setText(m_rules.FontName());
    DialogSupport::SetText(m_pX, fields.x);
    DialogSupport::SetText(m_pY, fields.y);
    DialogSupport::SetText(m_pWidth, fields.width);
    DialogSupport::SetText(m_pHeight, fields.height);
    DialogSupport::SetText(m_pMarginX, fields.marginX);
    DialogSupport::SetText(m_pMarginY, fields.marginY);
    {
        const QSignalBlocker a(m_pFill), b(m_pDrawEdge), c(m_pThickEdge), d(m_pAntialias);
        m_pFill->setChecked(fields.fillBackground);
        m_pDrawEdge->setChecked(fields.drawEdge);
        m_pThickEdge->setChecked(fields.thickEdge);
        m_pAntialias->setChecked(fields.antialias);
    }
    m_pFontColor->SetColor(m_rules.Object().m_crFont);
    m_pBackColor->SetColor(m_rules.Object().m_crBkgnd);
    m_pEdgeColor->SetColor(m_rules.Object().m_crFrame);
    RefreshStates();
}

void CTextBlockDlg::RefreshStates()
{
    const CTextBlockRules::Enabling enabled = m_rules.Enabled();
    m_pFill->setEnabled(enabled.fillBackground);
    m_pBackColor->setEnabled(enabled.backColor);
    m_pEdgeColor->setEnabled(enabled.edgeColor);
    m_pThickEdge->setEnabled(enabled.thickEdge);
}

void CTextBlockDlg::OnChanged()
{
    if (!m_rules.Take(Fields())) {
        ShowFields();
        return;
    }
    // A half-typed number is left for OK to complain about; only the size
    // and the switches are brought up to date.
    const CTextBlockRules::Fields fields = m_rules.Show();
    DialogSupport::SetText(m_pWidth, fields.width);
    DialogSupport::SetText(m_pHeight, fields.height);
    const QSignalBlocker quiet(m_pFill);
    m_pFill->setChecked(fields.fillBackground);
    RefreshStates();
}

void CTextBlockDlg::OnMarginFinished(bool horizontal)
{
    if (m_rules.TakeMargin(Fields(), horizontal))
        ShowFields();
}

void CTextBlockDlg::OnChangeFont()
{
    if (const std::optional<CFieldRefusal> refused = m_rules.Take(Fields())) {
        Refuse(*refused);
        return;
    }
    if (const std::optional<LOGFONT> font = DialogSupport::ChooseFont(this, m_rules.Font())) {
        m_rules.SetFont(*font);
        ShowFields();
    }
}

bool CTextBlockDlg::IsShiftEnter(const QEvent* event) const
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ShiftModifier);
}

bool CTextBlockDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pText && IsShiftEnter(event)) {
        accept();
        return true;
    }
    return CBaseDlg::eventFilter(watched, event);
}

void CTextBlockDlg::keyPressEvent(QKeyEvent* event)
{
    if (IsShiftEnter(event)) {
        accept();
        return;
    }
    CBaseDlg::keyPressEvent(event);
}

void CTextBlockDlg::accept()
{
    std::optional<CFieldRefusal> refused;
    switch (m_rules.Accept(Fields(), &refused)) {
    case CTextBlockRules::Outcome::refusedField:
        Refuse(*refused);
        return;
    case CTextBlockRules::Outcome::emptyText:
        m_pText->setFocus(Qt::OtherFocusReason);
        return;
    case CTextBlockRules::Outcome::accepted:
        CBaseDlg::accept();
        return;
    }
}
