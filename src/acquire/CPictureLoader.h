#pragma once

#include <QString>

class CDibImage;

// Turns a picture file into a DIB: the JPEG reader, then the bitmap reader,
// then the image plug-ins of a folder, whatever the file's extension.
class CPictureLoader
{
public:
    // pluginFolder empty: no plug-ins are asked.
    static bool LoadPicture(CDibImage& image, const QString& path, const QString& pluginFolder);

    // The plug-ins that come with the program: beside it, in its library
    // folder once installed, or in the build tree.
    static QString OwnPluginFolder();
    // The "SPI" path setting, or the program's own folder when it is empty.
    static QString PluginFolderFor(const QString& setting);
};
