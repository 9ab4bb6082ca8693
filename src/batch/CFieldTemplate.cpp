#include "CFieldTemplate.h"

#include <algorithm>

namespace {

const QString serialName = QStringLiteral("serial");
const QString dateName = QStringLiteral("date");
const QString defaultDateFormat = QStringLiteral("yyyy-MM-dd");

QString Fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return {};
}

// A run of digits with an optional sign; nothing for anything else.
std::optional<qint64> Integer(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || text.isEmpty() || text.trimmed() != text)
        return std::nullopt;
    return value;
}

} // namespace

bool CFieldTemplate::MayHoldFields(const QString& text)
{
    return text.contains(QLatin1Char('{')) || text.contains(QLatin1Char('}'));
}

std::optional<CFieldTemplate> CFieldTemplate::Parse(const QString& text, QString* error)
{
    CFieldTemplate parsed;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && doubled) {
            literal += c;
            ++i;
            continue;
        }
        if (c == QLatin1Char('}')) {
            Fail(error, tr("A \"}\" at character %1 closes no field (write \"}}\" for the brace itself).").arg(i + 1));
            return std::nullopt;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), i + 1);
        const qsizetype nextOpen = text.indexOf(QLatin1Char('{'), i + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
            Fail(error, tr("The field at character %1 is not closed (write \"{{\" for the brace itself).").arg(i + 1));
            return std::nullopt;
        }
        const std::optional<Part> field = ParseField(text.mid(i + 1, close - i - 1), error);
        if (!field)
            return std::nullopt;
        parsed.AddLiteral(literal);
        literal.clear();
        parsed.m_parts.push_back(*field);
        i = close;
    }
    parsed.AddLiteral(literal);
    return parsed;
}

void CFieldTemplate::AddLiteral(const QString& text)
{
    if (text.isEmpty())
        return;
    Part part;
    part.text = text;
    m_parts.push_back(part);
}

std::optional<CFieldTemplate::Part> CFieldTemplate::ParseField(const QString& body, QString* error)
{
    Part part;
    const QString name = body.section(QLatin1Char(':'), 0, 0).trimmed();
    const bool hasSpec = body.contains(QLatin1Char(':'));
    const QString spec = body.section(QLatin1Char(':'), 1);
    if (name.isEmpty()) {
        Fail(error, tr("A field has no name: write {Column}, {#}, {serial} or {date}."));
        return std::nullopt;
    }
    if (name == QLatin1String("#") && !hasSpec) {
        part.kind = Part::Kind::recordNumber;
        return part;
    }
    if (name == serialName)
        return hasSpec ? ParseSerial(spec, error) : std::optional<Part>(Part{Part::Kind::serial, {}, 1, 0, 1});
    if (name == dateName) {
        part.kind = Part::Kind::date;
        part.text = hasSpec && !spec.isEmpty() ? spec : defaultDateFormat;
        return part;
    }
    part.kind = Part::Kind::column;
    // A column's name may itself hold a colon.
    part.text = body.trimmed();
    return part;
}

// "0001" starts at 1 with four digits; "0001+5" also steps by 5 ("-5" counts down).
std::optional<CFieldTemplate::Part> CFieldTemplate::ParseSerial(const QString& spec, QString* error)
{
    const qsizetype sign = std::max(spec.lastIndexOf(QLatin1Char('+')), spec.lastIndexOf(QLatin1Char('-')));
    const QString startText = sign > 0 ? spec.left(sign) : spec;
    const std::optional<qint64> start = Integer(startText);
    const std::optional<qint64> step = sign > 0 ? Integer(spec.mid(sign)) : std::optional<qint64>(1);
    if (!start || !step) {
        Fail(error, tr("The counter {serial:%1} is not a number: write {serial:0001} or {serial:0001+5}.").arg(spec));
        return std::nullopt;
    }
    Part part{Part::Kind::serial, spec, *start, 0, *step};
    part.width = int(startText.startsWith(QLatin1Char('-')) ? startText.size() - 1 : startText.size());
    return part;
}

bool CFieldTemplate::HasFields() const
{
    for (const Part& part : m_parts)
        if (part.kind != Part::Kind::literal)
            return true;
    return false;
}

QStringList CFieldTemplate::Columns() const
{
    QStringList columns;
    for (const Part& part : m_parts)
        if (part.kind == Part::Kind::column && !columns.contains(part.text))
            columns << part.text;
    return columns;
}

QString CFieldTemplate::Fill(const Record& record) const
{
    QString text;
    for (const Part& part : m_parts)
        text += FillPart(part, record);
    return text;
}

QString CFieldTemplate::FillPart(const Part& part, const Record& record) const
{
    switch (part.kind) {
    case Part::Kind::literal: return part.text;
    case Part::Kind::column: return record.column ? record.column(part.text) : QString();
    case Part::Kind::recordNumber: return QString::number(record.number);
    case Part::Kind::date: return record.date.toString(part.text);
    case Part::Kind::serial: break;
    }
    // Refused before any record by CounterProblem; nothing wraps around here.
    const qint64 value = CounterValue(part, record.number).value_or(0);
    // The smallest value has no positive counterpart of its own type.
    const quint64 magnitude = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    const QString digits = QString::number(magnitude).rightJustified(part.width, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

std::optional<qint64> CFieldTemplate::CounterValue(const Part& part, int record)
{
    qint64 steps = 0, value = 0;
    if (__builtin_mul_overflow(qint64(record) - 1, part.step, &steps)
        || __builtin_add_overflow(part.start, steps, &value))
        return std::nullopt;
    return value;
}

QString CFieldTemplate::CounterProblem(int firstRecord, int lastRecord) const
{
    for (const Part& part : m_parts) {
        // The values run in a straight line: its two ends are its extremes.
        if (part.kind == Part::Kind::serial
            && (!CounterValue(part, firstRecord) || !CounterValue(part, lastRecord)))
            return tr("The counter {serial:%1} runs out of the numbers a counter can hold by record %2.")
                .arg(part.text.isEmpty() ? QStringLiteral("1") : part.text)
                .arg(CounterValue(part, firstRecord) ? lastRecord : firstRecord);
    }
    return {};
}
