#include "CLibraryMaterial.h"

#include "document/CPictureCommands.h"
#include "objects/CDibObj.h"

std::unique_ptr<CDibObj> CLibraryMaterial::Read(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    std::unique_ptr<CDibObj> object = CPictureCommands::ReadLibraryFile(path);
    if (object)
        object->m_dwFlags = MaterialFlags(object->m_dwFlags);
    return object;
}

std::uint32_t CLibraryMaterial::MaterialFlags(std::uint32_t flags)
{
    return (flags & ~std::uint32_t(0xFF00)) | flagsMaterial;
}
