#pragma once

#include <QCoreApplication>
#include <QString>

class CDibImage;

// Turns a picture file into a 24-bit DIB: the JPEG reader, then the bitmap
// reader, then the image plug-ins of a folder, whatever the file's
// extension. Transparent pixels (a PNG's, a GIF's) come in the key colour;
// no other pixel has it.
class CPictureLoader
{
    Q_DECLARE_TR_FUNCTIONS(CPictureLoader)

public:
    // pluginFolder empty: no plug-ins are asked. Only regular files are
    // read (a FIFO would block every reader for ever); `error` receives
    // what went wrong for the user: the file's own problem, or that no
    // reader knew its format.
    static bool LoadPicture(CDibImage& image, const QString& path, const QString& pluginFolder, QString* error = nullptr);

    // The plug-ins that come with the program: beside it, in its library
    // folder once installed, or in the build tree.
    static QString OwnPluginFolder();
    // The "SPI" path setting, or the program's own folder when it is empty.
    static QString PluginFolderFor(const QString& setting);
};
