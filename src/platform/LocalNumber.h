#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// Numbers as users type them: the point, or their own locale's decimal
// separator ("50,5" in French). Fields always show the point.
namespace LocalNumber {

inline QChar DecimalPoint()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point[0] : QLatin1Char('.');
}

// The text, trimmed, with the locale's separator made a point.
inline QString WithPoint(const QString& text)
{
    QString normal = text.trimmed();
    return normal.replace(DecimalPoint(), QLatin1Char('.'));
}

} // namespace LocalNumber
