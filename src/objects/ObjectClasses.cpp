#include "ObjectClasses.h"

#include "CArcTextObj.h"
#include "CDibObj.h"
#include "CTextObj.h"

#include "platform/CClassRegistry.h"

const CClassRegistry& ObjectClasses()
{
    static const CClassRegistry registry{&CSymbolObj::classInfo, &CDibObj::classInfo, &CTextObj::classInfo,
                                         &CFreeTextObj::classInfo, &CArcTextObj::classInfo};
    return registry;
}
