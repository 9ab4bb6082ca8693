#include "CMaterialSetupDlg.h"

#include "CMaterialPreviewFrame.h"
#include "MaterialShapeIcons.h"

#include "view/dialogs/DialogSupport.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using DialogSupport::ControlName;

CMaterialSetupDlg::CMaterialSetupDlg(int unit, const MaterialChoice& start, CSize maximum, LibraryChooser chooseLibrary,
                                     QWidget* parent)
    : CBaseDlg(unit, parent)
    , m_rules(unit, start, maximum)
    , m_chooseLibrary(std::move(chooseLibrary))
    , m_pWidth(DialogSupport::NewEdit(this, CMaterialSetupRules::widthField))
    , m_pHeight(DialogSupport::NewEdit(this, CMaterialSetupRules::heightField))
    , m_pShapes(new QButtonGroup(this))
    , m_pOther(new QPushButton(tr("&Other..."), this))
    , m_pPreview(new CMaterialPreviewFrame(this))
{
    setWindowTitle(tr("Material Setup"));
    m_pOther->setObjectName(ControlName(otherButton));
    m_pOther->setAutoDefault(false);
    m_pPreview->setObjectName(ControlName(previewFrame));
    BuildLayout();
    ShowValues();

    connect(m_pShapes, &QButtonGroup::idClicked, this, &CMaterialSetupDlg::OnShapeClicked);
    connect(m_pOther, &QPushButton::clicked, this, &CMaterialSetupDlg::OnOther);
    for (QLineEdit* edit : {m_pWidth, m_pHeight})
        connect(edit, &QLineEdit::editingFinished, this, &CMaterialSetupDlg::OnSizeEdited);
}

void CMaterialSetupDlg::BuildLayout()
{
    auto* size = new QGroupBox(m_rules.InchUnit() ? tr("Size (inch)") : tr("Size (mm)"), this);
    size->setObjectName(ControlName(sizeGroup));
    auto* sizes = new QGridLayout(size);
    sizes->addWidget(DialogSupport::NewLabel(size, tr("&Width"), m_pWidth), 0, 0);
    sizes->addWidget(m_pWidth, 0, 1);
    sizes->addWidget(DialogSupport::NewLabel(size, tr("&Height"), m_pHeight), 1, 0);
    sizes->addWidget(m_pHeight, 1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMaterialSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMaterialSetupDlg::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(size);
    left->addLayout(BuildShapeRow());
    left->addStretch();
    auto* row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addWidget(m_pPreview, 1);
    row->addWidget(buttons, 0, Qt::AlignTop);
}

QLayout* CMaterialSetupDlg::BuildShapeRow()
{
    const QString names[] = {tr("Rectangle"), tr("Diamond"), tr("Ellipse")};
    auto* shapes = new QHBoxLayout;
    for (int shape = 0; shape < 3; ++shape) {
        auto* button = new QRadioButton(this);
        button->setObjectName(ControlName(rectangleButton + shape));
        button->setIcon(MaterialShapeIcons::Icon(shape));
        button->setIconSize({MaterialShapeIcons::side, MaterialShapeIcons::side});
        button->setToolTip(names[shape]);
        button->setAccessibleName(names[shape]);
        m_pShapes->addButton(button, shape);
        shapes->addWidget(button);
    }
    shapes->addWidget(m_pOther);
    return shapes;
}

void CMaterialSetupDlg::ShowValues()
{
    DialogSupport::SetText(m_pWidth, m_rules.WidthText());
    DialogSupport::SetText(m_pHeight, m_rules.HeightText());
    // A library material checks none of the three; an exclusive group keeps
    // one checked, so it lets go for a moment.
    m_pShapes->setExclusive(false);
    for (QAbstractButton* button : m_pShapes->buttons())
        button->setChecked(m_pShapes->id(button) == m_rules.Shape());
    m_pShapes->setExclusive(true);
    UpdatePreview();
}

void CMaterialSetupDlg::UpdatePreview()
{
    m_pPreview->SetMaterial(m_rules.Size(), m_rules.Shape(), m_rules.LibraryObject());
}

void CMaterialSetupDlg::OnSizeEdited()
{
    m_rules.TakeQuietly(m_pWidth->text(), m_pHeight->text());
    UpdatePreview();
}

void CMaterialSetupDlg::OnShapeClicked(int shape)
{
    m_rules.TakeQuietly(m_pWidth->text(), m_pHeight->text());
    m_rules.SetShape(shape);
    UpdatePreview();
}

bool CMaterialSetupDlg::TakeSizes()
{
    const auto refusal = m_rules.Accept(m_pWidth->text(), m_pHeight->text());
    if (refusal)
        Refuse(*refusal);
    return !refusal;
}

void CMaterialSetupDlg::OnOther()
{
    if (!TakeSizes())
        return;
    const QString path = m_chooseLibrary ? m_chooseLibrary(this) : QString();
    if (path.isEmpty())
        m_rules.LibraryChoiceCancelled();
    else
        m_rules.TakeLibraryChoice(path);
    ShowValues();
}

void CMaterialSetupDlg::accept()
{
    if (TakeSizes())
        CBaseDlg::accept();
}
