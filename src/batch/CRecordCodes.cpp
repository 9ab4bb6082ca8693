#include "CRecordCodes.h"

#include "CDataSource.h"

#include "codes/CCodeEncoder.h"
#include "document/CVeldraDoc.h"
#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"

std::optional<CRecordCodes> CRecordCodes::Find(CVeldraDoc& layout, QString* error)
{
    CRecordCodes found;
    for (CSymbolObj* object : layout.GetObjects()) {
        const std::optional<CCodeDefinition> definition = CCodePicture::DefinitionOf(*object);
        if (!definition || !CFieldTemplate::MayHoldFields(definition->data))
            continue;
        QString why;
        std::optional<CFieldTemplate> fields = CFieldTemplate::Parse(definition->data, &why);
        if (!fields) {
            if (error)
                *error = tr("The code \"%1\": %2").arg(definition->data, why);
            return std::nullopt;
        }
        if (fields->HasFields())
            found.m_codes.push_back({static_cast<CDibObj*>(object), *definition, std::move(*fields),
                                     CCodePicture::ModuleDots(*definition, layout), {}, {}});
    }
    return found;
}

QStringList CRecordCodes::Columns() const
{
    QStringList columns;
    for (const FieldCode& code : m_codes)
        for (const QString& column : code.data.Columns())
            if (!columns.contains(column))
                columns << column;
    return columns;
}

QString CRecordCodes::CounterProblem(int firstRecord, int lastRecord) const
{
    for (const FieldCode& code : m_codes)
        if (QString problem = code.data.CounterProblem(firstRecord, lastRecord); !problem.isEmpty())
            return problem;
    return {};
}

bool CRecordCodes::Fill(const CDataSource& data, int record, const QDate& date, QString* error)
{
    for (FieldCode& code : m_codes) {
        if (const QString problem = code.data.CounterProblem(record, record); !problem.isEmpty()) {
            if (error)
                *error = problem;
            return false;
        }
        CFieldTemplate::Record values;
        values.number = record;
        values.date = date;
        values.column = [&](const QString& column) { return data.Value(record, column); };
        code.filled = code.data.Fill(values);
        QString why;
        code.matrix = CCodeEncoder::Encode(code.definition, code.filled, &why);
        if (!code.matrix) {
            if (error)
                *error = tr("Record %1: %2").arg(record).arg(why);
            return false;
        }
    }
    return true;
}

void CRecordCodes::Apply(CVeldraDoc& layout)
{
    for (FieldCode& code : m_codes) {
        if (!code.matrix)
            continue;
        CCodeDefinition filled = code.definition;
        filled.data = code.filled;
        if (code.picture->m_strName != filled.ToName())
            CCodePicture::Apply(*code.picture, filled, *code.matrix, code.moduleDots, layout);
    }
}
