#include "CPicturePreviewPane.h"

#include "CPictureLoader.h"
#include "CVectorPicture.h"

#include "imaging/CDibImage.h"
#include "imaging/KeyedNegative.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The file's picture at about the preview's size: a drawing drawn there,
// any other picture loaded whole.
bool LoadForPreview(const QString& path, const QString& pluginFolder, CDibImage& picture)
{
    if (const std::unique_ptr<CVectorPicture> drawing = CVectorPicture::Open(path)) {
        const QSizeF natural = drawing->NaturalSize();
        const double scale = CPicturePreviewPane::previewSide / std::max(natural.width(), natural.height());
        const CSize dots{std::max(1, int(std::lround(natural.width() * scale))),
                         std::max(1, int(std::lround(natural.height() * scale)))};
        return drawing->Draw(dots, picture);
    }
    return QFileInfo(path).isFile() && CPictureLoader::LoadPicture(picture, path, pluginFolder);
}

} // namespace

CPicturePreviewPane::CPicturePreviewPane(const CPlateLook& plate, const QString& pluginFolder, bool engraveDark,
                                         QWidget* parent)
    : QWidget(parent), m_plate(plate), m_strPluginFolder(pluginFolder)
{
    m_pPicture = new QLabel(this);
    m_pPicture->setFixedSize(previewSide, previewSide);
    m_pPicture->setAlignment(Qt::AlignCenter);
    m_pPicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_pEngraveDark = NewEngraveDarkBox(this);
    m_pEngraveDark->setChecked(engraveDark);
    connect(m_pEngraveDark, &QCheckBox::toggled, this, &CPicturePreviewPane::Redraw);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPicture);
    layout->addWidget(m_pEngraveDark);
    layout->addStretch();
}

QCheckBox* CPicturePreviewPane::NewEngraveDarkBox(QWidget* parent)
{
    auto* box = new QCheckBox(tr("Engrave the &dark parts"), parent);
    box->setToolTip(tr("White engraves. Tick this for a dark drawing on light paper: the picture is turned to its "
                       "negative as it is added."));
    return box;
}

bool CPicturePreviewPane::EngraveDark() const
{
    return m_pEngraveDark->isChecked();
}

void CPicturePreviewPane::ShowFile(const QString& path)
{
    if (path == m_strPath)
        return;
    m_strPath = path;
    Redraw();
}

void CPicturePreviewPane::Redraw()
{
    m_preview = {};
    CDibImage picture, shown;
    if (!m_strPath.isEmpty() && LoadForPreview(m_strPath, m_strPluginFolder, picture)) {
        if (EngraveDark())
            KeyedNegative::Apply(picture);
        if (m_plate.Show(picture, shown)) {
            const int inner = previewSide - 2 * m_pPicture->frameWidth();
            m_preview = shown.ToQImage().scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
    }
    m_pPicture->setPixmap(QPixmap::fromImage(m_preview));
}
