#include "CRecordRange.h"

#include <QStringList>

std::optional<CRecordRange> CRecordRange::Parse(const QString& text, int count)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('-'));
    if (parts.size() > 2)
        return std::nullopt;
    bool okFirst = false, okLast = true;
    CRecordRange range;
    range.first = parts[0].toInt(&okFirst);
    range.last = parts.size() == 1 ? range.first : parts[1].isEmpty() ? count : parts[1].toInt(&okLast);
    if (!okFirst || !okLast || range.first < 1 || range.last < range.first || range.last > count)
        return std::nullopt;
    return range;
}
