#include "CPluginList.h"

#include "plugin/VeldraImagePlugin.h"

#include "imaging/CDibImage.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <malloc.h>

namespace {

using InfoFunction = decltype(&GetPluginInfo);
using SupportFunction = decltype(&IsSupported);
using PictureFunction = decltype(&GetPicture);

template <class F>
F Lookup(void* handle, const char* name)
{
    return reinterpret_cast<F>(dlsym(handle, name));
}

bool IsImportFilter(void* handle)
{
    const auto info = Lookup<InfoFunction>(handle, "GetPluginInfo");
    if (!info)
        return false;
    char buffer[9] = {};
    const int written = info(0, buffer, 8);
    return written > 0 && std::strcmp(buffer, "00IN") == 0;
}

// The start of the file, zero-padded to the head size.
bool ReadHead(const QString& path, char* head)
{
    std::memset(head, 0, CPluginList::headSize);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(head, CPluginList::headSize) >= 0;
}

// Frees what a plug-in returned, whatever happens to it.
struct PluginBlocks
{
    void* info = nullptr;
    void* bits = nullptr;
    ~PluginBlocks()
    {
        std::free(info);
        std::free(bits);
    }
};

} // namespace

CPluginList::CPluginList(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder); // with or without a trailing separator
    for (const QString& name : dir.entryList({QStringLiteral("*.spi")}, QDir::Files, QDir::Name)) {
        const QString file = dir.filePath(name);
        void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            continue;
        if (!IsImportFilter(handle)) {
            dlclose(handle);
            continue;
        }
        m_plugins.push_back({handle, file});
    }
}

CPluginList::~CPluginList()
{
    for (const Plugin& plugin : m_plugins)
        dlclose(plugin.handle);
}

std::vector<CPluginList::FileKind> CPluginList::FileKinds() const
{
    // More kinds than any plug-in has; a plug-in that never says 0 stops here.
    constexpr int kindLimit = 256;
    std::vector<FileKind> kinds;
    for (const Plugin& plugin : m_plugins) {
        const auto info = Lookup<InfoFunction>(plugin.handle, "GetPluginInfo");
        for (int kind = 0; info && kind < kindLimit; ++kind) {
            char patterns[256] = {}, description[256] = {};
            if (info(2 * kind + 2, patterns, sizeof patterns - 1) <= 0)
                break;
            info(2 * kind + 3, description, sizeof description - 1);
            FileKind fileKind{QString::fromUtf8(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts),
                              QString::fromUtf8(description)};
            if (!fileKind.patterns.isEmpty())
                kinds.push_back(std::move(fileKind));
        }
    }
    return kinds;
}

bool CPluginList::Load(CDibImage& image, const QString& path) const
{
    char head[headSize];
    if (!ReadHead(path, head))
        return false;
    const QByteArray name = path.toUtf8();
    for (const Plugin& plugin : m_plugins) {
        const auto supported = Lookup<SupportFunction>(plugin.handle, "IsSupported");
        if (!supported || supported(name.constData(), head) == 0)
            continue;
        const auto picture = Lookup<PictureFunction>(plugin.handle, "GetPicture");
        if (!picture)
            return false;
        PluginBlocks blocks;
        if (picture(name.constData(), 0, 0, &blocks.info, &blocks.bits, nullptr, 0) != 0 || !blocks.info || !blocks.bits)
            return false;
        // The header is checked against what the blocks really hold.
        const QByteArrayView info(static_cast<const char*>(blocks.info), qsizetype(malloc_usable_size(blocks.info)));
        const QByteArrayView bits(static_cast<const char*>(blocks.bits), qsizetype(malloc_usable_size(blocks.bits)));
        return image.CreateFromPackedDib(info, bits);
    }
    return false;
}
