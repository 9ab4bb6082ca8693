#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class CDibImage;

// The image plug-ins of a folder, loaded for one attempt at a file and
// unloaded when the list goes. Plug-ins without the three entry points or
// without the "00IN" version text are skipped.
class CPluginList
{
public:
    static constexpr int headSize = 2048;

    explicit CPluginList(const QString& folder);
    ~CPluginList();
    CPluginList(const CPluginList&) = delete;
    CPluginList& operator=(const CPluginList&) = delete;

    int Count() const { return int(m_plugins.size()); }

    // The kinds of file the plug-ins say they read, for open dialogs.
    struct FileKind
    {
        QStringList patterns; // "*.png", ...
        QString description;
    };
    std::vector<FileKind> FileKinds() const;
    // The first plug-in that supports the file decides.
    bool Load(CDibImage& image, const QString& path) const;

private:
    struct Plugin
    {
        void* handle;
        QString file;
    };
    std::vector<Plugin> m_plugins;
};
