#include "CliCommands.h"

#include "JsonWriter.h"
#include "ObjectJson.h"

#include "app/CAppSettings.h"
#include "app/CSettingsStore.h"
#include "document/CDocumentFile.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"
#include "platform/CArchive.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

namespace CliCommands {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("veldra2-cli", text);
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return exitInput;
}

int Usage(const char* text)
{
    std::fprintf(stderr, "usage: veldra2-cli %s\n", text);
    return exitUsage;
}

// Documents here work with the same settings as the program's.
void ApplyUserSettings(CVeldraDoc& doc)
{
    const CSettingsStore store;
    CAppSettings settings;
    settings.Load(store);
    doc.SetSettings(settings.DocumentSettings());
}

enum class FileKind { document, symbol, unknown };

struct Header
{
    FileKind kind = FileKind::unknown;
    std::uint32_t version = 0;
};

// Files are told apart by their magic text, not their name.
bool ReadHeader(const QString& path, Header& header, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.exists() ? file.errorString()
                              : Tr("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.").arg(path);
        return false;
    }
    char bytes[52] = {};
    if (file.read(bytes, 52) != 52)
        return true;
    char text[49] = {};
    std::memcpy(text, bytes, 48);
    header.version = CArchive::DecodeLittleEndian<std::uint32_t>(reinterpret_cast<unsigned char*>(bytes) + 48);
    if (std::strcmp(text, CDocumentFile::magic) == 0)
        header.kind = FileKind::document;
    else if (std::strcmp(text, CDibObj::symbolMagic) == 0)
        header.kind = FileKind::symbol;
    return true;
}

int InfoDocument(const QString& path, std::uint32_t version)
{
    CVeldraDoc doc;
    ApplyUserSettings(doc);
    const CDocumentFile::Result result = CDocumentFile::Open(doc, path);
    if (!result.ok)
        return Fail(result.message);
    const CEngraverAdjustments adjustments = doc.Adjustments().Get();
    JsonWriter json;
    json.BeginObject()
        .Field("type", QStringLiteral("document"))
        .Field("version", std::int64_t(version))
        .Pair("material", std::int64_t(doc.GetMaterialSize().cx), std::int64_t(doc.GetMaterialSize().cy))
        .Field("base_color", std::int64_t(doc.GetBaseColor()))
        .Field("brightness", std::int64_t(adjustments.brightness))
        .Field("contrast", std::int64_t(adjustments.contrast))
        .Field("gamma", std::int64_t(adjustments.gamma))
        .Field("invert", std::int64_t(doc.IsInverted() ? 1 : 0));
    json.Key("objects").BeginArray();
    for (const CSymbolObj* object : doc.GetObjects())
        WriteObjectJson(json, *object);
    json.EndArray().EndObject();
    std::printf("%s\n", json.Text().constData());
    return exitOk;
}

int InfoSymbol(const QString& path, std::uint32_t version)
{
    CDibObj symbol(true);
    if (!symbol.ReadSymbolFile(path))
        return Fail(Tr("Unexpected file format."));
    JsonWriter json;
    json.BeginObject().Field("type", QStringLiteral("symbol")).Field("version", std::int64_t(version));
    json.Key("object");
    WriteObjectJson(json, symbol);
    json.EndObject();
    std::printf("%s\n", json.Text().constData());
    return exitOk;
}

} // namespace

int Info(const QStringList& arguments)
{
    if (arguments.size() != 1)
        return Usage("info FILE");
    Header header;
    QString error;
    if (!ReadHeader(arguments[0], header, error))
        return Fail(error);
    switch (header.kind) {
    case FileKind::document: return InfoDocument(arguments[0], header.version);
    case FileKind::symbol: return InfoSymbol(arguments[0], header.version);
    case FileKind::unknown: break;
    }
    return Fail(Tr("Unexpected file format."));
}

int Resave(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return Usage("resave IN.vlz OUT.vlz");
    CVeldraDoc doc;
    ApplyUserSettings(doc);
    // No printer here: the adjustments read are kept and written back.
    const CDocumentFile::Result opened = CDocumentFile::Open(doc, arguments[0]);
    if (!opened.ok)
        return Fail(opened.message);
    const CDocumentFile::Result saved = CDocumentFile::Save(doc, arguments[1]);
    if (!saved.ok)
        return Fail(saved.message);
    return exitOk;
}

} // namespace CliCommands
