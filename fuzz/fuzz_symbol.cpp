// Symbol files from strangers (library entries, frames, imported symbols).
// Every outcome is a loaded picture or a refusal; a picture that loads must
// write a symbol file that loads again and writes the same bytes.
//
// The reader takes a path, so the bytes go through a file of this process's own.
#include "objects/CDibObj.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_symbol: %s\n", what);
    std::abort();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail("cannot read back a written symbol file");
    return file.readAll();
}

// Keeps the pixel reads from being optimised away.
volatile unsigned sink = 0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString input = folder.filePath("input.vsy");
    static const QString first = folder.filePath("first.vsy");
    static const QString second = folder.filePath("second.vsy");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            Fail("cannot write the input file");
    }

    CDibObj symbol;
    if (!symbol.ReadSymbolFile(input))
        return 0;
    // A loaded picture must be whole: read every byte of its display image.
    if (const CDibImage* display = symbol.DisplayImage()) {
        unsigned sum = 0;
        for (int y = 0; y < display->Height(); ++y)
            for (std::size_t x = 0; x < display->Stride(); ++x)
                sum += display->Row(y)[x];
        sink = sum;
    }
    if (!symbol.WriteSymbolFile(first))
        Fail("a loaded symbol does not write");

    CDibObj again;
    if (!again.ReadSymbolFile(first))
        Fail("a written symbol file does not load");
    if (!again.WriteSymbolFile(second))
        Fail("a reloaded symbol does not write");
    if (ReadAll(first) != ReadAll(second))
        Fail("writing the reloaded symbol gives other bytes");
    return 0;
}
