#include "CCodeFields.h"

#include "CFieldTemplate.h"

#include "codes/CCodeEncoder.h"

namespace {

constexpr int placeholderModules = 16;

} // namespace

std::optional<CCodeMatrix> CCodeFields::LayoutMatrix(const CCodeDefinition& definition, const QDate& date, QString* error)
{
    if (!CFieldTemplate::MayHoldFields(definition.data))
        return CCodeEncoder::Encode(definition, definition.data, error);
    QString why;
    const std::optional<CFieldTemplate> fields = CFieldTemplate::Parse(definition.data, &why);
    if (!fields) {
        if (error)
            *error = tr("The code's data: %1").arg(why);
        return std::nullopt;
    }
    if (std::optional<CCodeMatrix> literal = CCodeEncoder::Encode(definition, definition.data, nullptr))
        return literal;
    CFieldTemplate::Record first;
    first.date = date;
    first.column = [](const QString& column) { return column; };
    if (std::optional<CCodeMatrix> sample = CCodeEncoder::Encode(definition, fields->Fill(first), &why))
        return sample;
    if (fields->Columns().isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return Placeholder(definition);
}

CCodeMatrix CCodeFields::Placeholder(const CCodeDefinition& definition)
{
    CCodeMatrix square(placeholderModules, placeholderModules);
    for (int i = 0; i < placeholderModules; ++i) {
        square.Set(i, 0);
        square.Set(i, placeholderModules - 1);
        square.Set(0, i);
        square.Set(placeholderModules - 1, i);
    }
    square.quiet = definition.QuietModules();
    return square;
}
