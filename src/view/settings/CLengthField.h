#pragma once

#include "view/controls/CUnitFormat.h"

#include <QString>

// A length typed into a dialog in the dialog's unit and limited to a range
// given in 0.01 mm.
//
// Text handed back exactly as it was shown keeps the length it stands for:
// three decimals of an inch cannot hold every 0.01 mm, and confirming a
// dialog must not move a length the user never touched.
class CLengthField
{
public:
    CLengthField(int unit, int minimumMm100, int maximumMm100, int valueMm100);

    int Value() const { return m_nValue; }
    void SetValue(int valueMm100) { m_nValue = valueMm100; }
    QString Text() const { return m_format.Format(m_nValue); }
    const CUnitFormat& Format() const { return m_format; }

    // The length the text stands for, or the message refusing it.
    struct Reading
    {
        int valueMm100 = 0;
        QString refusal;
        bool Ok() const { return refusal.isEmpty(); }
    };
    Reading Read(const QString& text) const;
    // Reads the text and keeps its length; false (and the old length) when
    // it is refused.
    bool Take(const QString& text);

private:
    bool InRange(int valueMm100) const;
    QString EndText(int valueMm100) const;

    CUnitFormat m_format;
    int m_nMinimum;
    int m_nMaximum;
    int m_nValue;
};
