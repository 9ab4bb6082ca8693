#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CPlateLook;
class QWidget;

// The open dialog for picture files. The filter the user picked last is
// offered again by every later dialog for pictures, for the whole run.
class CPictureFileChooser
{
    Q_DECLARE_TR_FUNCTIONS(CPictureFileChooser)

public:
    // The chosen file's full path, or an empty string on Cancel.
    // title: what the dialog is for ("Import", "Add Symbol"). With a
    // plate, the highlighted picture is shown on it beside the list, with
    // "Engrave the dark parts" (engraveDark: the choice offered, then the
    // one made).
    static QString ChoosePictureFile(QWidget* parent, const QString& pluginFolder, const QString& title,
                                     const CPlateLook* plate = nullptr, bool* engraveDark = nullptr);

    // "All pictures" first (every kind the readers and the plug-ins of the
    // folder know), then each kind, then all files.
    static QStringList Filters(const QString& pluginFolder);
    static int FilterIndex() { return s_nFilterIndex; }
    // Remembers the filter picked in a dialog closed with OK.
    static void RememberFilter(const QStringList& filters, const QString& filter);

private:
    static int s_nFilterIndex;
};
