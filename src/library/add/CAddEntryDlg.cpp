#include "CAddEntryDlg.h"

#include "AddControlIds.h"
#include "CLibraryEntryFile.h"

#include "acquire/CPictureLoader.h"
#include "settings/CAppSettings.h"
#include "view/dialogs/DialogSupport.h"
#include "view/dialogs/ObjectPreview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ids = AddControlIds;

CAddEntryDlg::CAddEntryDlg(CAppSettings& settings, int resolution, const QString& folder, QWidget* parent)
    : CBaseDlg(settings.inch ? CUnitFormat::inches : CUnitFormat::millimetres, parent)
    , m_settings(settings)
    , m_nResolution(resolution > 0 ? resolution : 1)
    , m_strFolder(folder)
    , m_sizeRules(Unit())
{
}

CAddEntryDlg::~CAddEntryDlg()
{
    // The edits lose the focus as they are destroyed, after this object is gone.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->disconnect(this);
}

void CAddEntryDlg::BuildControls(QGridLayout* extraRows, QPushButton* extraButton)
{
    m_pName = DialogSupport::NewEdit(this, ids::name, 255);
    auto* nameRow = new QGridLayout;
    nameRow->addWidget(DialogSupport::NewLabel(this, tr("&Name"), m_pName), 0, 0);
    nameRow->addWidget(m_pName, 0, 1);

    m_pPreview = new QLabel(this);
    m_pPreview->setObjectName(DialogSupport::ControlName(ids::preview));
    m_pPreview->setFixedSize(previewSide, previewSide);
    m_pPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* fields = new QVBoxLayout;
    fields->addLayout(nameRow);
    if (extraRows)
        fields->addLayout(extraRows);
    fields->addWidget(BuildSizeGroup());
    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(m_pPreview, 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(this);
    m_pAdd = buttons->addButton(tr("Add"), QDialogButtonBox::AcceptRole);
    m_pAdd->setObjectName(DialogSupport::ControlName(ids::add));
    m_pAdd->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(DialogSupport::ControlName(ids::cancel));
    if (extraButton)
        buttons->addButton(extraButton, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAddEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddEntryDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

QWidget* CAddEntryDlg::BuildSizeGroup()
{
    auto* group = new QGroupBox(m_sizeRules.GroupTitle(), this);
    group->setObjectName(DialogSupport::ControlName(ids::sizeGroup));
    m_pKeepAspect = DialogSupport::NewCheck(group, ids::keepAspect, tr("&Keep Aspect"));
    m_pKeepAspect->setChecked(true);
    m_pWidth = DialogSupport::NewEdit(group, ids::width, lengthEditMaxChars);
    m_pHeight = DialogSupport::NewEdit(group, ids::height, lengthEditMaxChars);
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_pKeepAspect, 0, 0, 1, 2);
    grid->addWidget(DialogSupport::NewLabel(group, tr("&Width"), m_pWidth), 1, 0);
    grid->addWidget(m_pWidth, 1, 1);
    grid->addWidget(DialogSupport::NewLabel(group, tr("&Height"), m_pHeight), 2, 0);
    grid->addWidget(m_pHeight, 2, 1);
    connect(m_pWidth, &QLineEdit::editingFinished, this, &CAddEntryDlg::OnWidthFinished);
    connect(m_pHeight, &QLineEdit::editingFinished, this, &CAddEntryDlg::OnHeightFinished);
    connect(m_pKeepAspect, &QCheckBox::toggled, this, &CAddEntryDlg::OnKeepAspect);
    return group;
}

bool CAddEntryDlg::LoadPicture(const QString& path, const QString& pluginFolder, CDibImage& picture, QString& name,
                               QString* error)
{
    if (!CPictureLoader::LoadPicture(picture, path, pluginFolder, error))
        return false;
    name = QFileInfo(path).completeBaseName();
    return true;
}

void CAddEntryDlg::Take(std::unique_ptr<CDibObj> object, CSize start, const QString& name)
{
    m_pObject = std::move(object);
    m_pName->setText(name);
    m_sizeRules.Start(start);
    ShowSize(start);
    RefreshPreview();
}

void CAddEntryDlg::ShowSize(CSize size)
{
    m_sizeRules.Show(size);
    DialogSupport::SetText(m_pWidth, m_sizeRules.Text(size.cx));
    DialogSupport::SetText(m_pHeight, m_sizeRules.Text(size.cy));
}

void CAddEntryDlg::SetPlate(const CPlateLook& plate)
{
    m_plate = plate;
    RefreshPreview();
}

void CAddEntryDlg::RefreshPreview()
{
    if (!m_pObject)
        return;
    const int inner = previewSide - 2 * m_pPreview->frameWidth();
    const QColor face = palette().color(QPalette::Button);
    m_preview = ObjectPreview::Render(*m_pObject, {inner, inner},
                                      m_plate.value_or(CPlateLook(RGB(face.red(), face.green(), face.blue()), false)));
    m_pPreview->setPixmap(QPixmap::fromImage(m_preview));
}

void CAddEntryDlg::OnWidthFinished()
{
    if (!m_pKeepAspect->isChecked() || m_pWidth->isReadOnly())
        return;
    if (const std::optional<QString> height = m_sizeRules.HeightForWidth(m_pWidth->text()))
        DialogSupport::SetText(m_pHeight, *height);
}

void CAddEntryDlg::OnHeightFinished()
{
    if (!m_pKeepAspect->isChecked() || m_pHeight->isReadOnly())
        return;
    if (const std::optional<QString> width = m_sizeRules.WidthForHeight(m_pHeight->text()))
        DialogSupport::SetText(m_pWidth, *width);
}

void CAddEntryDlg::OnKeepAspect(bool on)
{
    if (on)
        OnWidthFinished();
}

std::optional<CFieldRefusal> CAddEntryDlg::ReadFields(CSize& size)
{
    if (std::optional<CFieldRefusal> refused = ReadBeforeSize())
        return refused;
    return m_sizeRules.Read(m_pWidth->text(), m_pHeight->text(), size);
}

void CAddEntryDlg::accept()
{
    if (!m_pObject)
        return;
    // Leaving an edit finishes it first (Keep Aspect, the resolution), as a
    // click on Add would.
    m_pAdd->setFocus(Qt::OtherFocusReason);
    CSize size;
    if (const std::optional<CFieldRefusal> refused = ReadFields(size)) {
        Refuse(*refused);
        return;
    }
    const std::unique_ptr<CDibObj> entry = BuildEntry(size);
    if (!entry) {
        Refuse(m_pWidth, tr("There is not enough memory for a picture of this size."));
        return;
    }
    OnWriting();
    const QString name = m_pName->text();
    const CLibraryEntryFile::Result result = CLibraryEntryFile::Write(*entry, m_strFolder, name);
    if (result.outcome != CLibraryEntryFile::Outcome::written) {
        Refuse(m_pName, result.message);
        return;
    }
    m_strWrittenPath = CLibraryEntryFile::PathFor(m_strFolder, name);
    CBaseDlg::accept();
}
