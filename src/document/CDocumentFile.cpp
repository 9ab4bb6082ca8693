#include "CDocumentFile.h"

#include "CVeldraDoc.h"

#include "objects/CSymbolObj.h"
#include "objects/ObjectClasses.h"
#include "platform/CArchive.h"
#include "platform/CArchiveException.h"
#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"

#include <QCoreApplication>

#include <cstring>

const char* const CDocumentFile::magic = "Corvex KZ Corporation Veldra Document";

namespace {

// Marks the document as reading or writing a whole file for as long as it lasts.
class SerializingFile
{
public:
    explicit SerializingFile(bool& flag) : m_flag(flag) { m_flag = true; }
    ~SerializingFile() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

void CDocumentFile::Serialize(CVeldraDoc& doc, CArchive& ar)
{
    SerializingFile guard(doc.m_bSerializingFile);
    doc.m_fileDisplayBytes = 0;
    if (ar.IsStoring())
        Store(doc, ar);
    else
        Load(doc, ar);
}

void CDocumentFile::Store(CVeldraDoc& doc, CArchive& ar)
{
    char header[magicSize] = {};
    std::strncpy(header, magic, magicSize);
    ar.Write(header, magicSize);
    const CEngraverAdjustments adjustments = doc.Adjustments().Get();
    ar << currentVersion << std::int32_t(doc.m_sizeMaterial.cx) << std::int32_t(doc.m_sizeMaterial.cy)
       << std::uint32_t(doc.m_crBase) << std::int32_t(adjustments.brightness) << std::int32_t(adjustments.contrast)
       << std::int32_t(adjustments.gamma) << doc.m_bInvert;
    std::vector<const CObject*> objects;
    for (const auto& object : doc.m_objects)
        objects.push_back(object.get());
    ar.WriteObjectList(objects);
}

void CDocumentFile::Load(CVeldraDoc& doc, CArchive& ar)
{
    Contents contents = Read(ar);
    Apply(doc, contents);
}

CDocumentFile::Contents CDocumentFile::Read(CArchive& ar)
{
    char header[magicSize + 1] = {};
    ar.Read(header, magicSize);
    // Compared as a zero-terminated text: what follows its end is ignored.
    if (std::strcmp(header, magic) != 0)
        throw CArchiveException(CArchiveException::badIndex);
    std::uint32_t version;
    Contents contents;
    ar >> version;
    if (version > currentVersion)
        throw CArchiveException(CArchiveException::badSchema);
    ar >> contents.width >> contents.height >> contents.base >> contents.brightness >> contents.contrast;
    // The margins and the device size are sums and halves of the material:
    // one no layout holds (damaged bytes) would overflow them.
    if (!CSymbolObj::IsPlausibleExtent(contents.width) || !CSymbolObj::IsPlausibleExtent(contents.height))
        throw CArchiveException(CArchiveException::genericException);
    if (version >= 1)
        ar >> contents.gamma;
    if (version >= 2)
        ar >> contents.invert;
    contents.objects = ar.ReadOwnedObjectList(&CSymbolObj::classInfo);
    return contents;
}

void CDocumentFile::Apply(CVeldraDoc& doc, Contents& contents)
{
    doc.m_sizeMaterial = {contents.width, contents.height};
    doc.m_crBase = contents.base;
    doc.m_bInvert = contents.invert ? 1 : 0;
    for (auto& object : contents.objects)
        doc.m_objects.emplace_back(static_cast<CSymbolObj*>(object.release()));
    doc.UpdateHasMaterial();
    doc.Adjustments().Set({contents.brightness, contents.contrast, contents.gamma});
}

CDocumentFile::Result CDocumentFile::Open(CVeldraDoc& doc, const QString& path)
{
    CInputFile file(path);
    if (!file.Open())
        return {false, file.ErrorText(), false};
    // The whole file is read before the open layout is touched, so a file
    // that fails to load leaves the user's layout as it was.
    Contents contents;
    if (file.File().size() > 0) {
        try {
            CArchive ar(file.File(), CArchive::load, &ObjectClasses());
            ar.m_pDocument = &doc;
            SerializingFile guard(doc.m_bSerializingFile);
            doc.m_fileDisplayBytes = 0;
            contents = Read(ar);
        } catch (const CArchiveException&) {
            return {false, QCoreApplication::translate("CDocumentFile", "Unexpected file format."), true};
        } catch (const std::exception&) {
            return {false, QCoreApplication::translate("CDocumentFile", "Failed to open document."), false};
        }
    }
    doc.OnNewDocument();
    Apply(doc, contents);
    doc.SetModifiedFlag(false);
    return {true, {}, false};
}

CDocumentFile::Result CDocumentFile::Save(CVeldraDoc& doc, const QString& path)
{
    const Result written = Write(doc, path);
    if (written.ok)
        doc.SetModifiedFlag(false);
    return written;
}

CDocumentFile::Result CDocumentFile::Write(CVeldraDoc& doc, const QString& path)
{
    QString error;
    const bool saved = CSafeSave::Write(path, [&doc](QIODevice& device) {
        try {
            CArchive ar(device, CArchive::store);
            ar.m_pDocument = &doc;
            Serialize(doc, ar);
            ar.Close();
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }, &error);
    if (!saved)
        return {false, QCoreApplication::translate("CDocumentFile", "Failed to save document.") + QLatin1Char('\n') + error, false};
    return {true, {}, false};
}
