#include "CIntegerField.h"

#include "view/controls/CFieldRefusal.h"

QString CIntegerField::Take(const QString& text)
{
    bool ok = false;
    const int typed = text.trimmed().toInt(&ok);
    if (!ok || typed < m_nMinimum || typed > m_nMaximum)
        return CFieldRefusal::IntegerBetween(m_nMinimum, m_nMaximum);
    m_nValue = typed;
    return {};
}
