#pragma once

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <optional>

// What a code shows in the layout itself, where no record fills its
// fields: its data as typed when the kind holds that, else the fields of a
// first record (each column's value its name), else, when columns decide,
// a placeholder square until a record gives the data.
class CCodeFields
{
    Q_DECLARE_TR_FUNCTIONS(CCodeFields)

public:
    // Nothing, with the reason, when the data's fields cannot be read or
    // the kind cannot hold the data whatever the records are.
    static std::optional<CCodeMatrix> LayoutMatrix(const CCodeDefinition& definition, const QDate& date, QString* error);

private:
    static CCodeMatrix Placeholder(const CCodeDefinition& definition);
};
