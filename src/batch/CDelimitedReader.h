#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Rows of a comma-, semicolon- or tab-separated data file: fields in double
// quotes may hold the separator, line breaks and doubled quotes; a quote
// inside a field that does not start with one is only a character (5" for
// inches). Lines that hold nothing at all are passed over.
class CDelimitedReader
{
    Q_DECLARE_TR_FUNCTIONS(CDelimitedReader)

public:
    struct Row
    {
        // The line of the file where the row starts (1 for the first).
        int line = 0;
        QStringList fields;
    };

    struct Result
    {
        bool ok = false;
        QList<Row> rows;
        // Why not, naming the line.
        QString error;
    };

    static Result Read(const QString& text, QChar separator);
    // UTF-16 (either byte order) and UTF-8 by their byte-order marks, UTF-8
    // without one; bytes that are no UTF-8 are read in the Western code
    // page, as layout texts are and as spreadsheets write their CSV.
    static QString Decode(const QByteArray& bytes);
    // The separator the header line uses most among comma, semicolon and
    // tab (outside quotes); the fallback when it holds none of them or ties.
    static QChar DetectSeparator(const QString& text, QChar fallback);

private:
    CDelimitedReader(const QString& text, QChar separator) : m_text(text), m_separator(separator) {}

    bool ReadAll(Result& result);
    bool ReadQuoted(QString& field);
    void ReadPlain(QString& field);
    bool AtLineEnd() const;
    void SkipLineEnd();
    QString FailAt(int line, const QString& reason) const;

    const QString& m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_line = 1;
    QString m_error;
};
