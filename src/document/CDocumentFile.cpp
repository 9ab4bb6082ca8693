#include "CDocumentFile.h"

#include "CVeldraDoc.h"

#include "objects/ObjectClasses.h"
#include "platform/CArchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstring>

const char* const CDocumentFile::magic = "Corvex KZ Corporation Veldra Document";

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CDocumentFile", text);
}

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
    char header[magicSize + 1] = {};
    ar.Read(header, magicSize);
    // Compared as a zero-terminated text: what follows its end is ignored.
    if (std::strcmp(header, magic) != 0)
        throw CArchiveException(CArchiveException::badIndex);
    std::uint32_t version;
    std::int32_t width, height, brightness, contrast, gamma = -500, invert = 0;
    std::uint32_t base;
    ar >> version;
    if (version > currentVersion)
        throw CArchiveException(CArchiveException::badSchema);
    ar >> width >> height >> base >> brightness >> contrast;
    if (version >= 1)
        ar >> gamma;
    if (version >= 2)
        ar >> invert;
    std::vector<std::unique_ptr<CObject>> objects = ar.ReadOwnedObjectList(&CSymbolObj::classInfo);

    doc.m_sizeMaterial = {width, height};
    doc.m_crBase = base;
    doc.m_bInvert = invert ? 1 : 0;
    for (auto& object : objects)
        doc.m_objects.emplace_back(static_cast<CSymbolObj*>(object.release()));
    doc.UpdateHasMaterial();
    doc.Adjustments().Set({brightness, contrast, gamma});
}

CDocumentFile::Result CDocumentFile::Open(CVeldraDoc& doc, const QString& path)
{
    doc.DeleteContents();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return {false, Tr("%1\nCannot find this file.\nPlease verify that the correct path and file name are given.").arg(path), false};
        return {false, Tr("Failed to open document."), false};
    }
    if (file.size() == 0)
        return {true, {}, false};
    try {
        CArchive ar(file, CArchive::load, &ObjectClasses());
        ar.m_pDocument = &doc;
        Serialize(doc, ar);
    } catch (const CArchiveException&) {
        doc.DeleteContents();
        return {false, Tr("Unexpected file format."), true};
    } catch (const std::exception&) {
        doc.DeleteContents();
        return {false, Tr("Failed to open document."), false};
    }
    doc.SetModifiedFlag(false);
    return {true, {}, false};
}

CDocumentFile::Result CDocumentFile::Save(CVeldraDoc& doc, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, Tr("Failed to save document."), false};
    try {
        CArchive ar(file, CArchive::store);
        ar.m_pDocument = &doc;
        Serialize(doc, ar);
        ar.Close();
    } catch (const std::exception&) {
        file.cancelWriting();
        return {false, Tr("Failed to save document."), false};
    }
    if (!file.commit())
        return {false, Tr("Failed to save document."), false};
    doc.SetModifiedFlag(false);
    return {true, {}, false};
}
