// Picture files from strangers through the JPEG and bitmap readers: a
// picture or a clean refusal.
#include "acquire/CPictureLoader.h"
#include "imaging/CDibImage.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    CDibImage image;
    if (CPictureLoader::LoadPicture(image, path, {})) {
        unsigned sum = 0;
        for (int y = 0; y < image.Height(); ++y)
            sum += image.Row(y)[image.Stride() - 1];
        (void)sum;
    }
    return 0;
}
