#include "CIntegerField.h"

QString CIntegerField::Take(const QString& text)
{
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok);
    if (!ok || typed < m_nMinimum || typed > m_nMaximum)
        return tr("Please enter an integer between %1 and %2.").arg(m_nMinimum).arg(m_nMaximum);
    m_nValue = typed;
    return {};
}
