#include "CPictureFileChooser.h"

#include "CPluginList.h"

#include <QFileDialog>

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

QString CPictureFileChooser::ChoosePictureFile(QWidget* parent, const QString& pluginFolder, const QString& title)
{
    const QStringList filters = Filters(pluginFolder);
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(s_nFilterIndex));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    RememberFilter(filters, dialog.selectedNameFilter());
    return dialog.selectedFiles().constFirst();
}
