#include "CCodePicture.h"

#include "CDibObj.h"
#include "CDocumentContext.h"
#include "ObjectFlags.h"

#include "codes/CCodeDrawing.h"
#include "codes/CModuleSize.h"

#include <algorithm>

std::optional<CCodeDefinition> CCodePicture::DefinitionOf(const CSymbolObj& object)
{
    if (object.Kind() != SOK_PICTURE || !dynamic_cast<const CDibObj*>(&object))
        return std::nullopt;
    return CCodeDefinition::FromName(object.m_strName);
}

int CCodePicture::ModuleDots(const CCodeDefinition& definition, const CDocumentContext& doc)
{
    return CModuleSize::Dots(definition.moduleMicrons / 1000.0, doc.GetResolution());
}

std::unique_ptr<CDibObj> CCodePicture::Make(const CCodeDefinition& definition, const CCodeMatrix& matrix, CDocumentContext& doc)
{
    auto picture = std::make_unique<CDibObj>();
    picture->m_dwFlags = flagsPicture;
    if (!Apply(*picture, definition, matrix, ModuleDots(definition, doc), doc))
        return nullptr;
    return picture;
}

bool CCodePicture::Apply(CDibObj& picture, const CCodeDefinition& definition, const CCodeMatrix& matrix, int moduleDots,
                         CDocumentContext& doc)
{
    const CSize dots = CCodeDrawing::DotsFor(matrix, std::max(moduleDots, 1));
    CDibImage drawn;
    if (!CCodeDrawing::Draw(matrix, definition.modulesWhite, dots, drawn))
        return false;
    picture.StoredImage() = std::move(drawn);
    picture.m_strName = definition.ToName();
    const CSize size = ExactSize(dots, doc);
    picture.SetSize(size.cx, size.cy);
    picture.Refresh(&doc);
    return true;
}

CSize CCodePicture::ExactSize(CSize dots, const CDocumentContext& doc)
{
    CSize size = doc.DeviceToDocSize(dots);
    // Rounding both ways may land a unit off; a few steps find the size
    // that converts back to exactly the dots.
    for (int step = 0; step < 8 && doc.DocToDeviceSize(size).cx < dots.cx; ++step)
        ++size.cx;
    for (int step = 0; step < 8 && doc.DocToDeviceSize(size).cx > dots.cx; ++step)
        --size.cx;
    for (int step = 0; step < 8 && doc.DocToDeviceSize(size).cy < dots.cy; ++step)
        ++size.cy;
    for (int step = 0; step < 8 && doc.DocToDeviceSize(size).cy > dots.cy; ++step)
        --size.cy;
    return size;
}
