// Whole document files from strangers. Every outcome is a loaded document or
// the user's message; a document that loads must save, load again and save
// to the very same bytes (nothing lost or changed on the way), and each of
// its objects must survive an undo record of its whole state and back.
//
// Open reads a path, so the bytes go through a file of this process's own.
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_document: %s\n", what);
    std::abort();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail("cannot read back a saved document");
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const QString input = folder.filePath("input.vlz");
    static const QString first = folder.filePath("first.vlz");
    static const QString second = folder.filePath("second.vlz");
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            Fail("cannot write the input file");
    }

    CVeldraDoc doc;
    if (!CDocumentFile::Open(doc, input).ok) {
        if (doc.GetObjectCount() != 0)
            Fail("a failed open left objects behind");
        return 0;
    }
    if (!CDocumentFile::Save(doc, first).ok)
        Fail("a loaded document does not save");

    CVeldraDoc again;
    if (!CDocumentFile::Open(again, first).ok)
        Fail("a saved document does not open");
    if (again.GetObjectCount() != doc.GetObjectCount())
        Fail("objects lost between save and open");
    if (!CDocumentFile::Save(again, second).ok)
        Fail("a reloaded document does not save");
    if (ReadAll(first) != ReadAll(second))
        Fail("saving the reloaded document gives other bytes");

    // Every object must come back from a record of its whole state.
    for (int i = 0; i < again.GetObjectCount(); ++i) {
        CSymbolObj* object = again.GetObjectAt(i);
        if (!again.RecordUndo(UndoKind::changed, object, false))
            continue; // a record that cannot be made is simply not kept
        if (!again.Undo() || !again.Redo())
            Fail("an object does not come back from its undo record");
    }
    return 0;
}
