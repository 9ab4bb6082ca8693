// Makes the manual's screenshots from the running program: the main window
// over a sample layout and every dialog the tour opens, one PNG each, in the
// language asked for. scripts/manual-screenshots.sh runs it under Xvfb.
#include "CDialogTour.h"

#include "app/CDocumentManager.h"
#include "app/CLanguageCatalogs.h"
#include "app/CMainFrame.h"
#include "app/CVeldraApp.h"
#include "app/shell/CRecentFileList.h"
#include "document/CVeldraDoc.h"
#include "output/CCupsPrinterSystem.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvex KZ Corporation"));
    QApplication::setApplicationName(QStringLiteral("Veldra2"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: veldra2-screenshots OUTDIR [LANGUAGE]\n", stderr);
        return 2;
    }
    const QDir out(arguments[1]);
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(out.path()));
        return 1;
    }
    CLanguageCatalogs languages;
    if (arguments.size() > 2)
        languages.Install(QLocale(arguments[2]));

    CCupsPrinterSystem printers;
    CVeldraApp app(&printers);
    app.Startup();
    CRecentFileList recent;
    CVeldraDoc doc;
    app.Attach(doc);
    CMainFrame frame(app, doc, recent, false);
    frame.resize(1000, 720);
    frame.show();
    frame.Documents().NewDocument();

    CDialogTour tour(frame, app, doc);
    // The add dialogs start from a picture file: the tour's own photo.
    QTemporaryDir scratch;
    const QString picture = scratch.filePath(QStringLiteral("sunset.png"));
    if (CDialogTour::SamplePicture().save(picture))
        tour.SetPicturePath(picture);
    int failures = 0;
    const QStringList missed = tour.Run([&](const QString& stop, QWidget& window) {
        const QString path = out.filePath(stop + QStringLiteral(".png"));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    });
    for (const QString& stop : missed)
        std::fprintf(stderr, "no window for %s\n", qPrintable(stop));
    return failures == 0 && missed.isEmpty() ? 0 : 1;
}
