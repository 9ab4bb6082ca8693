#include "CPreviewRules.h"

#include "output/CPreviewPicture.h"
#include "platform/LocalNumber.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

// The leading number of a text, as the C library reads one ("12x" is 12,
// an empty or unreadable text 0), but always with a decimal point: the
// C library would follow the user's locale.
QString LeadingNumber(const QString& text, const QRegularExpression& pattern)
{
    return pattern.match(text.trimmed()).captured(0);
}

qlonglong LeadingInteger(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d+"));
    const QString number = LeadingNumber(text, pattern);
    bool ok = false;
    const qlonglong value = number.toLongLong(&ok);
    if (ok || number.isEmpty())
        return value;
    // More digits than a long long holds: far beyond either end anyway.
    return number.startsWith(QLatin1Char('-')) ? std::numeric_limits<qlonglong>::min()
                                               : std::numeric_limits<qlonglong>::max();
}

double LeadingReal(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    return QLocale::c().toDouble(LeadingNumber(LocalNumber::WithPoint(text), pattern));
}

} // namespace

CPreviewRules::CPreviewRules(int zoomSetting)
    : m_values{0, 0, standardGamma}
    , m_zoom(ZoomFromSetting(zoomSetting))
{
}

void CPreviewRules::MoveBrightness(BarMove move, int trackPosition)
{
    m_values.brightness = StepAdjustment(m_values.brightness, move, trackPosition);
}

void CPreviewRules::MoveContrast(BarMove move, int trackPosition)
{
    m_values.contrast = StepAdjustment(m_values.contrast, move, trackPosition);
}

void CPreviewRules::MoveGamma(BarMove move, int trackPosition)
{
    m_values.gamma = StepGamma(m_values.gamma, move, trackPosition);
}

int CPreviewRules::StepAdjustment(int value, BarMove move, int trackPosition)
{
    switch (move) {
    case BarMove::LineLeft: value -= 1; break;
    case BarMove::LineRight: value += 1; break;
    case BarMove::PageLeft: value -= 10; break;
    case BarMove::PageRight: value += 10; break;
    case BarMove::Track: value = trackPosition; break;
    case BarMove::Left: value = adjustmentMinimum; break;
    case BarMove::Right: value = adjustmentMaximum; break;
    }
    return std::clamp(value, adjustmentMinimum, adjustmentMaximum);
}

int CPreviewRules::StepGamma(int g, BarMove move, int trackPosition)
{
    const int old = g;
    // Below gamma 1.0 a code counts thousandths, above it hundredths: steps
    // of 10 below and 1 above make every step 0.01 of gamma.
    switch (move) {
    case BarMove::LineLeft: g -= g <= 0 ? 10 : 1; break;
    case BarMove::LineRight: g += g < 0 ? 10 : 1; break;
    case BarMove::PageLeft: g -= g <= 0 ? 100 : 10; break;
    case BarMove::PageRight:
        if (g < 0)
            g = g < -99 ? g + 100 : 0;
        else
            g += 10;
        break;
    case BarMove::Track: g = trackPosition; break;
    case BarMove::Left: g = gammaMinimum; break;
    case BarMove::Right: g = gammaMaximum; break;
    }
    // Codes below 0 the edit cannot show exactly stand on the next 0.01
    // toward 1.0, unless that is where the bar started: a wheel turn of a
    // few codes away from 1.0 then takes the next 0.01 the other way.
    if (g < 0 && g % 10 != 0) {
        const int towardOne = g - g % 10;
        g = towardOne == old && g < old ? towardOne - 10 : towardOne;
    }
    return std::clamp(g, gammaMinimum, gammaMaximum);
}

int CPreviewRules::ParseAdjustment(const QString& text)
{
    return int(std::clamp<qlonglong>(LeadingInteger(text), adjustmentMinimum, adjustmentMaximum));
}

int CPreviewRules::ParseGamma(const QString& text)
{
    return CPreviewPicture::CodeFromGamma(LeadingReal(text));
}

QString CPreviewRules::GammaText(int code)
{
    return QString::number(CPreviewPicture::GammaFromCode(code), 'g', 6);
}

int CPreviewRules::ZoomFromSetting(int setting)
{
    return CPreviewPicture::ValidZoom(setting);
}

int CPreviewRules::IndexOfZoom(int zoom)
{
    return zoom == 4 ? 2 : zoom == 2 ? 1 : 0;
}

CPoint CPreviewRules::ZoomedScrollPosition(CPoint position, int oldZoom, int newZoom)
{
    return {position.x * newZoom / oldZoom, position.y * newZoom / oldZoom};
}

CPoint CPreviewRules::CentringOffset(CSize client, CSize total)
{
    return {total.cx < client.cx ? (client.cx - total.cx) / 2 : 0, total.cy < client.cy ? (client.cy - total.cy) / 2 : 0};
}

CPoint CPreviewRules::CentredScrollPosition(CSize client, CSize total)
{
    return {std::max(0, (total.cx - client.cx) / 2), std::max(0, (total.cy - client.cy) / 2)};
}
