#include "CAddSizeRules.h"

#include "AddControlIds.h"

#include "platform/MulDiv.h"
#include "view/dialogs/CFieldReader.h"
#include "view/settings/CIntegerField.h"

#include <cmath>

namespace {

// The scanner's rounding, one side: computed in floating point and truncated.
int ScanSide(int pixels, int dpi)
{
    return int(std::trunc((double(pixels) * 2540.0 - double(dpi - 1)) / double(dpi)));
}

} // namespace

CAddSizeRules::CAddSizeRules(int unit)
    : m_unit(unit)
{
}

CSize CAddSizeRules::FileSize(CSize pixels, int resolution)
{
    return {MulDiv(pixels.cx, 2540, resolution), MulDiv(pixels.cy, 2540, resolution)};
}

CSize CAddSizeRules::ScanSize(CSize pixels, int dpi)
{
    return {ScanSide(pixels.cx, dpi), ScanSide(pixels.cy, dpi)};
}

void CAddSizeRules::Start(CSize size)
{
    m_start = size;
    m_shown = size;
}

QString CAddSizeRules::GroupTitle() const
{
    return m_unit.IsInch() ? tr("Size (inch)") : tr("Size (mm)");
}

std::optional<int> CAddSizeRules::Typed(const QString& text, int field) const
{
    CFieldReader reader(m_unit);
    reader.Shows(AddControlIds::width, m_shown.cx);
    reader.Shows(AddControlIds::height, m_shown.cy);
    return reader.Length(text, field);
}

std::optional<QString> CAddSizeRules::OtherSide(const QString& typed, bool widthTyped)
{
    const std::optional<int> side = Typed(typed, widthTyped ? AddControlIds::width : AddControlIds::height);
    const int from = widthTyped ? m_start.cx : m_start.cy;
    const int to = widthTyped ? m_start.cy : m_start.cx;
    // A starting side of zero (a one-pixel scan at a very high resolution)
    // gives no ratio to keep.
    if (!side || from == 0)
        return std::nullopt;
    const int other = MulDiv(*side, to, from);
    m_shown = widthTyped ? CSize{*side, other} : CSize{other, *side};
    return Text(other);
}

std::optional<QString> CAddSizeRules::HeightForWidth(const QString& width)
{
    return OtherSide(width, true);
}

std::optional<QString> CAddSizeRules::WidthForHeight(const QString& height)
{
    return OtherSide(height, false);
}

std::optional<CFieldRefusal> CAddSizeRules::Read(const QString& width, const QString& height, CSize& size) const
{
    CFieldReader reader(m_unit);
    reader.Shows(AddControlIds::width, m_shown.cx);
    reader.Shows(AddControlIds::height, m_shown.cy);
    const std::optional<int> w = reader.LengthInRange(width, AddControlIds::width, MinimumSize(), MaximumSize());
    const std::optional<int> h = reader.LengthInRange(height, AddControlIds::height, MinimumSize(), MaximumSize());
    if (reader.Failed())
        return reader.Error();
    size = {*w, *h};
    return std::nullopt;
}

std::optional<CFieldRefusal> CAddSizeRules::ReadResolution(const QString& text, int& dpi)
{
    CIntegerField field(minimumResolution, maximumResolution, dpi);
    if (const QString refused = field.Take(text); !refused.isEmpty())
        return CFieldRefusal{AddControlIds::resolution, refused};
    dpi = field.Value();
    return std::nullopt;
}
