#include "CLayoutStamp.h"

#include "document/CVeldraDoc.h"
#include "objects/CFreeTextObj.h"
#include "objects/CTextObj.h"
#include "platform/CArchive.h"

#include <QBuffer>

namespace CLayoutStamp {

namespace {

bool IsText(const CSymbolObj& object)
{
    return dynamic_cast<const CTextObj*>(&object) || dynamic_cast<const CFreeTextObj*>(&object);
}

void AddObject(CArchive& ar, CSymbolObj& object)
{
    ar << quint64(reinterpret_cast<quintptr>(&object));
    // A text's record is small: all of it. A picture's holds its image.
    if (IsText(object)) {
        object.Serialize(ar);
        return;
    }
    ar << object.m_dwFlags << object.m_bVisible << std::int32_t(object.m_ptCenter.x) << std::int32_t(object.m_ptCenter.y)
       << std::int32_t(object.m_size.cx) << std::int32_t(object.m_size.cy);
    ar.WriteString(object.m_strName);
}

} // namespace

QByteArray Of(const CVeldraDoc& doc)
{
    QByteArray stamp;
    QBuffer buffer(&stamp);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    ar << std::int32_t(doc.GetResolution()) << std::int32_t(doc.GetDeviceSize().cx)
       << std::int32_t(doc.GetDeviceSize().cy) << std::int32_t(doc.GetPrintableSize().cx)
       << std::int32_t(doc.GetPrintableSize().cy) << std::int32_t(doc.GetMaterialSize().cx)
       << std::int32_t(doc.GetMaterialSize().cy) << std::uint32_t(doc.GetBaseColor())
       << std::int32_t(doc.IsInverted() ? 1 : 0) << std::int32_t(doc.GetObjectCount());
    for (CSymbolObj* object : doc.GetObjects())
        AddObject(ar, *object);
    ar.Close();
    return stamp;
}

} // namespace CLayoutStamp
