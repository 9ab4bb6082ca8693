#include "CAddMaterialDlg.h"

#include "AddControlIds.h"
#include "CAddEntryBuilder.h"

#include "settings/CAppSettings.h"
#include "library/CLibraryModel.h"
#include "view/dialogs/DialogSupport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

CAddMaterialDlg::CAddMaterialDlg(CAppSettings& settings, int resolution, const QString& folder, QWidget* parent)
    : CAddEntryDlg(settings, resolution, folder, parent)
    , m_nScanDpi(settings.scanDpi)
{
    setWindowTitle(tr("Add Material"));
    BuildControls(BuildResolutionRow(), nullptr);
}

QGridLayout* CAddMaterialDlg::BuildResolutionRow()
{
    m_pResolution = DialogSupport::NewEdit(this, AddControlIds::resolution, 5);
    // The label reads as it always has.
    m_pResolutionLabel = DialogSupport::NewLabel(this, tr("Resolution (&dpi)"), m_pResolution);
    auto* row = new QGridLayout;
    row->addWidget(m_pResolutionLabel, 0, 0);
    row->addWidget(m_pResolution, 0, 1);
    connect(m_pResolution, &QLineEdit::editingFinished, this, &CAddMaterialDlg::OnResolutionFinished);
    return row;
}

bool CAddMaterialDlg::LoadFile(const QString& path, const QString& pluginFolder, QString* error)
{
    CDibImage picture;
    QString name;
    if (!LoadPicture(path, pluginFolder, picture, name, error))
        return false;
    Open(picture, name, false);
    return true;
}

void CAddMaterialDlg::SetScannedPicture(const CDibImage& picture, int dpi)
{
    // A scanner never reports nothing, but the size must not divide by it.
    m_nScanDpi = std::clamp(dpi, CAddSizeRules::minimumResolution, CAddSizeRules::maximumResolution);
    Open(picture, tr("NewShape"), true);
}

void CAddMaterialDlg::Open(const CDibImage& picture, const QString& name, bool scanned)
{
    std::unique_ptr<CDibObj> material = CAddEntryBuilder::NewObject(picture, CLibraryModel::material);
    if (!material)
        return;
    m_bScanned = scanned;
    m_pixels = {picture.Width(), picture.Height()};
    m_pResolution->setVisible(scanned);
    m_pResolutionLabel->setVisible(scanned);
    if (scanned) {
        m_pResolution->setText(QString::number(m_nScanDpi));
        KeepAspect()->setEnabled(false);
        WidthEdit()->setReadOnly(true);
        HeightEdit()->setReadOnly(true);
    }
    Take(std::move(material), scanned ? ScanSize() : CAddSizeRules::FileSize(m_pixels, Resolution()), name);
}

CSize CAddMaterialDlg::ScanSize() const
{
    return CAddSizeRules::ScanSize(m_pixels, m_nScanDpi);
}

void CAddMaterialDlg::OnResolutionFinished()
{
    if (!m_bScanned || !IsReady())
        return;
    // A resolution out of range is refused when Add is pressed.
    if (!CAddSizeRules::ReadResolution(m_pResolution->text(), m_nScanDpi))
        ShowSize(ScanSize());
}

std::optional<CFieldRefusal> CAddMaterialDlg::ReadBeforeSize()
{
    if (!m_bScanned)
        return std::nullopt;
    if (std::optional<CFieldRefusal> refused = CAddSizeRules::ReadResolution(m_pResolution->text(), m_nScanDpi))
        return refused;
    ShowSize(ScanSize());
    return std::nullopt;
}

std::unique_ptr<CDibObj> CAddMaterialDlg::BuildEntry(CSize size)
{
    return CAddEntryBuilder::MaterialEntry(EditedObject(), size, SizeRules().StartSize(), Resolution());
}

void CAddMaterialDlg::OnWriting()
{
    Settings().scanDpi = m_nScanDpi;
}
