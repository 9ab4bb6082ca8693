#include "ObjectName.h"

#include "CCodePicture.h"
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
    // A code's name is what it is, not words: its kind and data are.
    if (const std::optional<CCodeDefinition> code = CCodePicture::DefinitionOf(object))
        return code->Caption();
    return AnsiCodec::Decode(object.m_strName, CharSet(object));
}

} // namespace ObjectName
