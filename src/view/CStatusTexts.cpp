#include "CStatusTexts.h"

#include "platform/MulDiv.h"

QString CStatusTexts::Length(int value) const
{
    if (m_bInch)
        return QString::number(MulDiv(value, 1000, 2540) * 0.001, 'f', 3);
    return QString::number(value * 0.01, 'f', 2);
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
