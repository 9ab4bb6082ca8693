// Batches in the program's own window: choosing a data source, stepping
// through records (the view, Output to Bmp), Print Batch to the private
// scheduler; and recovering a layout from a program killed after an
// autosave.
#include "DialogDriver.h"
#include "PrinterWindowFixture.h"
#include "SerialPlate.h"
#include "TestFiles.h"

#include "app/CBatchCommands.h"
#include "app/recovery/CRecoveryLink.h"
#include "batch/window/CPrintBatchDlg.h"
#include "batch/window/CRecordNavigator.h"
#include "document/CDocumentFile.h"
#include "document/CPictureCommands.h"
#include "objects/CFreeTextObj.h"
#include "objects/CPointPath.h"
#include "view/CCommandActions.h"
#include "view/CVeldraView.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>


#include <climits>
#include <typeinfo>
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// The serial plate's horizontal text (the fan is one too, by its class).
CFreeTextObj* LineOf(const CVeldraDoc& layout)
{
    for (CSymbolObj* object : layout.GetObjects())
        if (typeid(*object) == typeid(CFreeTextObj))
            return static_cast<CFreeTextObj*>(object);
    return nullptr;
}

const QByteArray fiveTags = "Name,Dept\nAnna,Stores\nBo,Lab\nCy,Stores\nDee,Lab\nEd,Yard\n";

class BatchWindowFixture : public PrinterWindowFixture
{
protected:
    QString OpenSerialPlate()
    {
        CVeldraDoc plate;
        MakeSerialPlate(plate, serialTemplate);
        const QString path = files.filePath(QStringLiteral("serial.vlz"));
        EXPECT_TRUE(CDocumentFile::Save(plate, path).ok);
        EXPECT_TRUE(frame->Documents().OpenDocument(path));
        return path;
    }

    CRecordNavigator* Navigator() const { return frame->findChild<CRecordNavigator*>(); }

    // File > Data Source as a user: the file, then what its dialog shows
    // is accepted (or the test's own act).
    void ChooseData(DialogDriver& driver, const QString& path,
                    std::function<void(QDialog&)> act = [](QDialog& dialog) { dialog.accept(); })
    {
        driver.Choose(path);
        driver.Then(std::move(act));
        frame->Router().Execute(CommandId::DataSource);
    }

    void Click(CommandId id)
    {
        QTest::qWait(300); // the idle refresh enables the commands
        QToolButton* button = nullptr;
        for (QToolButton* candidate : Navigator()->findChildren<QToolButton*>())
            if (candidate->defaultAction() == frame->Actions().Action(id))
                button = candidate;
        ASSERT_TRUE(button);
        ASSERT_TRUE(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Output to Bmp of what the window shows.
    QByteArray Exported(DialogDriver& driver, const QString& name)
    {
        const QString path = files.filePath(name);
        driver.Choose(path);
        frame->Router().Execute(CommandId::ExportBmp);
        return ReadFileBytes(path);
    }

    QByteArray HandMade(const PlateTexts& values)
    {
        CVeldraDoc typed;
        MakeSerialPlate(typed, serialTemplate);
        TypeTexts(typed, values);
        const QString path = files.filePath(QStringLiteral("hand.vlz"));
        EXPECT_TRUE(CDocumentFile::Save(typed, path).ok);
        CVeldraDoc opened;
        app->Attach(opened);
        EXPECT_TRUE(CDocumentFile::Open(opened, path).ok);
        opened.SetDevice(doc.GetResolution(), doc.GetPrintableSize().cx, doc.GetPrintableSize().cy);
        const QString bitmap = files.filePath(QStringLiteral("hand.bmp"));
        EXPECT_TRUE(CPlateRenderer(opened).ExportBitmapFile(bitmap));
        return ReadFileBytes(bitmap);
    }
};

// Recovery needs no printer: the layout's own adjustments are what Save
// writes, in the test and in the program it starts.
class RecoveryWindowFixture : public MainWindowFixture
{
protected:
    QProcessEnvironment ProgramEnvironment(const QString& stateFolder) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("XDG_STATE_HOME", stateFolder);
        environment.insert("VELDRA2_DATA_DIR", data.filePath("Veldra2"));
        environment.insert("VELDRA2_AUTOSAVE_SECONDS", "1");
        environment.insert("CUPS_SERVER", files.filePath("no-scheduler"));
        return environment;
    }
};

} // namespace

TEST_F(BatchWindowFixture, TheRecordBarStepsThroughTheRecordsOfTheChosenFile)
{
    const QString layout = OpenSerialPlate();
    DialogDriver driver;
    EXPECT_FALSE(Navigator()->isVisible());
    ChooseData(driver, WriteFileBytes(files.filePath("tags.csv"), fiveTags));
    ASSERT_TRUE(Navigator()->isVisible()) << qPrintable(driver.Messages().join("\n"));
    EXPECT_EQ(Navigator()->NumberField()->value(), 1);
    EXPECT_EQ(Navigator()->NumberField()->maximum(), 5);

    Click(CommandId::RecordNext);
    Click(CommandId::RecordNext);
    EXPECT_EQ(frame->BatchCommands().Display().Record(), 3);
    EXPECT_EQ(Exported(driver, "record3.bmp"), HandMade({"Cy", "No. 0011", "Stores\r\nRecord 3"}));
    Click(CommandId::RecordLast);
    EXPECT_EQ(Navigator()->NumberField()->value(), 5);
    EXPECT_FALSE(frame->Actions().Action(CommandId::RecordNext)->isEnabled());
    // The number typed in the bar.
    Navigator()->NumberField()->setValue(2);
    EXPECT_EQ(Exported(driver, "record2.bmp"), HandMade({"Bo", "No. 0006", "Lab\r\nRecord 2"}));
    Click(CommandId::RecordFirst);
    EXPECT_EQ(frame->BatchCommands().Display().Record(), 1);
    // The layout keeps its fields and is not changed by looking at records.
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadFileBytes(layout), ReadFileBytes(layout));

    // The file is remembered for the layout: opening it again brings it back.
    frame->Documents().NewDocument();
    EXPECT_FALSE(Navigator()->isVisible());
    ASSERT_TRUE(frame->Documents().OpenDocument(layout));
    EXPECT_TRUE(Navigator()->isVisible());
    EXPECT_EQ(Navigator()->NumberField()->maximum(), 5);
}

TEST_F(BatchWindowFixture, AFileLackingAColumnIsRefusedListingItsColumns)
{
    OpenSerialPlate();
    DialogDriver driver;
    ChooseData(driver, WriteFileBytes(files.filePath("other.csv"), "Name,Town\nAnna,Oslo\n"));
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_EQ(driver.Messages()[0], "The layout's fields {Dept} name no column of the data. Its columns: Name, Town.");
    EXPECT_FALSE(frame->BatchCommands().Display().IsActive());
    // A file that cannot be read says why in the dialog, which offers no OK.
    QString shown;
    bool canAccept = true;
    ChooseData(driver, WriteFileBytes(files.filePath("bad.csv"), "Name,Dept\n\"Anna,Stores\n"), [&](QDialog& dialog) {
        shown = dialog.findChild<QLabel*>("summary")->text();
        canAccept = dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->isEnabled();
        dialog.reject();
    });
    EXPECT_EQ(shown, "bad.csv: Line 2: the quoted field is never closed.");
    EXPECT_FALSE(canAccept);
    EXPECT_EQ(driver.Messages().size(), 1);
}

TEST_F(BatchWindowFixture, PrintBatchSendsOneNamedJobPerRecord)
{
    OpenSerialPlate();
    DialogDriver driver;
    ChooseData(driver, WriteFileBytes(files.filePath("tags.csv"), fiveTags));
    const int before = CupsTestServer::Instance().LatestJobId();
    driver.Then([](QDialog& dialog) {
        auto* batch = qobject_cast<CPrintBatchDlg*>(&dialog);
        ASSERT_TRUE(batch);
        dialog.findChild<QSpinBox*>("lastRecord")->setValue(4);
        dialog.findChild<QSpinBox*>("firstRecord")->setValue(2);
        dialog.accept();
    });
    driver.Then([](QDialog&) {}); // the progress window, left to run
    frame->Router().Execute(CommandId::PrintBatch);
    EXPECT_TRUE(driver.Messages().isEmpty()) << qPrintable(driver.Messages().join("\n"));
    const int latest = CupsTestServer::Instance().LatestJobId();
    ASSERT_EQ(latest - before, 3);
    const std::map<int, QString> titles = CupsTestServer::Instance().JobTitles(engraverQueue);
    for (int record = 2; record <= 4; ++record) {
        const int id = before + record - 1;
        ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(id));
        EXPECT_EQ(titles.at(id), QStringLiteral("serial.vlz #%1").arg(record));
    }
    // The window still shows the record it showed, on the layout's device.
    EXPECT_EQ(frame->BatchCommands().Display().Record(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BatchWindowFixture, AStoppedQueueStopsTheBatchNamingTheRecord)
{
    OpenSerialPlate();
    DialogDriver driver;
    ChooseData(driver, WriteFileBytes(files.filePath("tags.csv"), fiveTags));
    CupsTestServer& server = CupsTestServer::Instance();
    const int before = server.LatestJobId();
    ASSERT_TRUE(server.Admin(QStringLiteral("cupsreject"), {engraverQueue}));
    const bool printed = frame->BatchCommands().PrintBatch({1, 3});
    EXPECT_TRUE(server.Admin(QStringLiteral("cupsaccept"), {engraverQueue}));
    EXPECT_FALSE(printed);
    EXPECT_EQ(server.LatestJobId(), before);
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].startsWith("Could not print record 1.")) << qPrintable(driver.Messages()[0]);
}

// Without a data file Print Batch offers one plate, names the printer and
// says how many plates go to it; the window then says what was sent.
TEST_F(BatchWindowFixture, PrintBatchWithoutDataSendsTheCountedPlatesAndSaysSo)
{
    CVeldraDoc plate;
    MakeSerialPlate(plate, {"Tag {#}", "No. {serial:0001}", "{#}"});
    const QString path = files.filePath(QStringLiteral("count.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(plate, path).ok);
    ASSERT_TRUE(frame->Documents().OpenDocument(path));
    DialogDriver driver;
    const int before = CupsTestServer::Instance().LatestJobId();
    QString summary;
    bool offersRecords = true;
    int plates = 0;
    driver.Then([&](QDialog& dialog) {
        offersRecords = dialog.findChild<QSpinBox*>("firstRecord") != nullptr;
        auto* count = dialog.findChild<QSpinBox*>("plates");
        ASSERT_TRUE(count);
        plates = count->value();
        count->setValue(3);
        summary = dialog.findChild<QLabel*>("summary")->text();
        // Enter, as the user who sent 95 jobs pressed it.
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    driver.Then([](QDialog&) {}); // the progress window, left to run
    frame->Router().Execute(CommandId::PrintBatch);
    EXPECT_FALSE(offersRecords);
    EXPECT_EQ(plates, 1);
    EXPECT_EQ(summary, "3 plates will be sent to Corvex_KTX_90, one job each.");
    EXPECT_EQ(CupsTestServer::Instance().LatestJobId() - before, 3);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "3 of 3 plates sent to Corvex_KTX_90.");
}

// A value too long for its text is shrunk as a whole, never squeezed: the
// record bar and the batch's report name its record before anything is
// engraved, and its plate is the one typed by hand at the smaller size.
TEST_F(BatchWindowFixture, ARecordWhoseTextIsShrunkIsNamed)
{
    OpenSerialPlate();
    DialogDriver driver;
    ChooseData(driver, WriteFileBytes(files.filePath("tags.csv"),
                                      "Name,Dept\nAnna,Stores\nBo,Lab\n"
                                      "Maximilian Alexander Friedrich Muller-Ludenscheidt von Hohenzollern-Sigmaringen,"
                                      "Stores\nDee,Lab\nEd,Yard\n"));
    ASSERT_TRUE(Navigator()->isVisible()) << qPrintable(driver.Messages().join("\n"));
    EXPECT_EQ(Navigator()->findChild<QLabel*>("recordNote")->text().trimmed(), "Text shrunk to fit in records 3.");
    ASSERT_TRUE(frame->BatchCommands().PrintBatch({1, 5}));
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              "5 of 5 plates sent to Corvex_KTX_90. Text shrunk to fit in records 3.");

    // The shrunk name keeps the template's centre, fits its box, and its
    // letters keep their natural spacing at the smaller height.
    Navigator()->NumberField()->setValue(3);
    CRecordLayout* shown = frame->BatchCommands().Display().Shown();
    ASSERT_TRUE(shown);
    CFreeTextObj* name = LineOf(shown->Layout());
    CFreeTextObj* original = LineOf(doc);
    ASSERT_TRUE(name && original);
    EXPECT_EQ(name->GetPosition(), original->GetPosition());
    EXPECT_LE(name->GetSize().cx, original->GetSize().cx);
    EXPECT_LT(name->GetSize().cy, original->GetSize().cy);
    const double stretch = double(name->GetSize().cx) / name->MeasureNatural().cx;
    EXPECT_NEAR(stretch, 1.0, 0.01);
}

// A spreadsheet's semicolons: the dialog shows the columns it found, and
// the user may read the file with another separator.
TEST_F(BatchWindowFixture, TheDataSourceDialogShowsTheColumnsAndTakesASeparator)
{
    OpenSerialPlate();
    DialogDriver driver;
    QStringList detected, asCommas;
    ChooseData(driver, WriteFileBytes(files.filePath("Liste.csv"), "Name;Dept\r\nAnna;Lager\r\nBo;Labor\r\n"),
               [&](QDialog& dialog) {
                   auto* columns = dialog.findChild<QListWidget*>("columns");
                   for (int i = 0; i < columns->count(); ++i)
                       detected << columns->item(i)->text();
                   auto* separator = dialog.findChild<QComboBox*>("separator");
                   separator->setCurrentIndex(separator->findText("Comma"));
                   for (int i = 0; i < columns->count(); ++i)
                       asCommas << columns->item(i)->text();
                   separator->setCurrentIndex(separator->findText("Semicolon"));
                   dialog.accept();
               });
    EXPECT_EQ(detected, QStringList({"Name", "Dept"}));
    EXPECT_EQ(asCommas, QStringList({"Name;Dept"}));
    ASSERT_TRUE(frame->BatchCommands().Display().IsActive()) << qPrintable(driver.Messages().join("\n"));
    EXPECT_EQ(frame->BatchCommands().Display().RecordCount(), 2);
}

// The layout's own text, resized while a record is shown, takes its new
// outline at once: the window draws the record's copy, not the text.
TEST_F(BatchWindowFixture, AResizedTextTakesItsNewOutlineWhileARecordIsShown)
{
    OpenSerialPlate();
    DialogDriver driver;
    ChooseData(driver, WriteFileBytes(files.filePath("tags.csv"), fiveTags));
    frame->View().viewport()->repaint();
    CFreeTextObj* name = LineOf(doc);
    ASSERT_TRUE(name);
    const auto width = [&] {
        CPointPath outline;
        name->GetOutline(outline);
        int left = INT_MAX, right = INT_MIN;
        for (int i = 0; i < outline.GetSize(); ++i) {
            left = std::min(left, outline[i].x);
            right = std::max(right, outline[i].x);
        }
        return right - left;
    };
    const int before = width();
    name->SetSize(name->GetSize().cx * 2, name->GetSize().cy);
    doc.UpdateAllViews(nullptr, 16, name);
    frame->View().viewport()->repaint();
    EXPECT_NEAR(width(), 2 * before, before / 50);
}

// The real program, its layout changed and autosaved, killed; the next
// start offers the layout and recovers it as Save would have written it.
TEST_F(RecoveryWindowFixture, AKilledProgramsLayoutIsRecoveredAsSaveWouldHaveWrittenIt)
{
    const QString layout = files.filePath(QStringLiteral("plate.vlz"));
    SaveSampleLayout(layout, {1, 2, 3});
    QProcess program;
    QProcessEnvironment environment = ProgramEnvironment(state.path());
    // The last object (a picture) moved to the centre (Move Center), and the plate inverted.
    environment.insert("VELDRA2_TEST_COMMANDS",
                       QStringLiteral("select:5,%1,%2").arg(int(CommandId::MoveCenter)).arg(int(CommandId::Invert)));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELDRA_PROGRAM_PATH), {layout});
    ASSERT_TRUE(program.waitForStarted());
    const QString folder = CRecoveryStore::DefaultFolder();
    ASSERT_TRUE(folder.startsWith(state.path()));
    QString kept;
    for (int wait = 0; wait < 300 && kept.isEmpty(); ++wait) {
        QTest::qWait(100);
        const QStringList infos = QDir(folder).entryList({"*.info"}, QDir::Files);
        if (!infos.isEmpty())
            kept = folder + "/" + infos[0].chopped(5) + ".vlz";
    }
    ASSERT_FALSE(kept.isEmpty()) << program.readAllStandardError().constData();
    ::kill(pid_t(program.processId()), SIGKILL);
    program.waitForFinished();

    // What Save would have written at that moment: the layout opened in a
    // window and shown (drawing a horizontal text spreads it over its
    // width), its picture moved to the centre and the plate inverted.
    ASSERT_TRUE(frame->Documents().OpenDocument(layout));
    frame->View().viewport()->repaint();
    doc.MoveCenter(doc.GetObjectAt(5), true);
    CPictureCommands::Invert(doc);
    ASSERT_TRUE(CDocumentFile::Save(doc, files.filePath("expected.vlz")).ok);
    const QByteArray bytes = ReadFileBytes(files.filePath("expected.vlz"));
    EXPECT_EQ(ReadFileBytes(kept), bytes);
    ASSERT_TRUE(frame->Documents().NewDocument());

    // Started again: Recover in the dialog it shows.
    DialogDriver driver;
    QStringList shown;
    driver.Then([&shown](QDialog& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>("recoveryList");
        ASSERT_TRUE(list);
        ASSERT_EQ(list->topLevelItemCount(), 1);
        for (int column = 0; column < 2; ++column)
            shown << list->topLevelItem(0)->text(column);
        QTest::mouseClick(dialog.findChild<QPushButton*>("recover"), Qt::LeftButton);
    });
    ASSERT_TRUE(frame->Recovery().OfferRecovery());
    EXPECT_EQ(shown, QStringList({"plate.vlz", layout}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame->Documents().PathName(), layout);
    EXPECT_TRUE(doc.IsInverted());
    // Offered once: what was recovered is now this program's to keep.
    EXPECT_TRUE(CRecoveryStore().Orphans().isEmpty());
    ASSERT_TRUE(frame->Documents().Save());
    EXPECT_EQ(ReadFileBytes(layout), bytes);
    EXPECT_FALSE(frame->Recovery().Session().HasKept());
}

// Discard deletes what was kept; Later keeps it for the next start.
TEST_F(RecoveryWindowFixture, DiscardAndLater)
{
    CRecoveryStore store;
    for (const char* title : {"one.vlz", "two.vlz"}) {
        const pid_t child = fork();
        if (child == 0) {
            CRecoverySession* session = new CRecoverySession(store);
            _exit(session->Write(doc, QString::fromLatin1(title), QString()) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
    }
    ASSERT_EQ(store.Orphans().size(), 2);
    DialogDriver driver;
    driver.Then([](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("discard"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("later"), Qt::LeftButton);
    });
    EXPECT_FALSE(frame->Recovery().OfferRecovery());
    ASSERT_EQ(store.Orphans().size(), 1);
    EXPECT_FALSE(doc.IsModified());
}

// A clean exit, after an autosave and a Save, leaves no recovery file.
TEST_F(RecoveryWindowFixture, ACleanExitLeavesNothing)
{
    QTemporaryDir programState;
    const QString layout = files.filePath(QStringLiteral("plate.vlz"));
    SaveSampleLayout(layout, {0, 0, -500});
    QProcess program;
    QProcessEnvironment environment = ProgramEnvironment(programState.path());
    const QString steps = QStringLiteral("select:5,%1,@3000,%2,@500,%3")
                              .arg(int(CommandId::MoveCenter))
                              .arg(int(CommandId::FileSave))
                              .arg(int(CommandId::AppExit));
    environment.insert("VELDRA2_TEST_COMMANDS", steps);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELDRA_PROGRAM_PATH), {layout});
    bool autosaved = false;
    for (int wait = 0; wait < 300 && program.state() != QProcess::NotRunning; ++wait) {
        program.waitForFinished(100);
        QDirIterator found(programState.path(), {"*.vlz"}, QDir::Files, QDirIterator::Subdirectories);
        autosaved = autosaved || found.hasNext();
    }
    ASSERT_EQ(program.state(), QProcess::NotRunning);
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().constData();
    EXPECT_TRUE(autosaved);
    QDirIterator left(programState.path(), QDir::Files, QDirIterator::Subdirectories);
    EXPECT_FALSE(left.hasNext()) << qPrintable(left.next());
}
