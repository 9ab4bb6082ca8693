#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The records of a batch: the rows of a data file under its header row, or
// only a count of records when the fields need no file ({#}, {serial},
// {date}). The records are kept as the file's text with the place of each
// field, so a file of a million tiny fields stays a few times its size.
class CDataSource
{
    Q_DECLARE_TR_FUNCTIONS(CDataSource)

public:
    // Reads a CSV or TSV file with the separator given, else tabs for ".tsv"
    // and ".tab", else the one its header line uses most (comma, semicolon
    // or tab; comma for a header of one column). Nothing, with the
    // reason naming the line, for a file that cannot be read or is malformed.
    static std::optional<CDataSource> Load(const QString& path, QString* error, QChar separator = QChar());
    static std::optional<CDataSource> FromText(const QString& text, QChar separator, QString* error);
    static CDataSource Counted(int count);

    const QString& Path() const { return m_path; }
    QChar Separator() const { return m_separator; }
    const QStringList& Columns() const { return m_columns; }
    int RecordCount() const { return m_count; }
    // Record 1 is the first row under the header.
    QString Value(int record, const QString& column) const;

private:
    static QChar SeparatorFor(const QString& path, const QString& text);

    QString m_path;
    QChar m_separator = QLatin1Char(',');
    QStringList m_columns;
    // The file's text as it was read, and where each field starts in it:
    // the header's, then each record's, every row as wide as the header.
    QString m_text;
    std::vector<quint32> m_fieldStarts;
    int m_count = 0;
};
