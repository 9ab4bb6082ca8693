#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class CDibObj;

// A material from the material library: a symbol file read into a picture
// object that the document takes as its outline.
class CLibraryMaterial
{
public:
    // Null when the file is missing or cannot be read as a symbol file.
    static std::unique_ptr<CDibObj> Read(const QString& path);

    // Whatever kind the file says it is, the object becomes the material:
    // the behaviour bits (0-7) and the high word stay, the kind bits go,
    // and the material's flags are added.
    static std::uint32_t MaterialFlags(std::uint32_t flags);
};
