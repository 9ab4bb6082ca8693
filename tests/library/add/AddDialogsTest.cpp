#include "AddTestSupport.h"
#include "DialogDriver.h"

#include "acquire/CPictureLoader.h"
#include "acquire/CVectorPicture.h"
#include "library/CLibraryModel.h"
#include "library/add/CAddEntry.h"
#include "library/add/CAddEntryBuilder.h"
#include "library/add/CAddMaterialDlg.h"
#include "library/add/CAddSymbolDlg.h"
#include "platform/MulDiv.h"
#include "view/crop/CCropCanvas.h"
#include "view/crop/CCropImageDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QFile>
#include <QSlider>

using namespace AddTest;
namespace ids = AddControlIds;

namespace {

struct AddDialogs : Fixture
{
    CSize AtDocument(int w, int h) const { return CAddSizeRules::FileSize({w, h}, doc.GetResolution()); }

    static bool SamePixels(const CDibImage& a, const CDibImage& b)
    {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.GetPixel(x, y) != b.GetPixel(x, y))
                    return false;
        return true;
    }
    // A black and white table, and both colours used.
    static bool OnlyBlackAndWhite(const CDibImage& picture)
    {
        CDibImage image;
        if (picture.BitCount() != 1 || picture.TableColor(0) != RGB(0, 0, 0)
            || picture.TableColor(1) != RGB(255, 255, 255) || !image.CopyImage(picture) || !image.ConvertDepth(24))
            return false;
        bool black = false, white = false;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                (image.GetPixel(x, y) == RGB(0, 0, 0) ? black : white) = true;
        return black && white;
    }
};

} // namespace

TEST_F(AddDialogs, AColourPhotographBecomesAOneBitMaterialWrittenUnderItsFileName)
{
    CAddMaterialDlg dialog(settings, doc.GetResolution(), library.path());
    Open(dialog, PictureFile(QStringLiteral("Brass plate.bmp"), Photo(120, 80)));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Add Material"));
    EXPECT_EQ(Control<QAbstractButton>(dialog, ids::add)->text(), QStringLiteral("Add"));
    EXPECT_EQ(dialog.Object()->StoredImage().BitCount(), 1);
    EXPECT_FALSE(Edit(dialog, ids::resolution)->isVisible());
    EXPECT_EQ(Edit(dialog, ids::name)->text(), QStringLiteral("Brass plate"));
    const CSize size = AtDocument(120, 80);
    EXPECT_EQ(Edit(dialog, ids::width)->text(), CUnitFormat(0).Format(size.cx));
    EXPECT_TRUE(Control<QCheckBox>(dialog, ids::keepAspect)->isChecked());

    ClickAdd(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(refusals.isEmpty()) << refusals.join('\n').toStdString();
    EXPECT_EQ(Files(library.path()), QStringList{QStringLiteral("Brass plate.vls")});
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("Brass plate"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->m_dwFlags, 8255u);
    EXPECT_EQ(entry->GetSize(), size);
    EXPECT_EQ(entry->StoredImage().BitCount(), 1);
    EXPECT_EQ(entry->StoredImage().Width(), 120);
    EXPECT_TRUE(OnlyBlackAndWhite(entry->StoredImage()));
}

TEST_F(AddDialogs, AScanOpensAtTheScannerSizeAndFollowsTheResolutionTyped)
{
    settings.scanDpi = 150;
    DialogDriver driver;
    bool checked = false;
    driver.Then([&](QDialog& dialog) {
        ASSERT_TRUE(Activate(dialog));
        EXPECT_EQ(Edit(dialog, ids::name)->text(), QStringLiteral("NewShape"));
        EXPECT_EQ(Edit(dialog, ids::width)->text(), QStringLiteral("50.79"));
        EXPECT_EQ(Edit(dialog, ids::height)->text(), QStringLiteral("25.39"));
        EXPECT_TRUE(Edit(dialog, ids::width)->isReadOnly());
        EXPECT_TRUE(Edit(dialog, ids::height)->isReadOnly());
        EXPECT_FALSE(Control<QCheckBox>(dialog, ids::keepAspect)->isEnabled());
        QLineEdit* resolution = Edit(dialog, ids::resolution);
        EXPECT_TRUE(resolution->isVisible());
        EXPECT_EQ(resolution->text(), QStringLiteral("300"));

        // Out of range: refused with the message, the dialog stays.
        Type(resolution, QStringLiteral("10001"));
        ClickAdd(dialog);
        EXPECT_TRUE(dialog.isVisible());
        // Back from the message box, the user is in the field again.
        ASSERT_TRUE(Activate(dialog));
        EXPECT_TRUE(resolution->hasFocus());

        TypeAndLeave(resolution, QStringLiteral("600"));
        EXPECT_EQ(Edit(dialog, ids::width)->text(), QStringLiteral("25.39"));
        EXPECT_EQ(Edit(dialog, ids::height)->text(), QStringLiteral("12.69"));
        checked = true;
        ClickAdd(dialog);
    });
    EXPECT_TRUE(CAddEntry::AddScannedMaterial(Photo(600, 300), 300, doc, settings, library.path(), nullptr));
    EXPECT_TRUE(checked);
    EXPECT_EQ(driver.Messages(), QStringList{QStringLiteral("Resolution (dpi): Please enter an integer between 1 and 10000.")});
    EXPECT_EQ(settings.scanDpi, 600);

    // Made smaller than it opened: reduced to its size in dots, in black and white.
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("NewShape"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->GetSize(), CSize(2539, 1269));
    const CSize dots = CAddEntryBuilder::Dots({2539, 1269}, doc.GetResolution());
    EXPECT_EQ(entry->StoredImage().Width(), dots.cx);
    EXPECT_EQ(entry->StoredImage().Height(), dots.cy);
    EXPECT_EQ(entry->StoredImage().BitCount(), 1);
    EXPECT_TRUE(OnlyBlackAndWhite(entry->StoredImage()));
}

TEST_F(AddDialogs, FramesOpenWithKeepAspectOffAndSymbolsWithItOn)
{
    const QString path = PictureFile(QStringLiteral("edge.bmp"), Photo(200, 100));
    CAddSymbolDlg frame(CLibraryModel::frame, settings, doc.GetResolution(), library.path());
    Open(frame, path);
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Add Frame"));
    auto* keep = Control<QCheckBox>(frame, ids::keepAspect);
    EXPECT_FALSE(keep->isChecked());

    // Off, the sides are free; ticking it applies the width's rule.
    const CSize start = AtDocument(200, 100);
    ASSERT_EQ(start.cx, 2 * start.cy);
    TypeAndLeave(Edit(frame, ids::width), QStringLiteral("20.00"));
    EXPECT_EQ(Edit(frame, ids::height)->text(), CUnitFormat(0).Format(start.cy));
    QTest::mouseClick(keep, Qt::LeftButton);
    EXPECT_EQ(Edit(frame, ids::height)->text(), QStringLiteral("10.00"));

    CAddSymbolDlg symbol(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(symbol, path);
    EXPECT_EQ(symbol.windowTitle(), QStringLiteral("Add Symbol"));
    EXPECT_TRUE(Control<QCheckBox>(symbol, ids::keepAspect)->isChecked());
    // Half a hundredth rounds up, both ways.
    TypeAndLeave(Edit(symbol, ids::width), QStringLiteral("10.01"));
    EXPECT_EQ(Edit(symbol, ids::height)->text(), QStringLiteral("5.01"));
    TypeAndLeave(Edit(symbol, ids::height), QStringLiteral("3.33"));
    EXPECT_EQ(Edit(symbol, ids::width)->text(), QStringLiteral("6.66"));
}

TEST_F(AddDialogs, EnlargingKeepsThePixelsAndTheFlagsFollowTheKindAndKeepAspect)
{
    const CDibImage photo = Photo(200, 100);
    const QString path = PictureFile(QStringLiteral("leaf.bmp"), photo);
    for (const int kind : {CLibraryModel::frame, CLibraryModel::symbol}) {
        CAddSymbolDlg dialog(kind, settings, doc.GetResolution(), library.path());
        Open(dialog, path);
        Type(Edit(dialog, ids::name), QStringLiteral("leaf %1").arg(kind));
        TypeAndLeave(Edit(dialog, ids::width), QStringLiteral("80.00"));
        ClickAdd(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("leaf %1").arg(kind));
        ASSERT_TRUE(entry);
        const bool symbol = kind == CLibraryModel::symbol;
        EXPECT_EQ(entry->m_dwFlags, symbol ? 1028u : 592u);
        EXPECT_EQ(entry->GetSize(), CSize(8000, symbol ? 4000 : AtDocument(200, 100).cy));
        EXPECT_EQ(entry->StoredImage().BitCount(), 24);
        EXPECT_TRUE(SamePixels(entry->StoredImage(), photo));
    }
    EXPECT_TRUE(refusals.isEmpty());

    // The keep-aspect bit is the box's, whatever the kind.
    CAddSymbolDlg free(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(free, path);
    QTest::mouseClick(Control<QCheckBox>(free, ids::keepAspect), Qt::LeftButton);
    ClickAdd(free);
    ASSERT_TRUE(ReadEntry(QStringLiteral("leaf")));
    EXPECT_EQ(ReadEntry(QStringLiteral("leaf"))->m_dwFlags, 1028u & ~0x4u);
}

// A frame drawn as a PNG with a transparent middle keeps its middle open:
// an added frame never covers the plate it frames.
TEST_F(AddDialogs, AFramesTransparentMiddleStaysTransparent)
{
    QImage ring(60, 40, QImage::Format_ARGB32);
    ring.fill(qRgba(0, 0, 0, 255));
    for (int y = 6; y < 34; ++y)
        for (int x = 6; x < 54; ++x)
            ring.setPixel(x, y, qRgba(255, 255, 255, 0));
    const QString path = pictures.filePath(QStringLiteral("ring.png"));
    ASSERT_TRUE(ring.save(path));
    CAddSymbolDlg dialog(CLibraryModel::frame, settings, doc.GetResolution(), library.path());
    QString error;
    ASSERT_TRUE(dialog.LoadFile(path, CPictureLoader::OwnPluginFolder(), &error)) << error.toStdString();
    Collect(dialog);
    Type(Edit(dialog, ids::name), QStringLiteral("ring"));
    ClickAdd(dialog);
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("ring"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->StoredImage().GetPixel(30, 20), transparentKey);
    EXPECT_EQ(entry->StoredImage().GetPixel(2, 2), RGB(0, 0, 0));
}

// A logo comes as SVG: added at twice its size, it is drawn at the dots of
// that size (sharp edges), not enlarged from a small bitmap.
TEST_F(AddDialogs, AnSvgSymbolAddedLargerIsDrawnAtItsNewSize)
{
    const QString path = pictures.filePath(QStringLiteral("logo.svg"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10mm" height="5mm" viewBox="0 0 100 50">)"
                   R"(<rect width="100" height="50" fill="#000"/><circle cx="50" cy="25" r="20" fill="#fff"/></svg>)");
    }
    CAddSymbolDlg dialog(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(dialog, path);
    EXPECT_EQ(Edit(dialog, ids::width)->text(), QStringLiteral("10.00"));
    TypeAndLeave(Edit(dialog, ids::width), QStringLiteral("20.00"));
    EXPECT_EQ(Edit(dialog, ids::height)->text(), QStringLiteral("10.00"));
    ClickAdd(dialog);
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("logo"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->GetSize(), CSize(2000, 1000));
    CDibImage expected;
    ASSERT_TRUE(CVectorPicture::Open(path)->Draw(CAddEntryBuilder::Dots({2000, 1000}, doc.GetResolution()), expected));
    EXPECT_TRUE(SamePixels(entry->StoredImage(), expected));
}

TEST_F(AddDialogs, ShrinkingASymbolResamplesItToTheEngraversResolution)
{
    const CDibImage photo = Photo(200, 100);
    CAddSymbolDlg dialog(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(dialog, PictureFile(QStringLiteral("star.bmp"), photo));
    TypeAndLeave(Edit(dialog, ids::width), QStringLiteral("5.00"));
    EXPECT_EQ(Edit(dialog, ids::height)->text(), QStringLiteral("2.50"));
    ClickAdd(dialog);
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("star"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->GetSize(), CSize(500, 250));

    const int r = doc.GetResolution();
    CDibImage expected;
    ASSERT_TRUE(expected.Create(MulDiv(500, r, 2540), MulDiv(250, r, 2540), 24));
    ASSERT_TRUE(expected.Resample(0, 0, expected.Width(), expected.Height(), photo, 0, 0, 200, 100, transparentKey,
                                  keyReplacement));
    EXPECT_TRUE(SamePixels(entry->StoredImage(), expected));
    // The dialog's own picture stays as loaded.
    EXPECT_TRUE(SamePixels(dialog.Object()->StoredImage(), photo));
}

TEST_F(AddDialogs, AnExistingEntryOrASizeOutOfRangeKeepsTheDialogOpen)
{
    const QString existing = library.filePath(QStringLiteral("coin.vls"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the entry that was there");
    }
    CAddSymbolDlg dialog(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(dialog, PictureFile(QStringLiteral("coin.bmp"), Photo(60, 60)));

    Type(Edit(dialog, ids::width), QStringLiteral("0.4"));
    ClickAdd(dialog);
    EXPECT_EQ(refusals.value(0), QStringLiteral("Width: Please enter a number between 0.5 and 1000."));
    EXPECT_TRUE(Edit(dialog, ids::width)->hasFocus());
    TypeAndLeave(Edit(dialog, ids::width), QStringLiteral("10"));

    ClickAdd(dialog);
    EXPECT_EQ(refusals.value(1), QStringLiteral("Name: File already exists"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Edit(dialog, ids::name)->hasFocus());
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("the entry that was there"));

    // Another name is taken as typed.
    Type(Edit(dialog, ids::name), QStringLiteral("coin two"));
    ClickAdd(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Files(library.path()), (QStringList{QStringLiteral("coin two.vls"), QStringLiteral("coin.vls")}));
    ASSERT_TRUE(ReadEntry(QStringLiteral("coin two")));
    EXPECT_EQ(ReadEntry(QStringLiteral("coin two"))->GetSize(), CSize(1000, 1000));
}

TEST_F(AddDialogs, TransparentMarksTheFilledPixelsAsTheKeyAndRemembersTheTolerance)
{
    CDibImage halves = Filled(60, 40, RGB(20, 20, 20));
    for (int y = 0; y < 40; ++y)
        for (int x = 30; x < 60; ++x)
            halves.SetPixel(x, y, RGB(230, 230, 230));
    CAddSymbolDlg dialog(CLibraryModel::symbol, settings, doc.GetResolution(), library.path());
    Open(dialog, PictureFile(QStringLiteral("half.bmp"), halves));

    DialogDriver driver;
    driver.Then([](QDialog& shown) {
        auto& crop = dynamic_cast<CCropImageDlg&>(shown);
        crop.Canvas()->SetZoom(100);
        QTest::keyClick(crop.ToleranceSlider(), Qt::Key_Home);
        QTest::mouseClick(crop.Canvas()->viewport(), Qt::LeftButton, {}, crop.Canvas()->PictureOrigin() + QPoint(2, 2));
        QTest::mouseClick(crop.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(Control<QAbstractButton>(dialog, ids::transparent), Qt::LeftButton);
    EXPECT_EQ(driver.ActsLeft(), 0);
    EXPECT_EQ(settings.clipRange, 0);

    const CDibImage& picture = dialog.Object()->StoredImage();
    EXPECT_EQ(picture.GetPixel(0, 0), transparentKey);
    EXPECT_EQ(picture.GetPixel(59, 39), RGB(230, 230, 230));
    // The preview leaves the key out: the face colour shows there.
    const QColor face = dialog.palette().color(QPalette::Button);
    const QImage& preview = dialog.Preview();
    const int middle = preview.height() / 2;
    EXPECT_EQ(preview.pixelColor(preview.width() / 8, middle), face);
    EXPECT_EQ(preview.pixelColor(preview.width() * 7 / 8, middle), QColor(230, 230, 230));

    ClickAdd(dialog);
    const std::unique_ptr<CDibObj> entry = ReadEntry(QStringLiteral("half"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->StoredImage().GetPixel(0, 0), transparentKey);
}
