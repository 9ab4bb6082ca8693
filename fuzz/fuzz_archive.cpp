// The archive reader on hostile streams: strings, counts and the object tag
// scheme with nested objects, point paths and image records. Every outcome
// is objects read or an archive exception; nothing leaks.
#include "imaging/CDibImage.h"
#include "objects/CPointPath.h"
#include "platform/CArchive.h"
#include "platform/CClassRegistry.h"

#include <QBuffer>

#include <cstdint>
#include <memory>
#include <new>

namespace {

// An object holding a child object, a string, a path and an image, so the
// fuzzer reaches every reader through the tag scheme.
class CFuzzObj : public CObject
{
    VELDRA_DECLARE_SERIAL(CFuzzObj)
public:
    ~CFuzzObj() override = default;
    void Serialize(CArchive& ar) override
    {
        ar.GetObjectSchema();
        m_name = ar.ReadString();
        std::uint8_t parts;
        ar >> parts;
        if (parts & 1)
            m_path.Serialize(ar);
        if (parts & 2)
            m_image.Serialize(ar);
        if (parts & 4)
            m_child = ar.ReadOwnedObject(&CFuzzObj::classInfo);
    }
    QByteArray m_name;
    CPointPath m_path;
    CDibImage m_image;
    std::unique_ptr<CObject> m_child;
};
const CRuntimeClass CFuzzObj::classInfo = {"CDibObj", 3, true, &CFuzzObj::CreateInstance, nullptr};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CClassRegistry registry{&CFuzzObj::classInfo, &CPointPath::classInfo};
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(buffer, CArchive::load, &registry);
    try {
        ar.ReadCount();
        ar.ReadString();
        auto list = ar.ReadOwnedObjectList(nullptr);
        (void)list;
    } catch (const CArchiveException&) {
    } catch (const CFileException&) {
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
