#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Rows of a comma-, semicolon- or tab-separated data file: fields in double
// quotes may hold the separator, line breaks and doubled quotes; a quote
// inside a field that does not start with one is only a character (5" for
// inches). Lines that hold nothing at all are passed over.
// A file of tiny fields holds millions of them: reading keeps only where
// each field starts, and a field's value is made when it is asked for.
class CDelimitedReader
{
    Q_DECLARE_TR_FUNCTIONS(CDelimitedReader)

public:
    struct Result
    {
        bool ok = false;
        // Where each field starts in the text (at its opening quote when it
        // has one), row after row.
        std::vector<quint32> fieldStarts;
        // Why not, naming the line.
        QString error;
    };

    // Told each row's line (1 for the first) and number of fields when it
    // has been read; a text to stop the reading there with that error.
    using RowCheck = std::function<QString(int line, int fields)>;

    static Result Read(const QString& text, QChar separator, const RowCheck& check = {});
    // The value of the field that starts there, quotes taken off.
    static QString Field(const QString& text, quint32 start, QChar separator);
    // The longest text whose places a field start can hold.
    static constexpr qsizetype maxTextSize = qsizetype(0xFFFFFFFFu);
    // UTF-16 (either byte order) and UTF-8 by their byte-order marks, UTF-8
    // without one; bytes that are no UTF-8 are read in the Western code
    // page, as layout texts are and as spreadsheets write their CSV.
    static QString Decode(const QByteArray& bytes);
    // The separator the header line uses most among comma, semicolon and
    // tab (outside quotes); the fallback when it holds none of them or ties.
    static QChar DetectSeparator(const QString& text, QChar fallback);

private:
    CDelimitedReader(const QString& text, QChar separator) : m_text(text), m_separator(separator) {}

    bool ReadAll(Result& result, const RowCheck& check);
    // Past one field; a quoted one's value goes to field when it is given.
    bool ReadQuoted(QString* field);
    void ReadPlain();
    bool AtLineEnd() const;
    void SkipLineEnd();
    QString FailAt(int line, const QString& reason) const;

    const QString& m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    QString m_error;
};
