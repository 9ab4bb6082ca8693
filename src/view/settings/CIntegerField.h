#pragma once

#include <QString>

// A whole number typed into a dialog, limited to a range.
class CIntegerField
{
public:
    CIntegerField(int minimum, int maximum, int value) : m_nMinimum(minimum), m_nMaximum(maximum), m_nValue(value) {}

    int Value() const { return m_nValue; }
    void SetValue(int value) { m_nValue = value; }
    QString Text() const { return QString::number(m_nValue); }

    // Keeps the number the text holds; otherwise answers the message
    // refusing it and leaves the value. An empty answer means taken.
    QString Take(const QString& text);

private:
    int m_nMinimum;
    int m_nMaximum;
    int m_nValue;
};
