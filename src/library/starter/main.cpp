// Makes the starter library from its drawings:
//   veldra2-starter-library KIND DRAWINGS-FOLDER OUT-FOLDER
// KIND is Mask, Frame or Symbol; every "<name>.svg" becomes "<name>.vls".
#include "CStarterDrawing.h"

#include "objects/CDibObj.h"
#include "platform/AnsiCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// The engraver's dots per inch: the entries print at their size 1:1.
constexpr int drawingResolution = 529;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList args = application.arguments();
    const QStringList kinds{QStringLiteral("Mask"), QStringLiteral("Frame"), QStringLiteral("Symbol")};
    if (args.size() != 4 || !kinds.contains(args[1])) {
        err << "usage: veldra2-starter-library Mask|Frame|Symbol DRAWINGS-FOLDER OUT-FOLDER\n";
        return 2;
    }
    const int kind = int(kinds.indexOf(args[1]));
    const QDir drawings(args[2]);
    if (!QDir().mkpath(args[3])) {
        err << "cannot make " << args[3] << "\n";
        return 1;
    }
    const QFileInfoList files = drawings.entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        err << "no drawings in " << args[2] << "\n";
        return 1;
    }
    for (const QFileInfo& file : files) {
        std::unique_ptr<CDibObj> entry = CStarterDrawing::Render(file.filePath(), kind, drawingResolution);
        const QString out = QDir(args[3]).filePath(file.completeBaseName() + QStringLiteral(".vls"));
        if (!entry) {
            err << "cannot draw " << file.filePath() << "\n";
            return 1;
        }
        entry->m_strName = AnsiCodec::Encode(file.completeBaseName());
        if (!entry->WriteSymbolFile(out)) {
            err << "cannot write " << out << "\n";
            return 1;
        }
    }
    return 0;
}
