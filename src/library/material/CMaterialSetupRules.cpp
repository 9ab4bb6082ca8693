#include "CMaterialSetupRules.h"

#include "CLibraryMaterial.h"

#include "objects/CDibObj.h"
#include "view/dialogs/CFieldReader.h"

#include <QFileInfo>

CMaterialSetupRules::CMaterialSetupRules(int unit, const MaterialChoice& start, CSize maximum)
    : m_unit(unit), m_maximum(maximum), m_choice(start)
{
    m_choice.shape = MaterialChoice::KnownShape(start.shape);
    if (m_choice.IsLibrary())
        LoadLibraryMaterial();
}

CMaterialSetupRules::~CMaterialSetupRules() = default;

double CMaterialSetupRules::MinimumShown() const
{
    return CFieldReader::ShownLimit(m_unit, minimumSide);
}

double CMaterialSetupRules::MaximumShown(int field) const
{
    return CFieldReader::ShownLimit(m_unit, field == widthField ? m_maximum.cx : m_maximum.cy);
}

std::optional<CFieldRefusal> CMaterialSetupRules::Accept(const QString& width, const QString& height)
{
    CFieldReader reader(m_unit);
    reader.Shows(widthField, m_choice.size.cx);
    reader.Shows(heightField, m_choice.size.cy);
    const std::optional<int> w = reader.LengthInRange(width, widthField, MinimumShown(), MaximumShown(widthField));
    const std::optional<int> h = reader.LengthInRange(height, heightField, MinimumShown(), MaximumShown(heightField));
    if (reader.Failed())
        return reader.Error();
    m_choice.size = {*w, *h};
    return std::nullopt;
}

void CMaterialSetupRules::TakeQuietly(const QString& width, const QString& height)
{
    Accept(width, height);
}

void CMaterialSetupRules::TakeLibraryChoice(const QString& path)
{
    m_choice.shape = MaterialChoice::libraryShape;
    m_choice.path = path;
    LoadLibraryMaterial();
}

void CMaterialSetupRules::LibraryChoiceCancelled()
{
    if (m_choice.IsLibrary() && !QFileInfo::exists(m_choice.path))
        m_choice.shape = 0;
}

void CMaterialSetupRules::LoadLibraryMaterial()
{
    m_pLibrary = CLibraryMaterial::Read(m_choice.path);
    if (!m_pLibrary)
        m_choice.shape = 0;
}
