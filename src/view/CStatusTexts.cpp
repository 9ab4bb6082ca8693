#include "CStatusTexts.h"

#include "controls/CUnitFormat.h"

QString CStatusTexts::Length(int value) const
{
    return CUnitFormat(m_bInch ? CUnitFormat::inches : CUnitFormat::millimetres).Format(value);
}

QString CStatusTexts::Pair(const QString& label, int a, int b) const
{
    const QString unit = m_bInch ? tr("inch") : QStringLiteral("mm");
    return QStringLiteral("%1: %2, %3 %4").arg(label, Length(a), Length(b), unit);
}

QString CStatusTexts::Zoom(int percent)
{
    return QStringLiteral("%1%").arg(percent, 4);
}
