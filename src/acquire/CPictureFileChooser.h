#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;

// The open dialog for picture files. The filter the user picked last is
// offered again by every later dialog for pictures, for the whole run.
class CPictureFileChooser
{
    Q_DECLARE_TR_FUNCTIONS(CPictureFileChooser)

public:
    // The chosen file's full path, or an empty string on Cancel.
    static QString ChoosePictureFile(QWidget* parent);

    static QStringList Filters();
    static int FilterIndex() { return s_nFilterIndex; }
    // Remembers the filter picked in a dialog closed with OK.
    static void RememberFilter(const QString& filter);

private:
    static int s_nFilterIndex;
};
