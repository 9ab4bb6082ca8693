#pragma once

#include "CFieldTemplate.h"

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CDataSource;
class CDibObj;
class CVeldraDoc;

// The codes of a record's copy of a layout whose data holds fields: each
// record's data is encoded (and refused, naming the record, when the kind
// cannot hold it) before any code changes, then drawn with the module size
// of the layout's code.
class CRecordCodes
{
    Q_DECLARE_TR_FUNCTIONS(CRecordCodes)

public:
    // Nothing, with the reason, when a code's fields cannot be read.
    static std::optional<CRecordCodes> Find(CVeldraDoc& layout, QString* error);

    bool HasFields() const { return !m_codes.empty(); }
    QStringList Columns() const;
    QString CounterProblem(int firstRecord, int lastRecord) const;
    // Encodes every code for the record; false, naming the record, when one
    // cannot be. Nothing changes in the layout yet.
    bool Fill(const CDataSource& data, int record, const QDate& date, QString* error);
    // Draws the codes filled last.
    void Apply(CVeldraDoc& layout);

private:
    struct FieldCode
    {
        CDibObj* picture = nullptr;
        CCodeDefinition definition;
        CFieldTemplate data;
        int moduleDots = 0;
        QString filled;
        std::optional<CCodeMatrix> matrix;
    };

    std::vector<FieldCode> m_codes;
};
