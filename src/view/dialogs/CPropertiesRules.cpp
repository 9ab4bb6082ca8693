#include "CPropertiesRules.h"

#include "DialogControlIds.h"

#include "objects/CSymbolObj.h"
#include "platform/MulDiv.h"

namespace {

constexpr int minimumSizeMm100 = 50;
constexpr int maximumSizeMm100 = 100000;

} // namespace

CPropertiesRules::CPropertiesRules(int unit)
    : m_unit(unit)
{
}

void CPropertiesRules::Load(const CSymbolObj& object)
{
    const CPoint position = object.GetPosition();
    const CSize size = object.GetSize();
    m_original = {position.x, position.y, size.cx, size.cy};
    m_fields = {m_unit.Format(position.x), m_unit.Format(position.y), m_unit.Format(size.cx), m_unit.Format(size.cy),
                object.HasFlag(SOF_KEEPASPECT)};
    // A side of zero would make the ratio useless (or a division by zero).
    m_sizeReference = {size.cx == 0 ? 1 : size.cx, size.cy == 0 ? 1 : size.cy};
}

std::optional<QString> CPropertiesRules::HeightForWidth(const QString& width) const
{
    const std::optional<int> value = m_unit.Parse(width);
    if (!value)
        return std::nullopt;
    return m_unit.Format(MulDiv(*value, m_sizeReference.cy, m_sizeReference.cx));
}

std::optional<QString> CPropertiesRules::WidthForHeight(const QString& height) const
{
    const std::optional<int> value = m_unit.Parse(height);
    if (!value)
        return std::nullopt;
    return m_unit.Format(MulDiv(*value, m_sizeReference.cx, m_sizeReference.cy));
}

double CPropertiesRules::MinimumSize() const
{
    return CFieldReader::ShownLimit(m_unit, minimumSizeMm100);
}

double CPropertiesRules::MaximumSize() const
{
    return CFieldReader::ShownLimit(m_unit, maximumSizeMm100);
}

std::optional<CFieldRefusal> CPropertiesRules::Apply(const Fields& fields, CSymbolObj& object) const
{
    CFieldReader reader(m_unit);
    reader.Shows(DialogControlIds::positionX, m_original.left);
    reader.Shows(DialogControlIds::positionY, m_original.top);
    reader.Shows(DialogControlIds::width, m_original.right);
    reader.Shows(DialogControlIds::height, m_original.bottom);
    const std::optional<int> x = reader.Length(fields.x, DialogControlIds::positionX);
    const std::optional<int> y = reader.Length(fields.y, DialogControlIds::positionY);
    const std::optional<int> w = reader.LengthInRange(fields.width, DialogControlIds::width, MinimumSize(), MaximumSize());
    const std::optional<int> h =
        reader.LengthInRange(fields.height, DialogControlIds::height, MinimumSize(), MaximumSize());
    if (reader.Failed())
        return reader.Error();
    if (fields.keepAspect)
        object.m_dwFlags |= SOF_KEEPASPECT;
    else
        object.m_dwFlags &= ~SOF_KEEPASPECT;
    object.SetBounds(*x, *y, *w, *h);
    return std::nullopt;
}
