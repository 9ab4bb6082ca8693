// The picture dialogs of the Object menu, run from the program's own window
// as a user runs them: Rotate Image and Trimming.
#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "ScratchDisk.h"

#include "document/CPictureCommands.h"
#include "acquire/CVectorPicture.h"
#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"
#include "view/layers/CLayerWindow.h"
#include "view/rotate/CRotateImageDlg.h"
#include "view/trimming/CTrimmingDlg.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {

class PictureDialogsFixture : public MainWindowFixture
{
protected:
    // A w x h picture whose every pixel tells where it came from.
    CDibObj* AddPicture(int w, int h, int cx, int cy)
    {
        auto picture = std::make_unique<CDibObj>();
        CDibImage image;
        image.Create(w, h, 24);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = image.Row(y) + 3 * x;
                p[0] = std::uint8_t(x);
                p[1] = std::uint8_t(y);
                p[2] = std::uint8_t(x ^ y);
            }
        picture->SetImageFrom(&image, flagsPicture, true);
        picture->SetBounds(300, -200, cx, cy);
        picture->Refresh(&doc);
        CDibObj* raw = picture.get();
        doc.InsertAt(std::move(picture), -1);
        frame->View().SetSelection(raw);
        return raw;
    }

    static void Confirm(QDialog& dialog)
    {
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
        ASSERT_TRUE(buttons);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    // Chooses an angle in the Rotate Image dialog with the keyboard.
    static std::function<void(QDialog&)> RotateBy(int index)
    {
        return [index](QDialog& dialog) {
            auto* angle = dialog.findChild<QComboBox*>(QStringLiteral("1157"));
            ASSERT_TRUE(angle);
            angle->setFocus();
            for (int i = 0; i < index; ++i)
                QTest::keyClick(angle, Qt::Key_Down);
            Confirm(dialog);
        };
    }

    // A photo imported as the user imports one: its full-resolution file
    // kept, then moved away from the centre.
    CDibObj* ImportPhoto(int w, int h)
    {
        CDibImage image;
        image.Create(w, h, 24);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                std::memset(image.Row(y) + 3 * x, (x * 255) / w, 3);
        CDibObj* picture = CPictureCommands::AddPicture(doc, image, QStringLiteral("photo"));
        EXPECT_TRUE(picture && !picture->GetSourcePath().isEmpty());
        picture->SetPosition(700, -400);
        frame->View().SetSelection(picture);
        return picture;
    }

    // A press, one move and a release with the left button.
    static void DragIn(QWidget& area, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(&area, Qt::LeftButton, keys, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), area.mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton, keys);
        QApplication::sendEvent(&area, &move);
        QTest::mouseRelease(&area, Qt::LeftButton, keys, to);
    }

    // The logo SVG through File > Import, selected.
    CDibObj* ImportLogo()
    {
        driver.Choose(LogoSvg(QStringLiteral("logo.svg")));
        EXPECT_TRUE(frame->Router().Execute(CommandId::Import));
        auto* logo = doc.GetObjectCount() == 1 ? dynamic_cast<CDibObj*>(doc.GetObjectAt(0)) : nullptr;
        frame->View().SetSelection(logo);
        return logo;
    }

    static void ChooseMode(QDialog& dialog, int mode)
    {
        auto* button = dialog.findChild<QRadioButton*>(QString::number(1010 + mode));
        ASSERT_TRUE(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }

    DialogDriver driver;
};

} // namespace

TEST_F(PictureDialogsFixture, RotateTurnsThePictureAQuarterClockwise)
{
    CDibObj* picture = AddPicture(300, 200, 3000, 2000);
    const int undoBefore = doc.UndoHistory().UndoCount();
    EXPECT_TRUE(frame->Router().Query(CommandId::RotateImage).enabled);
    driver.Then(RotateBy(1));
    EXPECT_TRUE(frame->Router().Execute(CommandId::RotateImage));

    const CDibImage& turned = picture->StoredImage();
    ASSERT_EQ(turned.Width(), 200);
    ASSERT_EQ(turned.Height(), 300);
    // The top-left pixel is the source's bottom-left one (x 0, y 199).
    EXPECT_EQ(turned.Row(0)[0], 0);
    EXPECT_EQ(turned.Row(0)[1], 199);
    EXPECT_EQ(picture->GetSize(), (CSize{2000, 3000}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(doc.IsModified());
    // Undo puts the object as it was back in its place.
    doc.Undo();
    const auto* restored = dynamic_cast<const CDibObj*>(doc.GetObjectAt(doc.GetObjectCount() - 1));
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->StoredImage().Width(), 300);
}

TEST_F(PictureDialogsFixture, RotateByNothingOrCancelledRecordsNothing)
{
    CDibObj* picture = AddPicture(30, 20, 3000, 2000);
    doc.SetModifiedFlag(false);
    const int undoBefore = doc.UndoHistory().UndoCount();
    driver.Then(RotateBy(0));
    EXPECT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(picture->StoredImage().Width(), 30);
    EXPECT_EQ(driver.ActsLeft(), 0);

    // Each choice has its own picture.
    const QImage none = CRotateImageDlg::Preview(0, 64).toImage(), quarter = CRotateImageDlg::Preview(1, 64).toImage();
    EXPECT_NE(none, quarter);
    EXPECT_NE(quarter, CRotateImageDlg::Preview(3, 64).toImage());
}

TEST_F(PictureDialogsFixture, PictureCommandsWantAPictureSelected)
{
    frame->View().SetSelection(nullptr);
    EXPECT_FALSE(frame->Router().Query(CommandId::RotateImage).enabled);
    AddPicture(4, 4, 100, 100);
    EXPECT_TRUE(frame->Router().Query(CommandId::RotateImage).enabled);
}

TEST_F(PictureDialogsFixture, TrimmingPutsTheChosenPartAtTheMaterialCentre)
{
    CDibObj* picture = ImportPhoto(800, 400);
    EXPECT_TRUE(frame->Router().Query(CommandId::Trimming).enabled);
    const int undoBefore = doc.UndoHistory().UndoCount();
    CSize chosen;
    driver.Then([&chosen](QDialog& dialog) {
        ChooseMode(dialog, 2); // Free: the printable area's shape
        chosen = static_cast<CTrimmingDlg&>(dialog).Rules().Size();
        Confirm(dialog);
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::Trimming));
    EXPECT_EQ(driver.ActsLeft(), 0);
    EXPECT_EQ(picture->GetPosition(), (CPoint{0, 0}));
    EXPECT_EQ(picture->GetSize(), chosen);
    CRect stored;
    EXPECT_EQ(picture->GetTrim(&stored), 2);
    EXPECT_GT(stored.Width(), 0);
    // A square part of a 2:1 picture.
    const CDibImage& working = picture->StoredImage();
    EXPECT_NEAR(double(working.Width()) / working.Height(), double(chosen.cx) / chosen.cy, 0.02);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore + 1);

    // Cancelled, nothing changes.
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(frame->Router().Execute(CommandId::Trimming));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore + 1);
}

// A part of an imported SVG trimmed and enlarged to the printable area is
// drawn anew at every dot it takes, not enlarged from the drawn bitmap; so
// is the part when it is made larger again later, and after undo and redo.
TEST_F(PictureDialogsFixture, TrimmingADrawingDrawsThePartAgain)
{
    CDibObj* logo = ImportLogo();
    ASSERT_TRUE(logo);
    CDibImage full;
    ASSERT_TRUE(full.LoadBitmapFile(logo->GetSourcePath()));
    CSize chosen;
    CRect part;
    driver.Then([&](QDialog& dialog) {
        ChooseMode(dialog, 2); // Free: a square part, the printable area's size
        chosen = static_cast<CTrimmingDlg&>(dialog).Rules().Size();
        part = static_cast<CTrimmingDlg&>(dialog).Rules().PictureRect();
        Confirm(dialog);
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::Trimming));
    const CSize dots = doc.DocToDeviceSize(chosen);
    const CDibImage& working = logo->StoredImage();
    EXPECT_EQ(QSize(working.Width(), working.Height()), QSize(dots.cx, dots.cy));

    // Twice as large: the whole logo drawn at twice the part's scale, the
    // part cut out of it, dot for dot.
    const auto drawnLarger = [&] {
        const CSize larger{2 * dots.cx, 2 * dots.cy};
        const double scaleX = double(larger.cx) / part.Width(), scaleY = double(larger.cy) / part.Height();
        CDibImage whole;
        EXPECT_TRUE(CVectorPicture::Open(LogoSvg(QStringLiteral("logo.svg")))
                        ->Draw({int(std::lround(full.Width() * scaleX)), int(std::lround(full.Height() * scaleY))}, whole));
        EXPECT_TRUE(logo->BuildDisplay(larger.cx, larger.cy));
        int differing = 0;
        const int left = int(std::lround(part.left * scaleX)), top = int(std::lround(part.top * scaleY));
        for (int y = 0; y < larger.cy; ++y)
            for (int x = 0; x < larger.cx; ++x)
                differing += logo->DisplayImage()->GetPixel(x, y) != whole.GetPixel(left + x, top + y);
        return differing;
    };
    EXPECT_EQ(drawnLarger(), 0);
    ASSERT_TRUE(frame->Router().Execute(CommandId::EditUndo));
    ASSERT_TRUE(frame->Router().Execute(CommandId::EditRedo));
    logo = dynamic_cast<CDibObj*>(doc.GetObjectAt(0));
    ASSERT_TRUE(logo);
    EXPECT_EQ(drawnLarger(), 0);
}

// Once a drawing's pixels are changed (here turned), a new size resamples
// them: drawing the file again would undo the change.
TEST_F(PictureDialogsFixture, ATurnedDrawingIsNotDrawnAgainFromItsFile)
{
    CDibObj* logo = ImportLogo();
    ASSERT_TRUE(logo);
    driver.Then(RotateBy(1));
    ASSERT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    const int w = logo->StoredImage().Width(), h = logo->StoredImage().Height();
    ASSERT_LT(w, h);
    ASSERT_TRUE(logo->BuildDisplay(2 * w, 2 * h));
    // The disc of the turned logo reaches across 74 % of its width; drawn
    // again unturned and squeezed, it would reach across 37 %.
    EXPECT_EQ(logo->DisplayImage()->GetPixel(2 * w / 5, h), RGB(255, 255, 255));
}

TEST_F(PictureDialogsFixture, TrimmingAsksForASizeWithinItsLimits)
{
    ImportPhoto(300, 200);
    driver.Then([](QDialog& dialog) {
        auto* width = dialog.findChild<QLineEdit*>(QStringLiteral("1006"));
        ASSERT_TRUE(width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("2000"));
        Confirm(dialog);
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::Trimming));
    EXPECT_EQ(driver.Messages(), QStringList{QStringLiteral("Width: Please enter a number between 0.50 and 1000.00.")});
}

TEST_F(PictureDialogsFixture, OnlyAPictureWithItsFileCanBeTrimmed)
{
    AddPicture(4, 4, 100, 100); // made here, no full-resolution file
    EXPECT_FALSE(frame->Router().Query(CommandId::Trimming).enabled);
    ImportPhoto(40, 40);
    EXPECT_TRUE(frame->Router().Query(CommandId::Trimming).enabled);
}

// In the dialog itself: a corner dragged with Shift held keeps the
// rectangle's proportions, and the size follows.
TEST_F(PictureDialogsFixture, AShiftDragInTheTrimmingAreaKeepsTheProportions)
{
    ImportPhoto(800, 400);
    CRect before, after;
    CSize sizeAfter;
    driver.Then([&](QDialog& dialog) {
        auto& trimming = static_cast<CTrimmingDlg&>(dialog);
        ChooseMode(dialog, 2);
        QWidget* area = dialog.findChild<QWidget*>(QStringLiteral("1021"));
        ASSERT_TRUE(area);
        before = trimming.Rules().Tracker();
        const QPoint corner(before.right + 3, before.bottom + 3);
        DragIn(*area, corner, corner - QPoint(60, 10), Qt::ShiftModifier);
        after = trimming.Rules().Tracker();
        sizeAfter = trimming.Rules().Size();
        dialog.reject();
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::Trimming));
    ASSERT_GT(before.Width(), 60);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_LT(after.bottom, before.bottom);
    EXPECT_NEAR(double(after.Width()) / after.Height(), double(before.Width()) / before.Height(), 0.02);
    EXPECT_NEAR(double(sizeAfter.cx) / sizeAfter.cy, double(after.Width()) / after.Height(), 0.02);
}

// Trimming starts from the picture as it is now: a turn made before is
// neither shown undone nor undone by OK.
TEST_F(PictureDialogsFixture, TrimmingAfterARotationKeepsTheTurn)
{
    CDibObj* picture = ImportPhoto(800, 400);
    driver.Then(RotateBy(1));
    ASSERT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    CSize shown;
    driver.Then([&shown](QDialog& dialog) {
        shown = static_cast<CTrimmingDlg&>(dialog).Rules().PhysicalSize();
        Confirm(dialog);
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::Trimming));
    EXPECT_LT(shown.cx, shown.cy);
    EXPECT_LT(picture->StoredImage().Width(), picture->StoredImage().Height());
    EXPECT_LT(picture->GetSize().cx, picture->GetSize().cy);
    // Turned clockwise, the photo's dark left edge is now its top.
    const CDibImage& trimmed = picture->StoredImage();
    EXPECT_LT(GetRValue(trimmed.GetPixel(trimmed.Width() - 1, 0)), 10);
    EXPECT_GT(GetRValue(trimmed.GetPixel(0, trimmed.Height() - 1)), 240);
}

// With no room for the turned full-resolution picture, the turn stands and
// Trimming is no longer offered: it would bring back the unturned file.
TEST_F(PictureDialogsFixture, ATurnWithTheTemporaryDiskFullKeepsTheTurnAndOffersNoTrimming)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk;
    ASSERT_TRUE(disk.IsMounted());
    CDibObj* picture = ImportPhoto(800, 400);
    int made = 0;
    doc.SetTempFileSource([&] { return disk.Path(QStringLiteral("turned%1.bmp").arg(++made)); });
    disk.Fill();
    driver.Then(RotateBy(1));
    ASSERT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    EXPECT_EQ(picture->StoredImage().Width(), 400);
    EXPECT_TRUE(picture->GetSourcePath().isEmpty());
    EXPECT_FALSE(frame->Router().Query(CommandId::Trimming).enabled);
    EXPECT_FALSE(QFile::exists(disk.Path(QStringLiteral("turned1.bmp")))) << "a cut-short file left behind";
    // Undone, the photo has its file again.
    frame->Router().Execute(CommandId::EditUndo);
    auto* restored = dynamic_cast<CDibObj*>(doc.GetObjectAt(doc.GetObjectCount() - 1));
    ASSERT_TRUE(restored);
    EXPECT_FALSE(restored->GetSourcePath().isEmpty());
}

// A Same Size rectangle dragged past the picture's edge stops at it: the
// part cut is the size the object gets, never stretched.
TEST_F(PictureDialogsFixture, TheTrimmingRectangleStaysOnThePicture)
{
    CDibObj* picture = ImportPhoto(2400, 1000);
    CRect before, after, display;
    driver.Then([&](QDialog& dialog) {
        auto& trimming = static_cast<CTrimmingDlg&>(dialog);
        ChooseMode(dialog, 1);
        QWidget* area = dialog.findChild<QWidget*>(QStringLiteral("1021"));
        ASSERT_TRUE(area);
        before = trimming.Rules().Tracker();
        display = trimming.Rules().DisplayRect();
        const QPoint from((before.left + before.right) / 2, (before.top + before.bottom) / 2);
        // Past the right edge by a quarter of the rectangle.
        const QPoint to = from + QPoint(display.right - before.right + before.Width() / 4, 0);
        DragIn(*area, from, to);
        after = trimming.Rules().Tracker();
        Confirm(dialog);
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::Trimming));
    ASSERT_LT(before.Width(), display.Width());
    EXPECT_EQ(after.right, display.right);
    EXPECT_EQ(after.Width(), before.Width());
    const CDibImage& working = picture->StoredImage();
    const CSize size = picture->GetSize();
    EXPECT_NEAR(double(working.Width()) / working.Height(), double(size.cx) / size.cy, 0.02);
    // The right edge of the photo is its lightest part.
    EXPECT_GT(GetRValue(working.GetPixel(working.Width() - 1, 0)), 240);
}

TEST_F(PictureDialogsFixture, FramesAndSymbolsTurnButNotTheMaterial)
{
    auto symbol = std::make_unique<CDibObj>();
    CDibImage image;
    ASSERT_TRUE(image.Create(32, 8, 24, RGB(255, 255, 255)));
    image.SetPixel(0, 0, RGB(0, 0, 0)); // top left black
    ASSERT_TRUE(symbol->SetImageFrom(&image, flagsSymbol, true));
    symbol->SetBounds(0, 0, 3200, 800);
    symbol->Refresh(&doc);
    CDibObj* raw = symbol.get();
    ASSERT_TRUE(CPictureCommands::AddPasted(doc, std::move(symbol)));
    frame->View().SetSelection(raw);
    EXPECT_TRUE(frame->Router().Query(CommandId::CropImage).enabled);
    driver.Then(RotateBy(1));
    ASSERT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    const CDibImage& turned = raw->StoredImage();
    ASSERT_EQ(turned.Width(), 8);
    ASSERT_EQ(turned.Height(), 32);
    // Turned clockwise, the top left corner goes to the top right.
    EXPECT_EQ(turned.GetPixel(7, 0), RGB(0, 0, 0));
    EXPECT_EQ(turned.GetPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(raw->GetSize(), (CSize{800, 3200}));

    doc.InsertAt(Picture("outline", 0, 0, 5000, 5000, flagsMaterial), 0);
    frame->View().SetSelection(doc.GetObjectAt(0));
    EXPECT_FALSE(frame->Router().Query(CommandId::RotateImage).enabled);
    EXPECT_FALSE(frame->Router().Query(CommandId::CropImage).enabled);
}

TEST_F(PictureDialogsFixture, UndoAndRedoWalkBackThroughPicturesTurnedTrimmedAndJoined)
{
    std::vector<QByteArray> states{LayoutBytes()};
    const auto stepped = [&](const char* what) {
        states.push_back(LayoutBytes());
        EXPECT_NE(states.back(), states[states.size() - 2]) << what;
        EXPECT_TRUE(frame->isWindowModified()) << what;
    };
    // Imported as Import adds them, where Import puts them.
    for (const int width : {400, 300}) {
        CDibImage image;
        ASSERT_TRUE(image.Create(width, 150, 24, RGB(width / 2, 90, 30)));
        frame->View().SetSelection(CPictureCommands::AddPicture(doc, image, QStringLiteral("photo")));
        stepped("photo");
    }
    driver.Then(RotateBy(1));
    ASSERT_TRUE(frame->Router().Execute(CommandId::RotateImage));
    stepped("turned");
    driver.Then([](QDialog& dialog) {
        ChooseMode(dialog, 2);
        Confirm(dialog);
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::Trimming));
    stepped("trimmed");
    // The front photo joined with the one behind it in the layer window.
    frame->Router().Execute(CommandId::LayerWindow);
    auto* rows = frame->LayerWindow().findChild<QListWidget*>();
    ASSERT_TRUE(rows);
    rows->setCurrentRow(0);
    QTest::mouseClick(frame->LayerWindow().findChild<QToolButton*>(QStringLiteral("join-lower")), Qt::LeftButton);
    ASSERT_EQ(doc.GetObjectCount(), 1);
    stepped("joined");

    driver.Choose(files.filePath(QStringLiteral("photos.vlz")));
    ASSERT_TRUE(frame->Router().Execute(CommandId::FileSaveAs));
    EXPECT_FALSE(frame->isWindowModified());
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        frame->Router().Execute(CommandId::EditUndo);
        EXPECT_TRUE(LayoutBytes() == states[std::size_t(i)]) << "undone to " << i;
        EXPECT_TRUE(frame->isWindowModified()) << i;
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        frame->Router().Execute(CommandId::EditRedo);
        EXPECT_TRUE(LayoutBytes() == states[i]) << "redone to " << i;
        EXPECT_EQ(frame->isWindowModified(), i + 1 < states.size()) << i;
    }
}
