#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

#include <optional>
#include <vector>

// A text that may hold fields, as the user typed it:
//   {Column}                 a column of the data file
//   {#}                      the record number (1 for the first record)
//   {serial}, {serial:0001}, {serial:0001+5}
//                            a counter: its start, its width (the digits
//                            typed, zeros in front) and its step per record
//   {date}, {date:dd.MM.yyyy} today's date (yyyy-MM-dd unless a format is given)
// "{{" and "}}" stand for a brace of their own.
class CFieldTemplate
{
    Q_DECLARE_TR_FUNCTIONS(CFieldTemplate)

public:
    // What one record gives the fields.
    struct Record
    {
        int number = 1;
        QDate date;
        // The value of a column; only called for the columns the template names.
        std::function<QString(const QString& column)> column;
    };

    // Nothing when the text is malformed (an unclosed or a stray brace, an
    // empty field, a counter that is not a number), with the reason.
    static std::optional<CFieldTemplate> Parse(const QString& text, QString* error = nullptr);
    // Whether the text asks for any field at all (a quick look, no parse).
    static bool MayHoldFields(const QString& text);

    bool HasFields() const;
    // The columns named, each once, in the order they first appear.
    QStringList Columns() const;
    QString Fill(const Record& record) const;
    // Empty when every counter's value for the records first..last fits the
    // 64 bits a counter has; otherwise why not, naming the counter.
    QString CounterProblem(int firstRecord, int lastRecord) const;

private:
    struct Part
    {
        enum class Kind { literal, column, recordNumber, serial, date };
        Kind kind = Kind::literal;
        // The literal text, the column's name, the date format or the
        // counter as typed.
        QString text;
        qint64 start = 1;
        int width = 0;
        qint64 step = 1;
    };

    static std::optional<Part> ParseField(const QString& body, QString* error);
    static std::optional<Part> ParseSerial(const QString& spec, QString* error);
    QString FillPart(const Part& part, const Record& record) const;
    // Nothing when the value leaves the 64-bit range.
    static std::optional<qint64> CounterValue(const Part& part, int record);
    void AddLiteral(const QString& text);

    std::vector<Part> m_parts;
};
