// Library index files from strangers: a refused index or entries read,
// never a crash or an allocation the bytes cannot back.
#include "library/CLibraryIndex.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = (qputenv("QT_QPA_PLATFORM", "offscreen"), new QGuiApplication(argc, argv));
    (void)app;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.vli"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    CLibraryIndex index;
    if (index.Read(path, 24)) {
        // What was read must write back.
        index.Write(dir.filePath(QStringLiteral("again.vli")));
    }
    return 0;
}
