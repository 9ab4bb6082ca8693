#include "CPictureFileChooser.h"

#include "CPicturePreviewPane.h"
#include "CPluginList.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>

int CPictureFileChooser::s_nFilterIndex = 0;

namespace {

QString Filter(const QString& description, const QStringList& patterns)
{
    return QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
}

} // namespace

QStringList CPictureFileChooser::Filters(const QString& pluginFolder)
{
    const QStringList bitmaps{QStringLiteral("*.bmp"), QStringLiteral("*.dib"), QStringLiteral("*.rle")};
    const QStringList jpegs{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")};
    QStringList every = bitmaps + jpegs;
    QStringList kinds{Filter(tr("Bitmap file"), bitmaps), Filter(tr("JPEG file"), jpegs)};
    for (const CPluginList::FileKind& kind : CPluginList(pluginFolder).FileKinds()) {
        kinds.append(Filter(kind.description, kind.patterns));
        for (const QString& pattern : kind.patterns)
            if (!every.contains(pattern, Qt::CaseInsensitive))
                every.append(pattern);
    }
    return QStringList{Filter(tr("All pictures"), every)} + kinds + QStringList{tr("All files (*)")};
}

void CPictureFileChooser::RememberFilter(const QStringList& filters, const QString& filter)
{
    const int index = int(filters.indexOf(filter));
    if (index >= 0)
        s_nFilterIndex = index;
}

namespace {

// The pane goes to the right of the dialog's own controls (our dialog, not
// the desktop's: only ours takes a widget). It follows the highlighted file
// and the typed name alike.
CPicturePreviewPane* AddPreviewPane(QFileDialog& dialog, const CPlateLook& plate, const QString& pluginFolder,
                                    bool engraveDark)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return nullptr;
    auto* pane = new CPicturePreviewPane(plate, pluginFolder, engraveDark, &dialog);
    grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, pane, &CPicturePreviewPane::ShowFile);
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        QObject::connect(name, &QLineEdit::textChanged, pane, [pane, &dialog](const QString& text) {
            if (!text.isEmpty())
                pane->ShowFile(dialog.directory().absoluteFilePath(text));
        });
    return pane;
}

} // namespace

QString CPictureFileChooser::ChoosePictureFile(QWidget* parent, const QString& pluginFolder, const QString& title,
                                               const CPlateLook* plate, bool* engraveDark)
{
    const QStringList filters = Filters(pluginFolder);
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(s_nFilterIndex));
    CPicturePreviewPane* pane =
        plate ? AddPreviewPane(dialog, *plate, pluginFolder, engraveDark && *engraveDark) : nullptr;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    RememberFilter(filters, dialog.selectedNameFilter());
    if (pane && engraveDark)
        *engraveDark = pane->EngraveDark();
    return dialog.selectedFiles().constFirst();
}
