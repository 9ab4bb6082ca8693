#include "CPictureFileChooser.h"

#include <QFileDialog>

int CPictureFileChooser::s_nFilterIndex = 0;

QStringList CPictureFileChooser::Filters()
{
    return {tr("Bitmap file (*.bmp *.dib *.rle)"), tr("JPEG file (*.jpg *.jpeg)"), tr("All files (*)")};
}

void CPictureFileChooser::RememberFilter(const QString& filter)
{
    const int index = int(Filters().indexOf(filter));
    if (index >= 0)
        s_nFilterIndex = index;
}

QString CPictureFileChooser::ChoosePictureFile(QWidget* parent)
{
    const QStringList filters = Filters();
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(s_nFilterIndex));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    RememberFilter(dialog.selectedNameFilter());
    return dialog.selectedFiles().constFirst();
}
