#include "CCodeRules.h"

#include "codes/CCodeDrawing.h"
#include "codes/CModuleSize.h"
#include "view/controls/CUnitFormat.h"

#include <QLocale>

#include <algorithm>

#include <cmath>

namespace {

constexpr double micronsPerInch = 25400.0;

} // namespace

CCodeRules::CCodeRules(const CCodeDefinition& definition, int dpi, int unit, Encoder encoder)
    : m_definition(definition)
    , m_nDpi(dpi)
    , m_bInch(unit == CUnitFormat::inches)
    , m_encoder(std::move(encoder))
{
}

double CCodeRules::ModuleInUnit() const
{
    return m_bInch ? m_definition.moduleMicrons / micronsPerInch : m_definition.moduleMicrons / 1000.0;
}

QString CCodeRules::ModuleText() const
{
    return QString::number(ModuleInUnit(), 'f', m_bInch ? 4 : 3);
}

bool CCodeRules::SetModuleText(const QString& text)
{
    QString plain = text.trimmed();
    plain.replace(QLocale().decimalPoint(), QLatin1String("."));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !(value > 0))
        return false;
    const double microns = m_bInch ? value * micronsPerInch : value * 1000;
    if (microns > CCodeDefinition::maximumModuleMicrons)
        return false;
    m_definition.moduleMicrons = std::max(1, int(std::lround(microns)));
    return true;
}

QString CCodeRules::UnitName() const
{
    return CUnitFormat(m_bInch ? CUnitFormat::inches : CUnitFormat::millimetres).UnitName();
}

QString CCodeRules::ModuleProblem() const
{
    return CModuleSize::Problem(m_definition.moduleMicrons / 1000.0, m_nDpi);
}

CCodeRules::Outcome CCodeRules::Check() const
{
    Outcome outcome;
    const double millimetres = m_definition.moduleMicrons / 1000.0;
    if (const QString problem = ModuleProblem(); !problem.isEmpty()) {
        outcome.text = problem;
        return outcome;
    }
    QString why;
    outcome.matrix = m_encoder(m_definition, &why);
    if (!outcome.matrix) {
        outcome.text = why;
        return outcome;
    }
    outcome.moduleDots = CModuleSize::Dots(millimetres, m_nDpi);
    const CSize dots = CCodeDrawing::DotsFor(*outcome.matrix, outcome.moduleDots);
    outcome.text = tr("%1 x %2 mm, %3 x %4 modules; module %5 mm (%6 dots)")
                       .arg(CModuleSize::Millimetres(dots.cx, m_nDpi), 0, 'f', 2)
                       .arg(CModuleSize::Millimetres(dots.cy, m_nDpi), 0, 'f', 2)
                       .arg(outcome.matrix->Width())
                       .arg(outcome.matrix->Height())
                       .arg(CModuleSize::Millimetres(outcome.moduleDots, m_nDpi), 0, 'f', 3)
                       .arg(outcome.moduleDots);
    return outcome;
}
