// The scanner from the main window, over SANE's test backend: Select Source,
// Acquire and Add Material from the scanner through our scan window. A
// cancel goes to the tests' own scanner, whose reading waits for it: the
// test backend can hang a cancelled scan.
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "acquire/scanning/CScanDlg.h"
#include "acquire/scanning/CScanPreview.h"
#include "acquire/scanning/CScanSourceDlg.h"
#include "settings/CSettingsStore.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class MainFrameScanFixture : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(ConfigFolder()));
        qputenv("LD_LIBRARY_PATH", VELDRA_SANE_BACKEND_FOLDER);
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        ListBackends("test\n");
        qunsetenv("SANE_CONFIG_DIR");
        qunsetenv("VELDRA_SANE_READ");
    }
    // Read again at the scanner library's next start.
    static bool ListBackends(const QByteArray& names)
    {
        QFile dll(QDir(ConfigFolder()).filePath(QStringLiteral("dll.conf")));
        return dll.open(QIODevice::WriteOnly | QIODevice::Truncate) && dll.write(names) == names.size();
    }

    // SANE's own configuration takes seconds to probe and finds nothing
    // here: only the test backend is listed. One folder for the whole
    // program, as the library keeps the first folder it was shown.
    static QString ConfigFolder()
    {
        static QTemporaryDir folder;
        static const bool written = [] {
            QFile dll(folder.filePath(QStringLiteral("dll.conf")));
            return dll.open(QIODevice::WriteOnly) && dll.write("test\n") == 5;
        }();
        EXPECT_TRUE(written);
        return folder.path();
    }

    // In the scan window: a resolution, a mode and an area, then Scan, and
    // the window waited for.
    static std::function<void(QDialog&)> ScanWith(int dpi, const QString& mode, QRectF areaMm)
    {
        return [=](QDialog& dialog) {
            auto& scan = dynamic_cast<CScanDlg&>(dialog);
            scan.Resolutions()->setCurrentIndex(scan.Resolutions()->findData(dpi));
            ASSERT_EQ(scan.Resolutions()->currentData().toInt(), dpi);
            scan.Modes()->setCurrentText(mode);
            scan.Preview()->SetSelection(areaMm);
            scan.ScanButton()->click();
        };
    }
};

} // namespace

TEST_F(MainFrameScanFixture, TheChosenSourceIsListedFirstAndRemembered)
{
    DialogDriver driver;
    driver.Then([](QDialog& dialog) {
        auto& sources = dynamic_cast<CScanSourceDlg&>(dialog);
        ASSERT_GE(sources.List()->topLevelItemCount(), 2);
        EXPECT_EQ(sources.List()->currentItem()->text(0), QStringLiteral("test:0"));
        sources.List()->setCurrentItem(sources.List()->topLevelItem(1));
        sources.accept();
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::SelectSource));
    EXPECT_EQ(app->Settings().scanSource, QStringLiteral("test:1"));
    EXPECT_EQ(CSettingsStore().ReadString(QStringLiteral("Scanner"), QStringLiteral("Source")), QStringLiteral("test:1"));
    driver.Then([](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<CScanSourceDlg&>(dialog).List()->currentItem()->text(0), QStringLiteral("test:1"));
        dialog.reject();
    });
    frame->Router().Execute(CommandId::SelectSource);
    EXPECT_EQ(app->Settings().scanSource, QStringLiteral("test:1"));
}

TEST_F(MainFrameScanFixture, AcquirePlacesTheScanAsTwainDataInOneUndoStep)
{
    DialogDriver driver;
    driver.Then(ScanWith(75, QStringLiteral("Gray"), QRectF(0, 0, 40, 20)));
    ASSERT_TRUE(frame->Router().Execute(CommandId::Acquire));
    ASSERT_EQ(doc.GetObjectCount(), 1) << driver.Messages().join(u'|').toStdString();
    CSymbolObj* picture = doc.GetObjectAt(0);
    EXPECT_EQ(picture->m_strName, QByteArray("Twain Data"));
    EXPECT_TRUE(doc.CanUndo());
    frame->Router().Execute(CommandId::EditUndo);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
    // The next scan window starts from this scan's resolution and mode.
    driver.Then([](QDialog& dialog) {
        auto& scan = dynamic_cast<CScanDlg&>(dialog);
        EXPECT_EQ(scan.Resolutions()->currentData().toInt(), 75);
        EXPECT_EQ(scan.Modes()->currentText(), QStringLiteral("Gray"));
        dialog.reject();
    });
    frame->Router().Execute(CommandId::Acquire);
}

TEST_F(MainFrameScanFixture, CancellingAScanAddsNothingAndKeepsTheWindowOpen)
{
    ASSERT_TRUE(ListBackends("veldrascan\n"));
    qputenv("VELDRA_SANE_READ", "block");
    app->Settings().scanSource = QStringLiteral("veldrascan:0");
    DialogDriver driver;
    bool stayedOpen = false;
    driver.Then([&stayedOpen](QDialog& dialog) {
        auto& scan = dynamic_cast<CScanDlg&>(dialog);
        // A scan that goes on until it is stopped.
        scan.ScanButton()->click();
        ASSERT_TRUE(scan.IsScanning());
        scan.reject();
        QTRY_VERIFY_WITH_TIMEOUT(!scan.IsScanning(), 20000);
        stayedOpen = scan.isVisible();
        scan.reject();
    });
    frame->Router().Execute(CommandId::Acquire);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(doc.GetObjectCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(MainFrameScanFixture, AMaterialFromTheScannerIsSizedByTheScannersFormula)
{
    QDir().mkpath(app->LibraryFolder(CLibraryModel::material));
    DialogDriver driver;
    // 600 x 300 dots at 300 dpi: 50.8 x 25.4 mm.
    driver.Then(ScanWith(300, QStringLiteral("Gray"), QRectF(0, 0, 50.8, 25.4)));
    QString width, height;
    driver.Then([&](QDialog& add) {
        width = add.findChild<QLineEdit*>(QStringLiteral("1006"))->text();
        height = add.findChild<QLineEdit*>(QStringLiteral("1007"))->text();
        add.findChild<QLineEdit*>(QStringLiteral("1138"))->setText(QStringLiteral("Scanned"));
        add.findChild<QPushButton*>(QStringLiteral("1"))->click();
        if (add.isVisible())
            add.reject();
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::AddMaterialScan));
    EXPECT_TRUE(driver.Messages().isEmpty()) << driver.Messages().join(u'|').toStdString();
    CDibObj material;
    ASSERT_TRUE(material.ReadSymbolFile(QDir(app->LibraryFolder(CLibraryModel::material)).filePath(QStringLiteral("Scanned.vls"))));
    EXPECT_EQ(material.StoredImage().BitCount(), 1);
    // The device rounds the area to its own steps: the size follows the
    // pixels it gave, by the scanner's formula (minus dpi - 1, truncated).
    const int w = material.StoredImage().Width(), h = material.StoredImage().Height();
    EXPECT_NEAR(w, 600, 3);
    EXPECT_NEAR(h, 300, 6);
    const CSize expected((w * 2540 - 299) / 300, (h * 2540 - 299) / 300);
    EXPECT_EQ(material.GetSize(), expected);
    EXPECT_EQ(width, QString::number(expected.cx / 100.0, 'f', 2));
    EXPECT_EQ(height, QString::number(expected.cy / 100.0, 'f', 2));
}

TEST(ScanPreview, ADragMarksThePartInMillimetresAndAClickTheWholeArea)
{
    CScanPreview preview;
    preview.resize(208, 308); // 200 x 300 pixels inside its 4-pixel border
    preview.SetArea(QRectF(0, 0, 200, 300));
    preview.show();
    QList<QRectF> told;
    QObject::connect(&preview, &CScanPreview::selectionChanged, [&told](const QRectF& area) { told << area; });
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(4 + 20, 4 + 30));
    QTest::mouseMove(&preview, QPoint(4 + 120, 4 + 180));
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, QPoint(4 + 120, 4 + 180));
    const QRectF marked = preview.Selection();
    EXPECT_NEAR(marked.left(), 20, 0.6);
    EXPECT_NEAR(marked.top(), 30, 0.6);
    EXPECT_NEAR(marked.width(), 100, 0.6);
    EXPECT_NEAR(marked.height(), 150, 0.6);
    ASSERT_EQ(told.size(), 1);
    // Dragged beyond the area: kept inside it.
    QTest::mousePress(&preview, Qt::LeftButton, {}, QPoint(150, 250));
    QTest::mouseRelease(&preview, Qt::LeftButton, {}, QPoint(400, 400));
    EXPECT_NEAR(preview.Selection().right(), 200, 0.01);
    EXPECT_NEAR(preview.Selection().bottom(), 300, 0.01);
    // A click marks everything again.
    QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(preview.Selection(), QRectF(0, 0, 200, 300));
}
