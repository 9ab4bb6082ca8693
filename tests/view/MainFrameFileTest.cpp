// Layouts coming in and going out through the program's own window: Open,
// recent files, dropped files, New, Output to Bmp, failed opens, and what
// the window tells the user.
#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "SampleLayout.h"

#include "ScratchDisk.h"

#include "acquire/CPictureFileChooser.h"
#include "acquire/CPictureLoader.h"
#include "acquire/CPicturePreviewPane.h"
#include "acquire/CVectorPicture.h"
#include "app/CAppCommands.h"
#include "app/CDocumentManager.h"
#include "app/CMainFrame.h"
#include "app/CVeldraApp.h"
#include "app/shell/CRecentFileList.h"
#include "document/CDocumentFile.h"
#include "document/CMaterialShapes.h"
#include "objects/CArcTextObj.h"
#include "objects/CDibObj.h"
#include "objects/CTextAttributes.h"
#include "objects/CTextObj.h"
#include "view/CVeldraView.h"
#include "view/controls/CUnitFormat.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


class WindowFileFixture : public MainWindowFixture
{
protected:
    // A layout as a user makes one: an ellipse material of 40 x 30 mm, two
    // pictures, and a text of each kind.
    QString SampleLayout(const QString& name, int width = 4000, int height = 3000)
    {
        CVeldraDoc sample;
        MakeSampleLayout(sample, width, height);
        const QString path = files.filePath(name);
        EXPECT_TRUE(CDocumentFile::Save(sample, path).ok);
        return path;
    }

    // What the headless tool makes of the layout.
    QByteArray ToolRender(const QString& layout)
    {
        const QString out = files.filePath(QStringLiteral("tool-%1.bmp").arg(++m_nRenders));
        QProcess tool;
        tool.start(QStringLiteral(VELDRA_CLI_PATH), {QStringLiteral("render"), layout, out});
        EXPECT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        return Contents(out);
    }

    // Output to Bmp, chosen from the window as the user does.
    QByteArray WindowExport()
    {
        const QString out = files.filePath(QStringLiteral("window-%1.bmp").arg(++m_nRenders));
        driver.Choose(out);
        EXPECT_TRUE(frame->Router().Execute(CommandId::ExportBmp));
        return Contents(out);
    }

    void OpenFromMenu(const QString& path)
    {
        driver.Choose(path);
        EXPECT_TRUE(frame->Router().Execute(CommandId::FileOpen));
    }

    DialogDriver driver;
    int m_nRenders = 0;
};

} // namespace

TEST_F(WindowFileFixture, EveryWayInShowsAndExportsWhatTheToolRenders)
{
    const QString sample = SampleLayout(QStringLiteral("sample.vlz"));
    const QString large = SampleLayout(QStringLiteral("large.vlz"), 9000, 9000);
    const QByteArray expected = ToolRender(sample);
    ASSERT_FALSE(expected.isEmpty());

    OpenFromMenu(sample);
    EXPECT_EQ(doc.GetDeviceSize(), (CSize{833, 625})); // 40 x 30 mm at 529 dpi
    EXPECT_EQ(WindowExport(), expected);

    OpenFromMenu(large);
    EXPECT_EQ(doc.GetDeviceSize(), (CSize{1874, 1874}));
    frame->OpenDroppedFile(sample);
    EXPECT_EQ(WindowExport(), expected);

    OpenFromMenu(large);
    ASSERT_TRUE(frame->Router().Execute(CommandId(int(CommandId::FileMruFirst) + 1))); // the sample, one down the list
    EXPECT_EQ(frame->Documents().PathName(), QFileInfo(sample).absoluteFilePath());
    EXPECT_EQ(WindowExport(), expected);
    EXPECT_TRUE(driver.Messages().isEmpty()) << driver.Messages().join(' ').toStdString();
}

TEST_F(WindowFileFixture, NewAfterALayoutIsTheSameAsTheFirstNew)
{
    const CSize device = doc.GetDeviceSize(), material = doc.GetMaterialSize(), margins = doc.GetMargins();
    OpenFromMenu(SampleLayout(QStringLiteral("sample.vlz")));
    ASSERT_NE(doc.GetDeviceSize(), device);
    ASSERT_TRUE(frame->Router().Execute(CommandId::FileNew));
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_EQ(doc.GetDeviceSize(), device);
    EXPECT_EQ(doc.GetMaterialSize(), material);
    EXPECT_EQ(doc.GetMargins(), margins);
    EXPECT_EQ(frame->Documents().Title(), QStringLiteral("Untitled"));
}

TEST_F(WindowFileFixture, AFailedOpenKeepsTheOpenLayoutItsNameAndItsPlate)
{
    const QString sample = SampleLayout(QStringLiteral("sample.vlz"));
    OpenFromMenu(sample);
    const QByteArray before = WindowExport();
    const QString title = frame->windowTitle();
    QByteArray damaged = Contents(sample);
    damaged.chop(40);
    QFile file(files.filePath(QStringLiteral("damaged.vlz")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    OpenFromMenu(file.fileName());
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].contains(QStringLiteral("Unexpected file format.")));
    EXPECT_EQ(frame->windowTitle(), title);
    EXPECT_EQ(frame->Documents().PathName(), QFileInfo(sample).absoluteFilePath());
    EXPECT_EQ(doc.GetObjectCount(), 6);
    EXPECT_EQ(WindowExport(), before) << driver.Messages().join(QLatin1Char('|')).toStdString();
}

// What the command line (or a file manager) names: a picture starts a new
// layout with the picture in it; a file that is neither leaves a normal new
// layout with its plate, after saying why.
TEST_F(WindowFileFixture, APictureOnTheCommandLineStartsANewLayoutWithIt)
{
    const CSize device = doc.GetDeviceSize(), material = doc.GetMaterialSize();
    QImage photo(60, 40, QImage::Format_RGB32);
    photo.fill(QColor(200, 100, 50));
    const QString picture = files.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo.save(picture));
    frame->OpenOnStart(picture);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("photo.png"));
    EXPECT_EQ(frame->Documents().Title(), QStringLiteral("Untitled"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(driver.Messages().isEmpty());

    doc.SetModifiedFlag(false);
    const QString junk = files.filePath(QStringLiteral("notes.txt"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture, not a layout");
    file.close();
    frame->OpenOnStart(junk);
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].contains(QStringLiteral("Unexpected file format.")));
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_EQ(doc.GetDeviceSize(), device);
    EXPECT_EQ(doc.GetMaterialSize(), material);
    EXPECT_EQ(frame->Documents().Title(), QStringLiteral("Untitled"));
}

TEST_F(WindowFileFixture, DeletedObjectsAreAskedAboutAndShownInTheTitle)
{
    OpenFromMenu(SampleLayout(QStringLiteral("sample.vlz")));
    EXPECT_FALSE(frame->isWindowModified());
    frame->View().SetSelection(doc.GetObjectAt(1)); // a picture; the head is the material
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->View().setFocus();
    QTest::qWait(300); // the commands' states follow on idle
    QTest::keyClick(frame.get(), Qt::Key_Delete);
    EXPECT_EQ(doc.GetObjectCount(), 5);
    EXPECT_TRUE(doc.IsModified());
    QTest::qWait(400); // the idle refresh
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("[*]")));

    // Closing asks; the driver answers No, and the window closes.
    EXPECT_TRUE(frame->close());
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_EQ(driver.Messages()[0], QStringLiteral("Save changes to sample.vlz?"));
}

TEST_F(WindowFileFixture, TheAddMaterialSubmenuOffersAFileAndTheScanner)
{
    QMenu* file = frame->menuBar()->actions().constFirst()->menu();
    ASSERT_NE(file, nullptr);
    QMenu* material = nullptr;
    for (QAction* item : file->actions())
        if (item->menu() && item->text().contains(QStringLiteral("Ma&terial")))
            material = item->menu();
    ASSERT_NE(material, nullptr);
    emit file->aboutToShow();
    EXPECT_TRUE(material->menuAction()->isEnabled());
    emit material->aboutToShow();
    ASSERT_EQ(material->actions().size(), 2);
    EXPECT_TRUE(material->actions()[0]->isEnabled());
    EXPECT_TRUE(material->actions()[1]->isEnabled());
    // Edit's own submenus stay as their items say.
    EXPECT_TRUE(file->menuAction()->isEnabled());
}

TEST_F(WindowFileFixture, HelpWithoutABrowserSaysWhereTheManualIs)
{
    ASSERT_FALSE(CAppCommands::ManualPath().isEmpty()) << "the build puts a manual beside the tests";
    // No browser can be found on an empty search path.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    qunsetenv("BROWSER");
    ASSERT_TRUE(frame->Router().Execute(CommandId::Help));
    qputenv("PATH", path);
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].contains(CAppCommands::ManualPath())) << driver.Messages()[0].toStdString();
}

TEST_F(WindowFileFixture, ImportOffersEveryPictureKindFirstAndRefusesSpecialFiles)
{
    const QStringList filters = CPictureFileChooser::Filters(CPictureLoader::PluginFolderFor({}));
    ASSERT_GE(filters.size(), 4);
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("All pictures (")));
    for (const char* pattern : {"*.bmp", "*.jpg", "*.png", "*.gif"})
        EXPECT_TRUE(filters[0].contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(CPictureFileChooser::FilterIndex(), 0);
    EXPECT_EQ(filters.constLast(), QStringLiteral("All files (*)"));

    // A PNG chosen in the dialog comes in through the shipped plug-in.
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString png = files.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(image.save(png));
    driver.Choose(png);
    ASSERT_TRUE(frame->Router().Execute(CommandId::Import));
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(doc.GetObjectAt(0)->m_strName, QByteArray("red.png"));

    // A FIFO neither hangs Import nor Open: each says what it is.
    const QString fifo = files.filePath(QStringLiteral("pipe.png"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    driver.Choose(fifo);
    ASSERT_TRUE(frame->Router().Execute(CommandId::Import));
    doc.SetModifiedFlag(false);
    OpenFromMenu(fifo);
    ASSERT_EQ(driver.Messages().size(), 2);
    for (const QString& message : driver.Messages())
        EXPECT_TRUE(message.contains(QStringLiteral("not a regular file"))) << message.toStdString();
    EXPECT_EQ(doc.GetObjectCount(), 1);
}

// Import shows the highlighted picture on the layout's plate, and "Engrave
// the dark parts" turns a line drawing round as it comes in.
TEST_F(WindowFileFixture, ImportShowsThePictureOnThePlateAndTurnsADrawingRoundWhenAsked)
{
    QImage shown, turned;
    driver.Choose(LineDrawing(QStringLiteral("line.png")), [&](QFileDialog& files) {
        auto* pane = files.findChild<CPicturePreviewPane*>();
        ASSERT_TRUE(pane);
        shown = pane->Preview();
        QCheckBox* box = pane->EngraveDarkBox();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        turned = pane->Preview();
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::Import));
    ASSERT_FALSE(shown.isNull());
    const auto at = [](const QImage& image, int x, int y) { // in the drawing's pixels
        return image.pixel(x * image.width() / 40, y * image.height() / 40) & 0xFFFFFF;
    };
    EXPECT_EQ(at(shown, 4, 4), 0x000000u);  // transparent: the black plate
    EXPECT_EQ(at(shown, 14, 14), 0xFFFFFFu);
    EXPECT_EQ(at(turned, 14, 14), 0x000000u);
    EXPECT_EQ(at(turned, 20, 14), 0xFFFFFFu);

    ASSERT_EQ(doc.GetObjectCount(), 1);
    const CDibImage& picture = dynamic_cast<CDibObj*>(doc.GetObjectAt(0))->StoredImage();
    const auto pixel = [&picture](int x, int y) { return picture.GetPixel(x * picture.Width() / 40, y * picture.Height() / 40); };
    EXPECT_EQ(pixel(4, 4), transparentKey);
    EXPECT_EQ(pixel(14, 14), RGB(0, 0, 0));
    EXPECT_EQ(pixel(20, 14), RGB(255, 255, 255));
    EXPECT_TRUE(app->Settings().engraveDarkImports);
}

// An imported SVG made twice as large in Properties is drawn anew at the
// dots it now takes: sharp edges, not a bitmap enlarged.
TEST_F(WindowFileFixture, AnSvgMadeLargerIsDrawnAgainAtItsNewSize)
{
    const QString svg = LogoSvg(QStringLiteral("logo.svg"));
    driver.Choose(svg);
    ASSERT_TRUE(frame->Router().Execute(CommandId::Import));
    ASSERT_EQ(doc.GetObjectCount(), 1);
    auto* logo = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(logo);
    const CSize placed = logo->GetSize();
    driver.Then([placed](QDialog& properties) {
        auto* width = properties.findChild<QLineEdit*>(QStringLiteral("1006"));
        auto* height = properties.findChild<QLineEdit*>(QStringLiteral("1007"));
        ASSERT_TRUE(width && height);
        for (auto [edit, length] : {std::pair{width, placed.cx}, std::pair{height, placed.cy}}) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, CUnitFormat(0).Format(2 * length));
        }
        QTest::keyClick(height, Qt::Key_Return);
    });
    frame->View().SetSelection(logo);
    ASSERT_TRUE(frame->Router().Execute(CommandId::Properties));
    ASSERT_EQ(logo->GetSize(), CSize(2 * placed.cx, 2 * placed.cy));
    const CSize dots = doc.DocToDeviceSize(logo->GetSize());
    ASSERT_TRUE(logo->DisplayImage());
    CDibImage expected;
    ASSERT_TRUE(CVectorPicture::Open(svg)->Draw(dots, expected));
    const CDibImage& shown = *logo->DisplayImage();
    ASSERT_EQ(QSize(shown.Width(), shown.Height()), QSize(dots.cx, dots.cy));
    int differing = 0;
    for (int y = 0; y < dots.cy; ++y)
        for (int x = 0; x < dots.cx; ++x)
            differing += shown.GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(WindowFileFixture, SavingOnAFullDiskSaysSoAndKeepsTheFileAndTheChanges)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(256);
    ASSERT_TRUE(disk.IsMounted());
    const QString path = disk.Path(QStringLiteral("plate.vlz"));
    ASSERT_TRUE(QFile::copy(SampleLayout(QStringLiteral("sample.vlz")), path));
    OpenFromMenu(path);
    const QByteArray old = Contents(path);
    doc.InsertAt(Picture("new", 0, 0, 2000, 2000), 1);
    doc.SetModifiedFlag();
    disk.Fill();

    ASSERT_TRUE(frame->Router().Execute(CommandId::FileSave));
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].startsWith(QStringLiteral("Failed to save document.")));
    EXPECT_TRUE(driver.Messages()[0].contains(QStringLiteral("space"))) << driver.Messages()[0].toStdString();
    EXPECT_EQ(Contents(path), old);
    EXPECT_TRUE(doc.IsModified());

    // Save As onto a FIFO is refused too, and the FIFO stays one.
    const QString fifo = files.filePath(QStringLiteral("pipe.vlz"));
    ASSERT_TRUE(ScratchDisk::MakeFifo(fifo));
    driver.Choose(fifo);
    ASSERT_TRUE(frame->Router().Execute(CommandId::FileSaveAs));
    ASSERT_EQ(driver.Messages().size(), 3); // the dialog's "replace it?", then ours
    EXPECT_TRUE(driver.Messages()[2].contains(QStringLiteral("not a regular file"))) << driver.Messages()[2].toStdString();
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_EQ(frame->Documents().PathName(), path);
}
