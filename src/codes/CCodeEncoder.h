#pragma once

#include "CCodeMatrix.h"
#include "CCodeDefinition.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

struct zint_symbol;

// Encodes a code's data (fields already filled) into modules with libzint.
// Only the symbol's module grid is taken; drawing it on the dot grid is
// ours (CCodeDrawing).
class CCodeEncoder
{
    Q_DECLARE_TR_FUNCTIONS(CCodeEncoder)

public:
    // Nothing, with the reason, for data the kind cannot hold.
    static std::optional<CCodeMatrix> Encode(const CCodeDefinition& definition, const QString& data, QString* error);

    static constexpr qsizetype maximumBytes = 8000;

private:
    // The zint kind, input mode and options for the definition; a rectangular
    // Data Matrix is tried at each rectangular size in turn (sizeIndex).
    static void Configure(zint_symbol& symbol, const CCodeDefinition& definition, int sizeIndex);
    static CCodeMatrix Modules(const zint_symbol& symbol, const CCodeDefinition& definition);
    static QString Reason(int result, const zint_symbol& symbol, const CCodeDefinition& definition);
};
