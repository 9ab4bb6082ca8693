// Rendering a batch into a folder: one bitmap per record, named by the
// pattern, each what Output to Bmp writes for the plate typed by hand; and
// a batch that cannot write stops at the record that failed.
#include "ScratchDisk.h"
#include "TestFiles.h"
#include "SerialPlate.h"

#include "batch/CBatchRender.h"
#include "batch/CPlateNames.h"
#include "batch/CDataSource.h"
#include "batch/CRecordLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 3, 7);

CDataSource Staff()
{
    return *CDataSource::FromText("Name,Dept\nAnna,Stores\nBo,Lab\nCy,Stores\n", QLatin1Char(','), nullptr);
}

struct BatchRenderFixture : ::testing::Test
{
    CVeldraDoc doc;
    std::unique_ptr<CRecordLayout> layout;
    QTemporaryDir dir;

    void SetUp() override
    {
        MakeSerialPlate(doc, serialTemplate);
        layout = CRecordLayout::Make(doc, nullptr);
        ASSERT_TRUE(layout);
    }

    QByteArray HandMadeFile(const PlateTexts& values)
    {
        CVeldraDoc typed;
        MakeSerialPlate(typed, serialTemplate);
        TypeTexts(typed, values);
        typed.RefreshObjects();
        const QString path = dir.filePath(QStringLiteral("hand.bmp"));
        EXPECT_TRUE(CPlateRenderer(typed).ExportBitmapFile(path));
        return ReadFileBytes(path);
    }
};

} // namespace

TEST_F(BatchRenderFixture, ThreeRecordsAreThreeHandMadePlates)
{
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    std::vector<std::pair<int, int>> progress;
    const CBatchRun::Result result =
        CBatchRender::Run(*layout, Staff(), {1, 3}, out, QStringLiteral("{#}-{Name}"), today, [&](int done, int total) {
            progress.emplace_back(done, total);
            return true;
        });
    ASSERT_TRUE(result.Ok()) << qPrintable(result.error);
    EXPECT_EQ(result.done, 3);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList({"1-Anna.bmp", "2-Bo.bmp", "3-Cy.bmp"}));
    EXPECT_EQ(ReadFileBytes(out + "/1-Anna.bmp"), HandMadeFile({"Anna", "No. 0001", "Stores\r\nRecord 1"}));
    EXPECT_EQ(ReadFileBytes(out + "/2-Bo.bmp"), HandMadeFile({"Bo", "No. 0006", "Lab\r\nRecord 2"}));
    EXPECT_EQ(ReadFileBytes(out + "/3-Cy.bmp"), HandMadeFile({"Cy", "No. 0011", "Stores\r\nRecord 3"}));
}

// Cancel in the progress window: the plate being made is finished, no
// other is begun.
TEST_F(BatchRenderFixture, CancelStopsBeforeTheNextRecord)
{
    const CBatchRun::Result result = CBatchRender::Run(*layout, Staff(), {1, 3}, dir.path(), "{#}", today,
                                                       [](int done, int) { return done < 1; });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(result.done, 1);
    EXPECT_EQ(result.failedRecord, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"1.bmp"}));
}

TEST_F(BatchRenderFixture, NamesThatWouldOverwriteOrEscapeAreRefusedBeforeWriting)
{
    QString error;
    const auto problem = [&](const QString& pattern, const CDataSource& data, const CRecordRange& range) {
        const std::optional<CPlateNames> names = CPlateNames::For(pattern, data, range, today, &error);
        return names ? names->Problem() : error;
    };
    EXPECT_EQ(problem("{Dept}", Staff(), {1, 3}),
              "Record 3's file name \"Stores\" is another record's too: add {#} to the name.");
    EXPECT_EQ(problem("{Dept}.bmp", Staff(), {1, 3}),
              "Record 3's file name \"Stores.bmp\" is another record's too: add {#} to the name.");
    EXPECT_EQ(problem("{Dept}", Staff(), {1, 2}), "");
    EXPECT_EQ(CPlateNames::For("{Dept}", Staff(), {1, 2}, today, &error)->Name(2, nullptr), "Lab.bmp");
    EXPECT_EQ(CPlateNames::For("p{#}.BMP", Staff(), {2, 3}, today, &error)->Name(3, nullptr), "p3.BMP");
    const auto slashed = CDataSource::FromText("Name\n../up\n", QLatin1Char(','), nullptr);
    EXPECT_TRUE(problem("{Name}", *slashed, {1, 1}).contains("\"/\""));
    const auto empty = CDataSource::FromText("Name\n\"\"\n", QLatin1Char(','), nullptr);
    EXPECT_EQ(problem("{Name}", *empty, {1, 1}), "Record 1 gets no file name from \"{Name}\".");

    const CBatchRun::Result refused = CBatchRender::Run(*layout, Staff(), {1, 3}, dir.path(), "{Dept}", today);
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.done, 0);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// A plate that cannot be written stops the batch there: a full disk, a
// read-only folder, and a FIFO or a folder where a plate's file would go.
TEST_F(BatchRenderFixture, AFailedWriteStopsAtItsRecordAndKeepsWhatWasThere)
{
    VELDRA_REQUIRE_ROOT();
    // Room for a few plates of 2.3 MB.
    ScratchDisk disk(8192);
    ASSERT_TRUE(disk.IsMounted());
    const QString folder = disk.Path(QString());
    ASSERT_TRUE(ScratchDisk::MakeFifo(disk.Path("2.bmp")));
    CBatchRun::Result result = CBatchRender::Run(*layout, Staff(), {1, 3}, folder, "{#}", today);
    EXPECT_EQ(result.failedRecord, 2);
    EXPECT_EQ(result.done, 1);
    EXPECT_FALSE(result.error.isEmpty());
    QFile::remove(disk.Path("2.bmp"));
    ASSERT_TRUE(QDir(folder).mkdir("3.bmp"));
    result = CBatchRender::Run(*layout, Staff(), {1, 3}, folder, "{#}", today);
    EXPECT_EQ(result.failedRecord, 3);
    EXPECT_TRUE(QFileInfo(disk.Path("3.bmp")).isDir());
    QDir(folder).rmdir("3.bmp");

    const QByteArray second = ReadFileBytes(disk.Path("2.bmp"));
    ASSERT_FALSE(second.isEmpty());
    QFile old(disk.Path("1.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("the user's old file");
    old.close();
    disk.Fill();
    result = CBatchRender::Run(*layout, Staff(), {1, 3}, folder, "{#}", today);
    EXPECT_EQ(result.failedRecord, 1);
    EXPECT_EQ(ReadFileBytes(disk.Path("1.bmp")), "the user's old file");

    ASSERT_TRUE(disk.MakeReadOnly());
    result = CBatchRender::Run(*layout, Staff(), {2, 3}, folder, "{#}", today);
    EXPECT_EQ(result.failedRecord, 2);
    EXPECT_EQ(ReadFileBytes(disk.Path("2.bmp")), second);
}
