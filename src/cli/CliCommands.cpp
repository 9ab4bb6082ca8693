#include "CliCommands.h"

#include "CliSupport.h"
#include "JsonWriter.h"
#include "ObjectJson.h"

#include "acquire/CPictureImport.h"
#include "acquire/CPictureLoader.h"
#include "settings/CAppSettings.h"
#include "settings/CSettingsStore.h"
#include "document/CDocumentFile.h"
#include "document/CPlateRenderer.h"
#include "library/CLibraryRefresh.h"
#include "document/CVeldraDoc.h"
#include "output/CPreviewPicture.h"
#include "objects/CDibObj.h"
#include "platform/CArchive.h"
#include "platform/CInputFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

namespace CliCommands {

namespace {

std::optional<CSize> ParseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okW = false, okH = false;
    if (parts.size() != 2)
        return std::nullopt;
    const CSize size{parts[0].toInt(&okW), parts[1].toInt(&okH)};
    return okW && okH ? std::optional<CSize>(size) : std::nullopt;
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
    CInputFile file(path);
    if (!file.Open()) {
        error = file.ErrorText();
        return false;
    }
    char bytes[52] = {};
    if (file.File().read(bytes, 52) != 52)
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
        WriteObjectJson(json, *object, &doc);
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

int Render(const QStringList& arguments)
{
    const char* usage = "render FILE.vlz OUT.bmp [--mode output|screen] [--dpi N] [--printable W,H]";
    Options options(arguments, {QStringLiteral("--mode"), QStringLiteral("--dpi"), QStringLiteral("--printable")});
    const std::optional<int> dpi = options.Int("--dpi", CVeldraDoc::defaultResolution);
    const QString mode = options.values.count(QStringLiteral("--mode")) ? options.values[QStringLiteral("--mode")] : QStringLiteral("output");
    std::optional<CSize> printable;
    if (options.values.count(QStringLiteral("--printable"))) {
        printable = ParseSize(options.values[QStringLiteral("--printable")]);
        if (!printable)
            return Usage(usage);
    }
    if (!options.ok || options.positional.size() != 2 || !dpi || (mode != QLatin1String("output") && mode != QLatin1String("screen")))
        return Usage(usage);

    CVeldraDoc doc;
    QString error;
    if (!OpenForOutput(doc, options.positional[0], *dpi, printable, error))
        return Fail(error);
    if (mode == QLatin1String("screen")) {
        // Without a colour of the user's, the outside shows white here.
        CDocumentSettings settings = doc.Settings();
        const COLORREF outside = UserSettings().textDefaults.outsideColor;
        settings.outsideColor = outside == colorNone ? 0xFFFFFF : outside;
        doc.SetSettings(settings);
    }
    CPlateRenderer renderer(doc);
    if (mode == QLatin1String("output")) {
        if (!renderer.ExportBitmapFile(options.positional[1], &error))
            return Fail(error);
        return exitOk;
    }
    CDibImage plate;
    const CSize size = doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24))
        return Fail(renderer.SizeProblem());
    renderer.RenderPlate(plate, CPlateRenderer::screen);
    if (!plate.SaveBitmapFile(options.positional[1], &error))
        return Fail(error);
    return exitOk;
}

int Preview(const QStringList& arguments)
{
    const char* usage = "preview FILE.vlz OUT.bmp [--zoom 1|2|4] [--brightness B] [--contrast C] [--gamma G]";
    Options options(arguments, {QStringLiteral("--zoom"), QStringLiteral("--brightness"), QStringLiteral("--contrast"),
                                QStringLiteral("--gamma")});
    const std::optional<int> zoom = options.Int("--zoom", 1);
    if (!options.ok || options.positional.size() != 2 || !zoom || !options.Adjustments({}) || (*zoom != 1 && *zoom != 2 && *zoom != 4))
        return Usage(usage);

    CVeldraDoc doc;
    QString error;
    if (!OpenForOutput(doc, options.positional[0], CVeldraDoc::defaultResolution, std::nullopt, error))
        return Fail(error);
    const std::vector<std::uint8_t> grey = CPlateRenderer(doc).PreviewImage();
    CPreviewPicture picture;
    // The layout's own adjustments, as print takes them, unless given.
    picture.SetAdjustments(*options.Adjustments(doc.Adjustments().Get()));
    const CAppSettings settings = UserSettings();
    CDibImage out;
    const CSize size = doc.GetDeviceSize();
    if (!picture.Render(grey, size.cx, size.cy, *zoom, settings.textDefaults.previewColor0,
                        settings.textDefaults.previewColor1, out))
        return Fail(CPlateRenderer(doc).SizeProblem());
    if (!out.SaveBitmapFile(options.positional[1], &error))
        return Fail(error);
    return exitOk;
}

int Import(const QStringList& arguments)
{
    const char* usage = "import PICTURE... OUT.vlz --material W,H [--dpi N]";
    Options options(arguments, {QStringLiteral("--material"), QStringLiteral("--dpi")});
    const std::optional<int> dpi = options.Int("--dpi", CVeldraDoc::defaultResolution);
    const auto found = options.values.find(QStringLiteral("--material"));
    const CSize material = found != options.values.end() ? ParseSize(found->second).value_or(CSize{}) : CSize{};
    if (!options.ok || options.positional.size() < 2 || !dpi || material.cx <= 0 || material.cy <= 0)
        return Usage(usage);

    const CAppSettings settings = UserSettings();
    CVeldraDoc doc;
    doc.SetSettings(settings.DocumentSettings());
    doc.OnNewDocument();
    doc.SetMaterialSize(material);
    doc.SetDevice(*dpi, material.cx, material.cy);
    const QString plugins = CPictureLoader::PluginFolderFor(settings.textDefaults.pluginFolder);
    QStringList pictures = options.positional;
    const QString out = pictures.takeLast();
    QString error;
    for (const QString& picture : pictures)
        if (!CPictureImport::ImportPicture(doc, picture, plugins, nullptr, &error))
            return Fail(error);
    const CDocumentFile::Result saved = CDocumentFile::Save(doc, out);
    return saved.ok ? exitOk : Fail(saved.message);
}

int Library(const QStringList& arguments)
{
    Options options(arguments, {QStringLiteral("--kind")});
    const QStringList kinds{QStringLiteral("material"), QStringLiteral("frame"), QStringLiteral("symbol")};
    const auto found = options.values.find(QStringLiteral("--kind"));
    const int kind = found != options.values.end() ? int(kinds.indexOf(found->second)) : -1;
    if (!options.ok || options.positional.size() != 1 || kind < 0)
        return Usage("library FOLDER --kind material|frame|symbol");
    if (!QFileInfo(options.positional[0]).isDir())
        return Fail(Tr("%1 is not a folder.").arg(options.positional[0]));
    CLibraryModel model;
    CLibraryRefresh::Options refresh;
    refresh.kind = kind;
    refresh.screenDepth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->depth() : 24;
    const CLibraryRefresh::Result refreshed = CLibraryRefresh::Refresh(options.positional[0], model, refresh);
    for (const QString& name : refreshed.leftOut)
        std::fprintf(stderr, "%s\n", qPrintable(Tr("%1 is left out: a library keeps names in the Western code page only.").arg(name)));
    JsonWriter json;
    json.BeginArray();
    for (const LibraryEntry& entry : model.Entries())
        json.BeginObject()
            .Field("name", entry.Name())
            .Field("time", std::int64_t(entry.time))
            .Field("thumbnail", std::int64_t(entry.thumbnail))
            .EndObject();
    json.EndArray();
    std::printf("%s\n", json.Text().constData());
    return exitOk;
}

} // namespace CliCommands
