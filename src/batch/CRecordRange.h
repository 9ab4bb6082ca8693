#pragma once

#include <QString>

#include <optional>

// Records first..last of a batch, numbered from 1.
struct CRecordRange
{
    int first = 1;
    int last = 0;

    int Count() const { return last >= first ? last - first + 1 : 0; }
    // "A-B", "A-" (to the end) or "A"; nothing when it is not within 1..count.
    static std::optional<CRecordRange> Parse(const QString& text, int count);
    static CRecordRange All(int count) { return {1, count}; }
};
