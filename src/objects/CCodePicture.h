#pragma once

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"

#include "platform/CSize.h"

#include <QString>

#include <memory>
#include <optional>

class CDibObj;
class CDocumentContext;
class CSymbolObj;

// A code on the plate is a picture whose stored image is the code as last
// drawn and whose name carries what it is (CCodeDefinition::ToName): readers
// that do not know codes show that image; this program draws it anew from
// its data whenever its size, resolution or data changes.
class CCodePicture
{
public:
    // What the object is when it is a code picture.
    static std::optional<CCodeDefinition> DefinitionOf(const CSymbolObj& object);
    // The dots a module of the definition takes at the layout's resolution.
    static int ModuleDots(const CCodeDefinition& definition, const CDocumentContext& doc);

    // A new code picture at the layout's centre, its modules drawn from
    // `matrix` (the definition's data, or a record's when it holds fields).
    static std::unique_ptr<CDibObj> Make(const CCodeDefinition& definition, const CCodeMatrix& matrix, CDocumentContext& doc);
    // Makes the picture show `matrix` under the definition's name, with
    // `moduleDots` a module, its centre kept.
    static bool Apply(CDibObj& picture, const CCodeDefinition& definition, const CCodeMatrix& matrix, int moduleDots,
                      CDocumentContext& doc);

private:
    // The layout size (0.01 mm) that is exactly `dots` at the layout's
    // resolution, so the display image is drawn at the dots wanted.
    static CSize ExactSize(CSize dots, const CDocumentContext& doc);
};
