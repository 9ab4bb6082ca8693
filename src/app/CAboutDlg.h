#pragma once

#include <QDialog>
#include <QString>

// The About box: the program's name, icon, version and copyright. The
// copyright text (control 1176) is the one the build put into the version
// header, so the box, the package and the command line never disagree.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Read once for the whole run.
    static const QString& Copyright();
    static const QString& Version();
};
