// Data files as people make them: quoting, line breaks, byte-order marks,
// code pages, and the files that are refused with the line named.
#include "ScratchDisk.h"
#include "TestFiles.h"

#include "batch/CDataSource.h"
#include "batch/CDelimitedReader.h"

#include <QDir>
#include <QFile>
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
    EXPECT_TRUE(Refusal("A,B\nab\"c,1\n").startsWith("Line 2:"));
    EXPECT_TRUE(Refusal("").contains("empty"));
    EXPECT_TRUE(Refusal("\n\r\n").contains("empty"));
    EXPECT_TRUE(Refusal("A,,B\n").startsWith("Line 1:"));
    EXPECT_TRUE(Refusal("A,A\n").startsWith("Line 1:"));
    // A header alone is a file with no records, not an error.
    ASSERT_TRUE(FromCsv("A,B\n"));
    EXPECT_EQ(FromCsv("A,B\n")->RecordCount(), 0);
}

TEST(DataSource, TextIsUtf8WithOrWithoutItsMarkElseTheWesternCodePage)
{
    EXPECT_EQ(CDelimitedReader::Decode("\xEF\xBB\xBFName"), "Name");
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
