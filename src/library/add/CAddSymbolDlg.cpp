#include "CAddSymbolDlg.h"

#include "AddControlIds.h"
#include "CAddEntryBuilder.h"

#include "acquire/CPicturePreviewPane.h"
#include "settings/CAppSettings.h"
#include "imaging/KeyedNegative.h"
#include "library/CLibraryModel.h"
#include "view/crop/CCropImageDlg.h"
#include "view/dialogs/DialogSupport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
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
    BuildControls(BuildEngraveDarkRow(), transparent);
    // Frames stretch to fit a plate; symbols keep their proportions.
    const QSignalBlocker quiet(KeepAspect());
    KeepAspect()->setChecked(m_nKind == CLibraryModel::symbol);
}

QGridLayout* CAddSymbolDlg::BuildEngraveDarkRow()
{
    m_pEngraveDark = CPicturePreviewPane::NewEngraveDarkBox(this);
    m_pEngraveDark->setObjectName(DialogSupport::ControlName(AddControlIds::engraveDark));
    connect(m_pEngraveDark, &QCheckBox::toggled, this, &CAddSymbolDlg::OnEngraveDark);
    auto* row = new QGridLayout;
    row->addWidget(m_pEngraveDark, 0, 0);
    return row;
}

bool& CAddSymbolDlg::RememberedEngraveDark()
{
    return m_nKind == CLibraryModel::frame ? Settings().engraveDarkFrames : Settings().engraveDarkSymbols;
}

void CAddSymbolDlg::OnEngraveDark()
{
    if (!IsReady())
        return;
    // The picture itself is turned around, so that Transparent and the
    // written entry see what the preview shows.
    KeyedNegative::Apply(EditedObject().StoredImage());
    RefreshPreview();
}

void CAddSymbolDlg::OnWriting()
{
    RememberedEngraveDark() = m_pEngraveDark->isChecked();
}

bool CAddSymbolDlg::LoadFile(const QString& path, const QString& pluginFolder, QString* error)
{
    CDibImage picture;
    QString name;
    CSize start;
    m_pDrawing = CVectorPicture::Open(path);
    m_bMarked = false;
    if (m_pDrawing) {
        start = m_pDrawing->PaperSize();
        name = QFileInfo(path).completeBaseName();
    } else {
        if (!LoadPicture(path, pluginFolder, picture, name, error))
            return false;
        start = CAddSizeRules::FileSize({picture.Width(), picture.Height()}, Resolution());
    }
    // The check box is set below, when the picture is there to turn.
    QSignalBlocker quiet(m_pEngraveDark);
    m_pEngraveDark->setChecked(false);
    std::unique_ptr<CDibObj> symbol;
    if (!m_pDrawing || DrawAt(start, picture))
        symbol = CAddEntryBuilder::NewObject(picture, m_nKind);
    if (!symbol) {
        if (error)
            *error = tr("%1\nThere is not enough memory for this picture.").arg(path);
        return false;
    }
    Take(std::move(symbol), start, name);
    quiet.unblock();
    m_pEngraveDark->setChecked(RememberedEngraveDark());
    return true;
}

bool CAddSymbolDlg::DrawAt(CSize size, CDibImage& picture) const
{
    if (!m_pDrawing || !m_pDrawing->Draw(CAddEntryBuilder::Dots(size, Resolution()), picture))
        return false;
    if (m_pEngraveDark->isChecked())
        KeyedNegative::Apply(picture);
    return true;
}

void CAddSymbolDlg::Transparent()
{
    if (!IsReady())
        return;
    // The object is in no document yet: no undo step to record.
    if (CCropImageDlg::Run(EditedObject().StoredImage(), Settings(), this)) {
        m_bMarked = true;
        RefreshPreview();
    }
}

std::unique_ptr<CDibObj> CAddSymbolDlg::BuildEntry(CSize size)
{
    if (m_pDrawing && !m_bMarked) {
        // Drawn anew at the size chosen: edges stay sharp at any size.
        CDibImage drawn;
        if (!DrawAt(size, drawn))
            return nullptr;
        const std::unique_ptr<CDibObj> fresh = CAddEntryBuilder::NewObject(drawn, m_nKind);
        return fresh ? CAddEntryBuilder::SymbolEntry(*fresh, size, size, Resolution(), KeepAspect()->isChecked())
                     : nullptr;
    }
    return CAddEntryBuilder::SymbolEntry(EditedObject(), size, SizeRules().StartSize(), Resolution(),
                                         KeepAspect()->isChecked());
}
