#include "CRecordLayout.h"

#include "CDataSource.h"
#include "CLayoutCopy.h"

#include "document/CVeldraDoc.h"
#include "objects/CFreeTextObj.h"
#include "objects/CTextObj.h"
#include "objects/ObjectName.h"
#include "platform/AnsiCodec.h"

#include <algorithm>

namespace {

bool IsText(const CSymbolObj& object)
{
    return dynamic_cast<const CTextObj*>(&object) || dynamic_cast<const CFreeTextObj*>(&object);
}

// A text block keeps its lines as CR LF; a horizontal or fan text has one line.
QString ValueFor(const CSymbolObj& object, QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (dynamic_cast<const CTextObj*>(&object))
        return value.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return value.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

CRecordLayout::~CRecordLayout() = default;

std::unique_ptr<CRecordLayout> CRecordLayout::Make(const CVeldraDoc& doc, QString* error)
{
    std::unique_ptr<CRecordLayout> made(new CRecordLayout);
    made->m_pLayout = CLayoutCopy::Make(doc);
    for (CSymbolObj* object : made->m_pLayout->GetObjects()) {
        const QString text = ObjectName::Decoded(*object);
        if (!IsText(*object) || !CFieldTemplate::MayHoldFields(text))
            continue;
        QString why;
        std::optional<CFieldTemplate> parsed = CFieldTemplate::Parse(text, &why);
        if (!parsed) {
            if (error)
                *error = tr("The text \"%1\": %2").arg(text, why);
            return nullptr;
        }
        if (!parsed->HasFields())
            continue;
        made->m_fields.push_back({object, std::move(*parsed), ObjectName::CharSet(*object), CFieldFit(*object)});
        // Its characters change on every record; most were drawn before.
        if (auto* line = dynamic_cast<CFreeTextObj*>(object))
            line->UseGlyphMasks(true);
    }
    std::optional<CRecordCodes> codes = CRecordCodes::Find(*made->m_pLayout, error);
    if (!codes)
        return nullptr;
    made->m_codes = std::move(*codes);
    made->m_pRenderer = std::make_unique<CPlateRenderer>(*made->m_pLayout);
    return made;
}

QStringList CRecordLayout::Columns() const
{
    QStringList columns;
    for (const FieldText& field : m_fields)
        for (const QString& column : field.text.Columns())
            if (!columns.contains(column))
                columns << column;
    for (const QString& column : m_codes.Columns())
        if (!columns.contains(column))
            columns << column;
    return columns;
}

QString CRecordLayout::MissingColumns(const CDataSource& data) const
{
    QStringList missing;
    for (const QString& column : Columns())
        if (!data.Columns().contains(column))
            missing << QLatin1Char('{') + column + QLatin1Char('}');
    if (missing.isEmpty())
        return {};
    const QString columns = data.Columns().isEmpty() ? tr("(no data file)") : data.Columns().join(QLatin1String(", "));
    return tr("The layout's fields %1 name no column of the data. Its columns: %2.")
        .arg(missing.join(QLatin1String(", ")), columns);
}

bool CRecordLayout::Apply(const CDataSource& data, int record, const QDate& date, QString* error)
{
    // Every text is filled before any changes, so a refused record leaves
    // the copy as it was.
    std::vector<QByteArray> texts(m_fields.size());
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (!Fill(m_fields[i], data, record, date, texts[i], error))
            return false;
    if (!m_codes.Fill(data, record, date, error))
        return false;
    m_codes.Apply(*m_pLayout);
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].object->m_strName != texts[i])
            m_fields[i].shrunk = m_fields[i].fit.Apply(texts[i]);
    return true;
}

QString CRecordLayout::CounterProblem(int firstRecord, int lastRecord) const
{
    for (const FieldText& field : m_fields)
        if (QString problem = field.text.CounterProblem(firstRecord, lastRecord); !problem.isEmpty())
            return problem;
    return m_codes.CounterProblem(firstRecord, lastRecord);
}

bool CRecordLayout::Shrunk() const
{
    return std::any_of(m_fields.begin(), m_fields.end(), [](const FieldText& field) { return field.shrunk; });
}

bool CRecordLayout::Fill(const FieldText& field, const CDataSource& data, int record, const QDate& date,
                         QByteArray& bytes, QString* error) const
{
    if (const QString problem = field.text.CounterProblem(record, record); !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    for (const QString& column : field.text.Columns()) {
        const QString value = data.Value(record, column);
        // A text ends at a NUL wherever it goes next: the plate would show
        // less than the data holds.
        if (value.contains(QChar(0))) {
            if (error)
                *error = tr("Record %1, column \"%2\": the value holds a NUL character.").arg(record).arg(column);
            return false;
        }
        if (AnsiCodec::CanHold(value, field.charSet))
            continue;
        if (error)
            *error = tr("Record %1, column \"%2\": the text's code page cannot hold \"%3\".")
                         .arg(record)
                         .arg(column, AnsiCodec::Unheld(value, field.charSet));
        return false;
    }
    CFieldTemplate::Record values;
    values.number = record;
    values.date = date;
    values.column = [&](const QString& column) { return ValueFor(*field.object, data.Value(record, column)); };
    bytes = AnsiCodec::Encode(field.text.Fill(values), field.charSet);
    return true;
}
