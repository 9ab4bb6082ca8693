#include "CAddSymbolDlg.h"

#include "AddControlIds.h"
#include "CAddEntryBuilder.h"

#include "library/CLibraryModel.h"
#include "view/crop/CCropImageDlg.h"
#include "view/dialogs/DialogSupport.h"

#include <QCheckBox>
#include <QPushButton>

CAddSymbolDlg::CAddSymbolDlg(int kind, CAppSettings& settings, int resolution, const QString& folder,
                             QWidget* parent)
    : CAddEntryDlg(settings, resolution, folder, parent)
    , m_nKind(kind == CLibraryModel::frame ? CLibraryModel::frame : CLibraryModel::symbol)
{
    setWindowTitle(m_nKind == CLibraryModel::frame ? tr("Add Frame") : tr("Add Symbol"));
    auto* transparent = new QPushButton(tr("&Transparent"), this);
    transparent->setObjectName(DialogSupport::ControlName(AddControlIds::transparent));
    transparent->setAutoDefault(false);
    connect(transparent, &QPushButton::clicked, this, &CAddSymbolDlg::Transparent);
    BuildControls(nullptr, transparent);
    // Frames stretch to fit a plate; symbols keep their proportions.
    const QSignalBlocker quiet(KeepAspect());
    KeepAspect()->setChecked(m_nKind == CLibraryModel::symbol);
}

bool CAddSymbolDlg::LoadFile(const QString& path, const QString& pluginFolder, QString* error)
{
    CDibImage picture;
    QString name;
    if (!LoadPicture(path, pluginFolder, picture, name, error))
        return false;
    std::unique_ptr<CDibObj> symbol = CAddEntryBuilder::NewObject(picture, m_nKind);
    if (!symbol) {
        if (error)
            *error = tr("%1\nThere is not enough memory for this picture.").arg(path);
        return false;
    }
    Take(std::move(symbol), CAddSizeRules::FileSize({picture.Width(), picture.Height()}, Resolution()), name);
    return true;
}

void CAddSymbolDlg::Transparent()
{
    if (!IsReady())
        return;
    // The object is in no document yet: no undo step to record.
    if (CCropImageDlg::Run(EditedObject().StoredImage(), Settings(), this))
        RefreshPreview();
}

std::unique_ptr<CDibObj> CAddSymbolDlg::BuildEntry(CSize size)
{
    return CAddEntryBuilder::SymbolEntry(EditedObject(), size, SizeRules().StartSize(), Resolution(),
                                         KeepAspect()->isChecked());
}
