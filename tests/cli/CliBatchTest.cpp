// veldra2-cli batch: one bitmap per record that equals `render` of the plate
// typed by hand, one print job per record on the private scheduler, and
// the summary and exit codes.
#include "CliProcess.h"
#include "CupsFixture.h"
#include "RasterDecode.h"
#include "ScratchDisk.h"
#include "SerialPlate.h"
#include "TestFiles.h"

#include "document/CDocumentFile.h"

#include <QDir>
#include <QFile>


namespace {

struct CliBatchFixture : ::testing::Test
{
    QTemporaryDir dir;

    CliProcessRun Batch(const QStringList& arguments) const
    {
        return CliProcessRun::Of(dir, QStringList{QStringLiteral("batch")} + arguments);
    }

    QString SavePlate(const QString& name, const PlateTexts& texts, const PlateTexts* typed = nullptr) const
    {
        CVeldraDoc doc;
        MakeSerialPlate(doc, texts);
        if (typed)
            TypeTexts(doc, *typed);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(CDocumentFile::Save(doc, path).ok);
        return path;
    }

    QString WriteData(const QByteArray& bytes) const
    {
        return WriteFileBytes(dir.filePath(QStringLiteral("staff.csv")), bytes);
    }

    // `render` of the plate with the values typed into its texts.
    QByteArray RenderedByHand(const PlateTexts& values) const
    {
        const QString layout = SavePlate(QStringLiteral("hand.vlz"), serialTemplate, &values);
        const QString out = dir.filePath(QStringLiteral("hand.bmp"));
        const CliProcessRun run = CliProcessRun::Of(dir, {QStringLiteral("render"), layout, out});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        return ReadFileBytes(out);
    }
};

struct CliBatchPrintFixture : CupsFixture
{
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliBatchFixture, ThreeRecordsRenderAsThreeHandMadePlates)
{
    const QString layout = SavePlate(QStringLiteral("serial.vlz"), serialTemplate);
    const QString data = WriteData("Name,Dept\r\nAnna,Stores\r\n\"Olsen, K.\",Lab\r\nCy,Stores\r\n");
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    const CliProcessRun run =
        Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--render"), out, QStringLiteral("--name"),
               QStringLiteral("plate-{serial:001}")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "3 of 3 plates rendered\n");
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList({"plate-001.bmp", "plate-002.bmp", "plate-003.bmp"}));
    EXPECT_EQ(ReadFileBytes(out + "/plate-001.bmp"), RenderedByHand({"Anna", "No. 0001", "Stores\r\nRecord 1"}));
    EXPECT_EQ(ReadFileBytes(out + "/plate-002.bmp"), RenderedByHand({"Olsen, K.", "No. 0006", "Lab\r\nRecord 2"}));
    EXPECT_EQ(ReadFileBytes(out + "/plate-003.bmp"), RenderedByHand({"Cy", "No. 0011", "Stores\r\nRecord 3"}));
}

TEST_F(CliBatchFixture, CountersNeedNoDataFileAndRangesPickRecords)
{
    const QString layout = SavePlate(QStringLiteral("count.vlz"), {"Tag {#}", "No. {serial:0001+5}", "{date:yyyy}"});
    const CliProcessRun run = Batch({layout, QStringLiteral("--count"), QStringLiteral("5"), QStringLiteral("--records"),
                                     QStringLiteral("4-5"), QStringLiteral("--render"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "2 of 2 plates rendered\n");
    EXPECT_TRUE(QFile::exists(dir.filePath("4.bmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath("5.bmp")));
    EXPECT_FALSE(QFile::exists(dir.filePath("3.bmp")));
}

// What a record would turn into something else (a counter past its 64 bits,
// a NUL that ends a name or a text early, a column the name pattern
// misspells) is refused, nothing rendered in its place.
TEST_F(CliBatchFixture, ValuesThatWouldComeOutOtherwiseAreRefused)
{
    const QString layout = SavePlate(QStringLiteral("serial.vlz"), serialTemplate);
    const QString counted = SavePlate(QStringLiteral("count.vlz"), {"Tag {#}", "No. {serial}", "{date:yyyy}"});
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    const QString data = WriteData(QByteArray("Name,Dept\nAnna,St\0ores\n", 22));
    const struct
    {
        QStringList arguments;
        QByteArray error;
    } cases[] = {
        {{counted, "--count", "2", "--name", "{serial:9223372036854775807}"},
         "The counter {serial:9223372036854775807} runs out of the numbers a counter can hold by record 2.\n"},
        {{counted, "--count", "2", "--name", "{serial:-9223372036854775808-1}"},
         "The counter {serial:-9223372036854775808-1} runs out of the numbers a counter can hold by record 2.\n"},
        {{layout, "--data", data, "--name", "{#}-{Dept}"}, "Record 1's file name holds a NUL character.\n"},
        {{layout, "--data", data}, "Record 1, column \"Dept\": the value holds a NUL character.\n"},
        {{layout, "--data", data, "--name", "{#}-{Nmae}"},
         "The file name's fields {Nmae} name no column of the data. Its columns: Name, Dept.\n"},
    };
    for (const auto& [arguments, error] : cases) {
        const CliProcessRun run = Batch(arguments + QStringList{QStringLiteral("--render"), out});
        EXPECT_EQ(run.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(run.err, error) << arguments.join(u' ').toStdString();
        EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList()) << arguments.join(u' ').toStdString();
    }
}

// A full disk is told as the system tells it, as a single render does.
TEST_F(CliBatchFixture, AFullDiskSaysWhy)
{
    VELDRA_REQUIRE_ROOT();
    const QString layout = SavePlate(QStringLiteral("count.vlz"), {"Tag {#}", "No. {serial}", "{date:yyyy}"});
    ScratchDisk disk(128);
    ASSERT_TRUE(disk.IsMounted());
    disk.Fill();
    const CliProcessRun run = Batch({layout, QStringLiteral("--count"), QStringLiteral("1"), QStringLiteral("--render"),
                                     disk.Path(QStringLiteral("."))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.constData();
}

// A batch larger than any plan is refused at once, and one whose plates
// would not fit on the disk stops after the first, which gave their size.
TEST_F(CliBatchFixture, BatchesBeyondTheLimitOrTheDiskAreRefused)
{
    const QString layout = SavePlate(QStringLiteral("count.vlz"), {"Tag {#}", "No. {serial}", "{date:yyyy}"});
    for (const char* count : {"2147483647", "1000001"}) {
        const CliProcessRun run = Batch({layout, "--count", count, "--render", dir.path()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "--count needs a number of records, 1 to 1000000.\n");
    }
    const QString data = WriteData(QByteArray("N\n").repeated(1) + QByteArray("x\n").repeated(1000001));
    CliProcessRun run = Batch({layout, "--data", data, "--render", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("A batch does at most 1000000 records; this one has 1000001.")) << run.err.constData();
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.bmp"}).isEmpty());

    VELDRA_REQUIRE_ROOT();
    // Room for three plates of 2.3 MB.
    ScratchDisk disk(8192);
    ASSERT_TRUE(disk.IsMounted());
    run = Batch({layout, "--count", "10", "--render", disk.Path(".")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("Record 2: The other 9 plates need 2")) << run.err.constData();
    EXPECT_TRUE(run.err.endsWith(" MB free.\n")) << run.err.constData();
    EXPECT_EQ(run.out, "1 of 10 plates rendered\n");
    EXPECT_EQ(QDir(disk.Path(".")).entryList(QDir::Files), QStringList{"1.bmp"});
}

TEST_F(CliBatchFixture, BadInputsFailWithTheirReason)
{
    const QString layout = SavePlate(QStringLiteral("serial.vlz"), serialTemplate);
    const QString data = WriteData("Name,Town\nAnna,Oslo\n");
    CliProcessRun run = Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--render"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The layout's fields {Dept} name no column of the data. Its columns: Name, Town.\n");
    EXPECT_TRUE(run.out.isEmpty());

    WriteData("Name,Dept\nAnna,Stores\nBo\n");
    run = Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--render"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "staff.csv: Line 3: 1 fields where the header names 2 columns.\n");

    WriteData(QString::fromUtf8("Name,Dept\nAnna,Stores\nBo,Σ\n").toUtf8());
    run = Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--render"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QString::fromUtf8("Record 2, column \"Dept\": the text's code page cannot hold \"Σ\".\n").toUtf8());
    EXPECT_EQ(run.out, "1 of 2 plates rendered\n");

    EXPECT_EQ(Batch({layout, QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--render"),
                     dir.filePath("none")}).exitCode, 1);
    EXPECT_EQ(Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--records"), QStringLiteral("2-9"),
                     QStringLiteral("--render"), dir.path()}).exitCode, 1);
    // Usage: neither or both of --render and --print, --data with --count, unknown options.
    EXPECT_EQ(Batch({layout}).exitCode, 2);
    EXPECT_EQ(Batch({layout, QStringLiteral("--print"), QStringLiteral("--render"), dir.path()}).exitCode, 2);
    EXPECT_EQ(Batch({layout, QStringLiteral("--data"), data, QStringLiteral("--count"), QStringLiteral("3"),
                     QStringLiteral("--render"), dir.path()}).exitCode, 2);
    EXPECT_EQ(Batch({layout, QStringLiteral("--print"), QStringLiteral("--name"), QStringLiteral("x")}).exitCode, 2);
    EXPECT_EQ(Batch({layout, QStringLiteral("--render")}).exitCode, 2);
}

TEST_F(CliBatchPrintFixture, ThreeRecordsAreThreeJobsNamedByRecord)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, serialTemplate);
    const QString layout = dir.filePath(QStringLiteral("serial.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(doc, layout).ok);
    const QString data = WriteFileBytes(dir.filePath(QStringLiteral("staff.tsv")),
                                        "Name\tDept\nAnna\tStores\nBo\tLab\nCy\tStores\nDee\tLab\n");

    const CliProcessRun run = CliProcessRun::Of(
        dir, {QStringLiteral("batch"), layout, QStringLiteral("--data"), data, QStringLiteral("--records"),
              QStringLiteral("2-4"), QStringLiteral("--print"), QStringLiteral("--printer"), engraverQueue});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.constData();
    EXPECT_EQ(lines.last(), "3 of 3 jobs sent");
    const std::map<int, QString> titles = CupsTestServer::Instance().JobTitles(engraverQueue);
    for (int i = 0; i < 3; ++i) {
        const int id = lines[i].toInt();
        ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(id));
        ASSERT_TRUE(titles.count(id)) << id;
        EXPECT_EQ(titles.at(id), QStringLiteral("serial.vlz #%1").arg(i + 2));
        const QByteArray sync = CupsTestServer::Instance().JobOutput(id).left(4);
        EXPECT_TRUE(sync == "RaS2" || sync == "2SaR") << sync.constData();
    }
    // Each job carries its own record's plate.
    EXPECT_NE(CupsTestServer::Instance().JobOutput(lines[0].toInt()), CupsTestServer::Instance().JobOutput(lines[1].toInt()));

    const CliProcessRun missing = CliProcessRun::Of(
        dir, {QStringLiteral("batch"), layout, QStringLiteral("--data"), data, QStringLiteral("--print"),
              QStringLiteral("--printer"), QStringLiteral("No_Such_Queue")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Could not start print job.\n");
}

// A shop's class of two engravers is the engraver: raster jobs at its
// members' resolution and page, with the layout's adjustments, spread as
// the scheduler likes; an office printer's proofs have their numbers too.
TEST_F(CliBatchPrintFixture, AClassOfEngraversGetsEngraverJobsAndProofsAreNumbered)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, {"Tag {#}", "No. {serial:0001}", "Record {#}"});
    doc.Adjustments().Set({7, -3, 120});
    const QString layout = dir.filePath(QStringLiteral("tags.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(doc, layout).ok);
    for (const QString& queue : {engraverClass, laserQueue}) {
        SCOPED_TRACE(queue.toStdString());
        const CliProcessRun run =
            CliProcessRun::Of(dir, {"batch", layout, "--count", "2", "--print", "--printer", queue});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        ASSERT_EQ(lines.size(), 3) << run.out.constData();
        EXPECT_EQ(lines.last(), "2 of 2 jobs sent");
        for (int i = 0; i < 2; ++i) {
            const int id = lines[i].toInt();
            ASSERT_GT(id, 0) << run.out.constData();
            ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(id));
            if (queue == laserQueue) {
                EXPECT_TRUE(CupsTestServer::Instance().SpooledDocument(id).startsWith("%PDF"));
                continue;
            }
            const DecodedPage page = Decode(CupsTestServer::Instance().JobOutput(id));
            ASSERT_TRUE(page.ok);
            EXPECT_EQ(page.header.HWResolution[0], 529u);
            EXPECT_EQ(page.header.cupsWidth, 1874u);
            const QByteArray options = CupsTestServer::Instance().JobOptions(id);
            EXPECT_TRUE(options.contains("Brightness=7 Contrast=-3 Gamma=120")) << options.constData();
        }
    }
}

// A folder for the plates is made where its parent is, never further up.
TEST_F(CliBatchFixture, ARenderFolderIsMadeWhereItsParentIs)
{
    const QString layout = SavePlate(QStringLiteral("count.vlz"), {"Tag {#}", "No. {serial:0001}", "{#}"});
    const QString fresh = dir.filePath("plates");
    CliProcessRun run = Batch({layout, "--count", "2", "--render", fresh});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QDir(fresh).entryList(QDir::Files), QStringList({"1.bmp", "2.bmp"}));
    const QString deep = dir.filePath("none/plates");
    run = Batch({layout, "--count", "2", "--render", deep});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, (deep + " does not exist.\n").toUtf8());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none")));
    run = Batch({layout, "--count", "2", "--render", layout});
    EXPECT_EQ(run.err, (layout + " is not a folder.\n").toUtf8());
}

// A counter whose run would leave 64 bits is refused before the first
// plate: nothing is rendered, nothing wraps around.
TEST_F(CliBatchFixture, ACounterLeavingItsRangeIsRefusedBeforeAnyPlate)
{
    const QString layout = SavePlate(QStringLiteral("max.vlz"), {"No. {serial:9223372036854775806}", "{#}", "{#}"});
    const QString out = dir.filePath(QStringLiteral("plates"));
    ASSERT_TRUE(QDir().mkpath(out));
    const CliProcessRun run = Batch({layout, "--count", "3", "--render", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty());
}

// A scheduler that stops answering: a batch has listed each job as it was
// taken and gives up within the bound, naming the record and the reason;
// a single print gives up the same way and said while it waited.
TEST_F(CliBatchPrintFixture, AStoppedSchedulerEndsBatchAndPrintWithinTheBound)
{
    CVeldraDoc doc;
    MakeSerialPlate(doc, {"Tag {#}", "No. {serial:0001}", "Record {#}"});
    const QString layout = dir.filePath(QStringLiteral("tags.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(doc, layout).ok);
    QProcess batch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("VELDRA_CUPS_ANSWER_SECONDS"), QStringLiteral("2"));
    batch.setProcessEnvironment(environment);
    batch.start(QStringLiteral(VELDRA_CLI_PATH),
                {"batch", layout, "--count", "500", "--print", "--printer", engraverQueue});
    QList<QByteArray> ids;
    while (ids.size() < 2 && batch.waitForReadyRead(60000)) {
        while (batch.canReadLine())
            ids << batch.readLine().trimmed();
    }
    ASSERT_EQ(ids.size(), 2);
    CupsTestServer& server = CupsTestServer::Instance();
    ASSERT_TRUE(server.Freeze(true));
    const bool ended = batch.waitForFinished(60000);
    QProcess print;
    print.setProcessEnvironment(environment);
    print.start(QStringLiteral(VELDRA_CLI_PATH), {"print", layout, "--printer", engraverQueue});
    const bool printEnded = print.waitForFinished(60000);
    ASSERT_TRUE(server.Freeze(false));
    ASSERT_TRUE(ended && printEnded);

    ids += batch.readAllStandardOutput().trimmed().split('\n');
    const QByteArray summary = ids.takeLast();
    EXPECT_EQ(summary, QByteArray::number(ids.size()) + " of 500 jobs sent");
    for (const QByteArray& id : ids)
        EXPECT_GT(id.toInt(), 0) << id.constData();
    const QByteArray error = batch.readAllStandardError();
    EXPECT_EQ(batch.exitCode(), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("Record %1: The print scheduler did not answer within 2 s.")
                                   .arg(ids.size() + 1)
                                   .toUtf8()))
        << error.constData();

    EXPECT_EQ(print.exitCode(), 1);
    EXPECT_EQ(print.readAllStandardError().toStdString(),
              "Waiting for the print scheduler to answer (at most 2 s)...\n"
              "Could not start print job. The print scheduler did not answer within 2 s.\n");
    EXPECT_TRUE(print.readAllStandardOutput().isEmpty());
}
