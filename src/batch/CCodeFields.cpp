#include "CCodeFields.h"

#include "CFieldTemplate.h"

#include "codes/CCodeEncoder.h"

namespace {

constexpr int placeholderModules = 16;

} // namespace

std::optional<CCodeMatrix> CCodeFields::LayoutMatrix(const CCodeSpec& spec, const QDate& date, QString* error)
{
    if (!CFieldTemplate::MayHoldFields(spec.data))
        return CCodeEncoder::Encode(spec, spec.data, error);
    QString why;
    const std::optional<CFieldTemplate> fields = CFieldTemplate::Parse(spec.data, &why);
    if (!fields) {
        if (error)
            *error = tr("The code's data: %1").arg(why);
        return std::nullopt;
    }
    if (std::optional<CCodeMatrix> literal = CCodeEncoder::Encode(spec, spec.data, nullptr))
        return literal;
    CFieldTemplate::Record first;
    first.date = date;
    first.column = [](const QString& column) { return column; };
    if (std::optional<CCodeMatrix> sample = CCodeEncoder::Encode(spec, fields->Fill(first), &why))
        return sample;
    if (fields->Columns().isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return Placeholder(spec);
}

CCodeMatrix CCodeFields::Placeholder(const CCodeSpec& spec)
{
    CCodeMatrix square(placeholderModules, placeholderModules);
    for (int i = 0; i < placeholderModules; ++i) {
        square.Set(i, 0);
        square.Set(i, placeholderModules - 1);
        square.Set(0, i);
        square.Set(placeholderModules - 1, i);
    }
    square.quiet = spec.QuietModules();
    return square;
}
