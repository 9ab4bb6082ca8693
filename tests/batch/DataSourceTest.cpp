// Data files as people make them: quoting, line breaks, byte-order marks,
// code pages, and the files that are refused with the line named.
#include "ChildCost.h"
#include "ScratchDisk.h"
#include "TestFiles.h"

#include "batch/CDataSource.h"
#include "batch/CDelimitedReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::optional<CDataSource> FromCsv(const QString& text, QString* error = nullptr)
{
    return CDataSource::FromText(text, QLatin1Char(','), error);
}

QString Refusal(const QString& text)
{
    QString error;
    EXPECT_FALSE(FromCsv(text, &error)) << qPrintable(text);
    return error;
}

} // namespace

TEST(DataSource, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks)
{
    const auto data = FromCsv("Name,Note,Ref\r\n"
                              "\"Smith, J.\",\"He said \"\"hi\"\"\",1\r\n"
                              "\"Two\nlines\",\"\",2\n"
                              "plain, spaced ,\"3\"");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->Columns(), QStringList({"Name", "Note", "Ref"}));
    ASSERT_EQ(data->RecordCount(), 3);
    EXPECT_EQ(data->Value(1, "Name"), "Smith, J.");
    EXPECT_EQ(data->Value(1, "Note"), "He said \"hi\"");
    EXPECT_EQ(data->Value(2, "Name"), "Two\nlines");
    EXPECT_EQ(data->Value(2, "Note"), "");
    EXPECT_EQ(data->Value(3, "Note"), " spaced ");
    EXPECT_EQ(data->Value(3, "Ref"), "3");
    EXPECT_EQ(data->Value(4, "Ref"), "");
    EXPECT_EQ(data->Value(1, "Missing"), "");
}

TEST(DataSource, MalformedFilesNameTheLine)
{
    // The record that starts on line 3 has one field too few.
    EXPECT_TRUE(Refusal("A,B\n\"x\ny\",1\nragged\n").startsWith("Line 4:"));
    EXPECT_TRUE(Refusal("A,B\n1,2,3\n").startsWith("Line 2: 3 fields"));
    EXPECT_TRUE(Refusal("A,B\n1,\"open\n2,3\n").startsWith("Line 2: the quoted field is never closed"));
    EXPECT_TRUE(Refusal("A,B\n1,\"x\"y\n").startsWith("Line 2:"));
    EXPECT_TRUE(Refusal("").contains("empty"));
    EXPECT_TRUE(Refusal("\n\r\n").contains("empty"));
    EXPECT_TRUE(Refusal("A,,B\n").startsWith("Line 1:"));
    EXPECT_TRUE(Refusal("A,A\n").startsWith("Line 1:"));
    // A header alone is a file with no records, not an error.
    ASSERT_TRUE(FromCsv("A,B\n"));
    EXPECT_EQ(FromCsv("A,B\n")->RecordCount(), 0);
}

TEST(DataSource, TextIsUtf16OrUtf8ByItsMarkElseUtf8ElseTheWesternCodePage)
{
    EXPECT_EQ(CDelimitedReader::Decode("\xEF\xBB\xBFName"), "Name");
    EXPECT_EQ(CDelimitedReader::Decode(QByteArray("\xFF\xFEM\0\xFC\0\t\0\xAC\x20", 10)), QString::fromUtf8("Mü\t€"));
    EXPECT_EQ(CDelimitedReader::Decode(QByteArray("\xFE\xFF\0M\0\xFC\0\t\x20\xAC", 10)), QString::fromUtf8("Mü\t€"));
    EXPECT_EQ(CDelimitedReader::Decode("M\xC3\xBCller"), QString::fromUtf8("Müller"));
    EXPECT_EQ(CDelimitedReader::Decode("M\xFCller \x80"), QString::fromUtf8("Müller €"));
}

TEST(DataSource, FilesPickTheirSeparatorAndAreReadSafely)
{
    QTemporaryDir dir;
    const auto tsv = CDataSource::Load(WriteFileBytes(dir.filePath("tags.tsv"), "\xEF\xBB\xBFName\tNote\nRex\ta, b\n"), nullptr);
    ASSERT_TRUE(tsv);
    EXPECT_EQ(tsv->Columns(), QStringList({"Name", "Note"}));
    EXPECT_EQ(tsv->Value(1, "Note"), "a, b");
    EXPECT_EQ(tsv->Path(), dir.filePath("tags.tsv"));
    const auto sniffed = CDataSource::Load(WriteFileBytes(dir.filePath("tags.txt"), "Name\tNote\nRex\tx\n"), nullptr);
    ASSERT_TRUE(sniffed);
    EXPECT_EQ(sniffed->Columns().size(), 2);

    QString error;
    EXPECT_FALSE(CDataSource::Load(WriteFileBytes(dir.filePath("bad.csv"), "A,B\n1\n"), &error));
    EXPECT_EQ(error, "bad.csv: Line 2: 1 fields where the header names 2 columns.");
    EXPECT_FALSE(CDataSource::Load(dir.filePath("none.csv"), &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder or a FIFO in the file's place is refused, never waited on.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
    EXPECT_FALSE(CDataSource::Load(dir.filePath("folder.csv"), &error));
    ASSERT_TRUE(ScratchDisk::MakeFifo(dir.filePath("fifo.csv")));
    EXPECT_FALSE(CDataSource::Load(dir.filePath("fifo.csv"), &error));
}

// As spreadsheets save them: a German one writes semicolons in windows-1252
// with CR LF, its "Unicode text" is UTF-16 with tabs, whatever the name.
TEST(DataSource, SpreadsheetFilesAreReadWithTheSeparatorTheirHeaderUses)
{
    QTemporaryDir dir;
    const auto german = CDataSource::Load(
        WriteFileBytes(dir.filePath("Liste.csv"), "Abt.;Maschine;Ma\xDF\r\nWerkstatt;\"Fr\xE4se; gro\xDF\";5\"\r\n"), nullptr);
    ASSERT_TRUE(german);
    EXPECT_EQ(german->Separator(), QLatin1Char(';'));
    EXPECT_EQ(german->Columns(), QStringList({"Abt.", "Maschine", QString::fromUtf8("Maß")}));
    EXPECT_EQ(german->Value(1, "Maschine"), QString::fromUtf8("Fräse; groß"));
    EXPECT_EQ(german->Value(1, QString::fromUtf8("Maß")), "5\"");

    QByteArray unicode("\xFF\xFE", 2);
    for (const char c : QByteArray("Name\tNote\r\nRex\ta, b\r\n"))
        unicode.append(c).append('\0');
    const auto utf16 = CDataSource::Load(WriteFileBytes(dir.filePath("export.csv"), unicode), nullptr);
    ASSERT_TRUE(utf16);
    EXPECT_EQ(utf16->Columns(), QStringList({"Name", "Note"}));
    EXPECT_EQ(utf16->Value(1, "Note"), "a, b");

    // The user's choice overrides what the header suggests; one column
    // takes the file kind's separator.
    const QString path = WriteFileBytes(dir.filePath("one.tsv"), "Name, first\nRex, T.\n");
    EXPECT_EQ(CDataSource::Load(path, nullptr)->Columns(), QStringList({"Name, first"}));
    EXPECT_EQ(CDataSource::Load(path, nullptr, QLatin1Char(','))->Columns(), QStringList({"Name", "first"}));
    EXPECT_EQ(CDelimitedReader::DetectSeparator("a,b\tc", QLatin1Char('\t')), QLatin1Char('\t'));
    EXPECT_EQ(CDelimitedReader::DetectSeparator("\"a;b\",c\n1;2;3", QLatin1Char(',')), QLatin1Char(','));
}

// The public csv-spectrum cases, each file against its JSON.
TEST(DataSource, ReadsTheCsvSpectrumCases)
{
    const QDir csvs(QStringLiteral(CSV_SPECTRUM_DIR "/csvs"));
    const QStringList names = csvs.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), 12);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto data = CDataSource::Load(csvs.filePath(name), &error);
        ASSERT_TRUE(data) << qPrintable(error);
        QFile jsonFile(QStringLiteral(CSV_SPECTRUM_DIR "/json/") + QFileInfo(name).completeBaseName() + ".json");
        ASSERT_TRUE(jsonFile.open(QIODevice::ReadOnly));
        const QJsonDocument json = QJsonDocument::fromJson(jsonFile.readAll());
        // One of them holds its only record as an object, not in an array.
        const QJsonArray records = json.isArray() ? json.array() : QJsonArray{json.object()};
        ASSERT_EQ(data->RecordCount(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            const QJsonObject record = records[i].toObject();
            QStringList columns = data->Columns();
            columns.sort();
            EXPECT_EQ(columns, record.keys()); // a JSON object's keys come sorted
            for (const QString& column : record.keys()) {
                // The published pair disagrees on this one number.
                if (column == "Contact Phone Number")
                    continue;
                // A line break in a value is one character in a text.
                const QString expected = record[column].toString().replace("\r\n", "\n");
                EXPECT_EQ(data->Value(i + 1, column), expected) << qPrintable(column);
            }
        }
    }
}

// A file of millions of tiny fields is kept in a few times its size, and a
// quoted field's value is still made whole when it is asked for.
TEST(DataSource, AFileOfTinyFieldsStaysWithinAFewTimesItsSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tiny.csv"));
    constexpr int rows = 1 << 20;
    QByteArray text = "A,B,C,D,E,F,G,H\n";
    text.reserve(16 << 20);
    for (int row = 0; row < rows - 1; ++row)
        text += "1,2,3,4,5,6,7,8\n";
    text += "1,2,3,4,5,6,7,\"a \"\"b\"\"\r\nc\"\n";
    WriteFileBytes(path, text);
    const ChildCost cost = ChildCost::Run(
        [&] {
            const std::optional<CDataSource> source = CDataSource::Load(path, nullptr);
            const bool whole = source && source->RecordCount() == rows && source->Value(1, "C") == "3"
                               && source->Value(rows, "H") == "a \"b\"\nc";
            return whole ? 0 : 1;
        },
        2 << 10);
    EXPECT_EQ(cost.exitCode, 0);
    // 16 MiB of text: twice that as characters, four bytes a field.
    EXPECT_LT(cost.grownKiB, 5 * (16 << 10)) << cost.grownKiB;
}
