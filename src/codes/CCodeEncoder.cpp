#include "CCodeEncoder.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// zint's numbers for the rectangular Data Matrix sizes, smallest first:
// 8x18, 8x32, 12x26, 12x36, 16x36, 16x48.
constexpr int firstRectangularSize = 25;
constexpr int rectangularSizes = 6;

// Bars of a linear code stand 15 % of its length, never under 20 modules.
int BarHeight(int width)
{
    return std::max(20, int(std::ceil(width * 0.15)));
}

struct SymbolDeleter
{
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

void CCodeEncoder::Configure(zint_symbol& symbol, const CCodeDefinition& definition, int sizeIndex)
{
    symbol.input_mode = UNICODE_MODE;
    switch (definition.kind) {
    case CCodeDefinition::Kind::dataMatrix:
        symbol.symbology = BARCODE_DATAMATRIX;
        symbol.option_3 = DM_SQUARE;
        break;
    case CCodeDefinition::Kind::dataMatrixRect:
        symbol.symbology = BARCODE_DATAMATRIX;
        symbol.option_2 = firstRectangularSize + sizeIndex;
        break;
    case CCodeDefinition::Kind::qr:
        symbol.symbology = BARCODE_QRCODE;
        symbol.option_1 = int(QByteArray("LMQH").indexOf(char(definition.ecc.toLatin1()))) + 1;
        break;
    case CCodeDefinition::Kind::code128:
        symbol.symbology = BARCODE_CODE128;
        break;
    case CCodeDefinition::Kind::gs1DataMatrix:
        symbol.symbology = BARCODE_DATAMATRIX;
        symbol.option_3 = DM_SQUARE;
        symbol.input_mode = GS1_MODE | GS1PARENS_MODE;
        // zint only warns of a GS1 string that breaks its rules (a wrong
        // check digit): such a code is refused, not engraved.
        symbol.warn_level = WARN_FAIL_ALL;
        break;
    case CCodeDefinition::Kind::gs1_128:
        symbol.symbology = BARCODE_GS1_128;
        symbol.input_mode = GS1_MODE | GS1PARENS_MODE;
        // zint only warns of a GS1 string that breaks its rules (a wrong
        // check digit): such a code is refused, not engraved.
        symbol.warn_level = WARN_FAIL_ALL;
        break;
    }
}

std::optional<CCodeMatrix> CCodeEncoder::Encode(const CCodeDefinition& definition, const QString& data, QString* error)
{
    if (data.isEmpty()) {
        if (error)
            *error = tr("The code has no data.");
        return std::nullopt;
    }
    const QByteArray bytes = data.toUtf8();
    // No kind holds more (a QR code takes 7089 digits at most): longer data,
    // from a damaged or hostile name say, never reaches the encoder.
    if (bytes.size() > maximumBytes) {
        if (error)
            *error = tr("The data is too long for %1 (%2 bytes).").arg(CCodeDefinition::Title(definition.kind)).arg(bytes.size());
        return std::nullopt;
    }
    const int attempts = definition.kind == CCodeDefinition::Kind::dataMatrixRect ? rectangularSizes : 1;
    QString reason;
    for (int size = 0; size < attempts; ++size) {
        std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
        if (!symbol) {
            reason = tr("Out of memory.");
            break;
        }
        Configure(*symbol, definition, size);
        const int result = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                                           int(bytes.size()));
        if (result < ZINT_ERROR)
            return Modules(*symbol, definition);
        reason = Reason(result, *symbol, definition);
    }
    if (error)
        *error = reason;
    return std::nullopt;
}

CCodeMatrix CCodeEncoder::Modules(const zint_symbol& symbol, const CCodeDefinition& definition)
{
    const bool linear = definition.IsLinear();
    CCodeMatrix matrix(symbol.width, linear ? BarHeight(symbol.width) : symbol.rows);
    for (int y = 0; y < matrix.Height(); ++y) {
        const unsigned char* row = symbol.encoded_data[linear ? 0 : y];
        for (int x = 0; x < matrix.Width(); ++x)
            if ((row[x >> 3] >> (x & 7)) & 1)
                matrix.Set(x, y);
    }
    matrix.quiet = definition.QuietModules();
    if (linear && definition.humanText)
        matrix.humanText = QString::fromUtf8(reinterpret_cast<const char*>(symbol.text));
    return matrix;
}

QString CCodeEncoder::Reason(int result, const zint_symbol& symbol, const CCodeDefinition& definition)
{
    // zint's own text says what exactly is wrong ("Error 776: Invalid
    // character ..."): kept as the detail, without its number.
    QString detail = QString::fromUtf8(symbol.errtxt);
    if (const qsizetype colon = detail.indexOf(QLatin1String(": ")); detail.startsWith(QLatin1String("Error")) && colon > 0)
        detail = detail.mid(colon + 2);
    const QString title = CCodeDefinition::Title(definition.kind);
    switch (result) {
    case ZINT_ERROR_TOO_LONG: return tr("The data is too long for %1 (%2).").arg(title, detail);
    case ZINT_ERROR_INVALID_DATA:
    case ZINT_ERROR_INVALID_CHECK:
    case ZINT_ERROR_NONCOMPLIANT: return tr("%1 cannot hold this data: %2.").arg(title, detail);
    default: return tr("%1 could not be made: %2.").arg(title, detail);
    }
}
