#include "ObjectName.h"

#include "CFreeTextObj.h"
#include "CTextObj.h"

#include "platform/AnsiCodec.h"

namespace ObjectName {

int CharSet(const CSymbolObj& object)
{
    if (const auto* block = dynamic_cast<const CTextObj*>(&object))
        return block->m_lf.lfCharSet;
    if (const auto* line = dynamic_cast<const CFreeTextObj*>(&object))
        return line->m_layout.m_lf.lfCharSet;
    return 0;
}

QString Decoded(const CSymbolObj& object)
{
    return AnsiCodec::Decode(object.m_strName, CharSet(object));
}

} // namespace ObjectName
