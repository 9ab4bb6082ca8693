#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "document/CPictureCommands.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"
#include "view/crop/CCropCanvas.h"
#include "view/crop/CCropImageDlg.h"
#include "view/controls/CColorButton.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF dark = RGB(20, 20, 20);
constexpr COLORREF light = RGB(230, 230, 230);

// Dark on the left half, light on the right: far apart in luma.
CDibImage Halves(int w, int h)
{
    CDibImage picture;
    picture.Create(w, h, 24, dark);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            picture.SetPixel(x, y, light);
    return picture;
}

// The dialog as the user meets it: shown, laid out, at its opening zoom.
struct CropDialog
{
    explicit CropDialog(const CDibImage& picture, int tolerance = 20, COLORREF clip = RGB(0, 0, 255))
        : dialog(picture, tolerance, clip)
    {
        dialog.SetRefusalSink([this](const QString& message) { refusals.append(message); });
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QWidget* Canvas() { return dialog.Canvas()->viewport(); }
    // The window point over the middle of a picture pixel.
    QPoint At(int x, int y)
    {
        const int zoom = dialog.Canvas()->Zoom();
        return dialog.Canvas()->PictureOrigin() + QPoint((2 * x + 1) * zoom / 200, (2 * y + 1) * zoom / 200);
    }
    void Move(QPoint to, Qt::MouseButtons held)
    {
        QMouseEvent move(QEvent::MouseMove, to, Canvas()->mapToGlobal(to), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(Canvas(), &move);
    }
    void Wheel(int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPoint at = {10, 10})
    {
        QWheelEvent wheel(at, Canvas()->mapToGlobal(at), {}, {0, notches * QWheelEvent::DefaultDeltasPerStep},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Canvas(), &wheel);
    }
    void Type(QLineEdit* edit, const QString& digits)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar digit : digits)
            QTest::keyClick(edit, Qt::Key(Qt::Key_0 + digit.digitValue()));
    }
    int Marked()
    {
        int n = 0;
        const CDibImage& mask = dialog.Mask().Mask();
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x)
                n += dialog.Mask().IsMarked(x, y);
        return n;
    }

    CCropImageDlg dialog;
    QStringList refusals;
};

} // namespace

TEST(CropImageDlg, ASmallPictureOpensAtFullSizeCentred)
{
    CropDialog crop(Halves(60, 40));
    CCropCanvas& canvas = *crop.dialog.Canvas();
    EXPECT_EQ(canvas.Zoom(), 100);
    const QSize client = canvas.ClientSize();
    EXPECT_EQ(canvas.PictureOrigin(), QPoint((client.width() - 60) / 2, (client.height() - 40) / 2));
    const QImage shown = canvas.viewport()->grab().toImage();
    const QPoint origin = canvas.PictureOrigin();
    EXPECT_EQ(shown.pixelColor(origin + QPoint(1, 1)), QColor(20, 20, 20));
    EXPECT_EQ(shown.pixelColor(origin + QPoint(58, 38)), QColor(230, 230, 230));
    EXPECT_NE(shown.pixelColor(origin + QPoint(-1, -1)), QColor(20, 20, 20));
}

TEST(CropImageDlg, ALargePictureOpensAtTheFitZoomAndZoomsInStepsAboutTheCursor)
{
    CropDialog crop(Halves(3000, 2000));
    CCropCanvas& canvas = *crop.dialog.Canvas();
    const QSize window = canvas.contentsRect().size();
    const int fit = std::min(100 * window.height() / 2000, 100 * window.width() / 3000);
    EXPECT_EQ(canvas.Zoom(), fit);
    EXPECT_LT(fit, 25);

    // Ctrl and the wheel zoom in about the cursor: the pixel under it stays.
    const QPoint cursor = crop.At(1500, 1000);
    const CPoint under = canvas.PicturePoint(cursor);
    crop.Wheel(1, Qt::ControlModifier, cursor);
    EXPECT_EQ(canvas.Zoom(), 25);
    crop.Wheel(1, Qt::ControlModifier, cursor);
    EXPECT_EQ(canvas.Zoom(), 50);
    EXPECT_NEAR(canvas.PicturePoint(cursor).x, under.x, 2);
    EXPECT_NEAR(canvas.PicturePoint(cursor).y, under.y, 2);

    crop.dialog.ToolButton(CCropRules::zoom)->click();
    QTest::mouseClick(crop.Canvas(), Qt::RightButton, {}, cursor);
    EXPECT_EQ(canvas.Zoom(), 25);
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, cursor);
    EXPECT_EQ(canvas.Zoom(), 50);
    crop.dialog.FitToScreen();
    EXPECT_EQ(canvas.Zoom(), fit);
}

TEST(CropImageDlg, TheWheelWithoutCtrlMovesTheToleranceWithinRange)
{
    CropDialog crop(Halves(60, 40), 0);
    crop.Wheel(1);
    EXPECT_EQ(crop.dialog.Tolerance(), 0);
    EXPECT_EQ(crop.dialog.ToleranceEdit()->text(), QStringLiteral("0"));
    crop.Wheel(-3);
    EXPECT_EQ(crop.dialog.Tolerance(), 3);
    EXPECT_EQ(crop.dialog.ToleranceSlider()->value(), 3);
    EXPECT_EQ(crop.dialog.ToleranceEdit()->text(), QStringLiteral("3"));
    EXPECT_EQ(crop.dialog.Canvas()->Zoom(), 100);

    crop.dialog.ToleranceSlider()->setFocus();
    QTest::keyClick(crop.dialog.ToleranceSlider(), Qt::Key_End);
    EXPECT_EQ(crop.dialog.Tolerance(), 255);
    EXPECT_EQ(crop.dialog.ToleranceEdit()->text(), QStringLiteral("255"));
    // The slider follows a typed value, and waits while it is out of range.
    crop.Type(crop.dialog.ToleranceEdit(), QStringLiteral("42"));
    EXPECT_EQ(crop.dialog.ToleranceSlider()->value(), 42);
    crop.Type(crop.dialog.ToleranceEdit(), QStringLiteral("420"));
    EXPECT_EQ(crop.dialog.ToleranceSlider()->value(), 42);
}

TEST(CropImageDlg, FillPaintMarksTheClickedRegionAndOkCutsItToTheKey)
{
    CropDialog crop(Halves(60, 40), 10, RGB(0, 0, 255));
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(5, 5));
    EXPECT_EQ(crop.Marked(), 30 * 40);
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(29, 39));
    EXPECT_FALSE(crop.dialog.Mask().IsMarked(30, 0));
    // Shown in the clip colour.
    const QImage shown = crop.Canvas()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(crop.At(5, 5)), QColor(0, 0, 255));

    QTest::mouseClick(crop.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(crop.dialog.result(), QDialog::Accepted);
    const CDibImage result = crop.dialog.Result();
    EXPECT_EQ(result.GetPixel(0, 0), transparentKey);
    EXPECT_EQ(result.GetPixel(29, 39), transparentKey);
    EXPECT_EQ(result.GetPixel(30, 0), light);
}

TEST(CropImageDlg, ThePenMarksWithTheLeftButtonAndUnmarksWithTheRight)
{
    CropDialog crop(Halves(60, 40));
    crop.dialog.ToolButton(CCropRules::drawingPen)->click();
    EXPECT_EQ(crop.dialog.ActiveTool(), CCropRules::drawingPen);
    QTest::mousePress(crop.Canvas(), Qt::LeftButton, {}, crop.At(10, 20));
    crop.Move(crop.At(40, 20), Qt::LeftButton);
    QTest::mouseRelease(crop.Canvas(), Qt::LeftButton, {}, crop.At(40, 20));
    for (int x = 10; x <= 40; ++x)
        EXPECT_TRUE(crop.dialog.Mask().IsMarked(x, 20)) << x;
    EXPECT_EQ(crop.Marked(), 31); // diameter 1: one pixel wide

    QTest::mousePress(crop.Canvas(), Qt::RightButton, {}, crop.At(20, 20));
    EXPECT_EQ(crop.dialog.Canvas()->viewport()->cursor().pixmap().toImage(),
              CArtwork::Cursor(CursorKind::PenErase).pixmap().toImage());
    crop.Move(crop.At(30, 20), Qt::RightButton);
    QTest::mouseRelease(crop.Canvas(), Qt::RightButton, {}, crop.At(30, 20));
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(19, 20));
    EXPECT_FALSE(crop.dialog.Mask().IsMarked(25, 20));
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(31, 20));
    EXPECT_EQ(crop.Marked(), 20);

    // A wider pen marks a disc at a click.
    crop.Type(crop.dialog.PenDiameterEdit(), QStringLiteral("7"));
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(30, 5));
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(30, 5));
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(27, 5));
    EXPECT_TRUE(crop.dialog.Mask().IsMarked(30, 8));
    EXPECT_FALSE(crop.dialog.Mask().IsMarked(26, 1));
}

TEST(CropImageDlg, CtrlZAndCtrlYStepThroughTheMaskWhereverTheFocusIs)
{
    CropDialog crop(Halves(60, 40));
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(5, 5));
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(50, 5));
    EXPECT_EQ(crop.Marked(), 60 * 40);
    QLineEdit* edit = crop.dialog.ToleranceEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(crop.Marked(), 30 * 40);
    EXPECT_EQ(edit->text(), QStringLiteral("20")); // not the edit's own undo
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(crop.Marked(), 0);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // nothing left: no change
    EXPECT_EQ(crop.Marked(), 0);
    QTest::keyClick(crop.dialog.Canvas(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(crop.Marked(), 30 * 40);
    crop.dialog.findChild<QAbstractButton*>(QString::number(int(CommandId::EditRedo)))->click();
    EXPECT_EQ(crop.Marked(), 60 * 40);
    crop.dialog.findChild<QAbstractButton*>(QString::number(int(CommandId::EditUndo)))->click();
    EXPECT_EQ(crop.Marked(), 30 * 40);
}

TEST(CropImageDlg, CtrlHeldScrollsUntilReleased)
{
    CropDialog crop(Halves(3000, 2000));
    crop.dialog.FitToScreen();
    crop.Wheel(3, Qt::ControlModifier, crop.At(1500, 1000)); // 100 %
    QTest::keyPress(crop.dialog.Canvas(), Qt::Key_Control);
    EXPECT_EQ(crop.dialog.ActiveTool(), CCropRules::scroll);
    const CPoint before = crop.dialog.Canvas()->GetScrollPosition();
    QTest::mousePress(crop.Canvas(), Qt::LeftButton, Qt::ControlModifier, {100, 100});
    crop.Move({60, 70}, Qt::LeftButton);
    QTest::mouseRelease(crop.Canvas(), Qt::LeftButton, Qt::ControlModifier, {60, 70});
    EXPECT_EQ(crop.dialog.Canvas()->GetScrollPosition(), (CPoint{before.x + 40, before.y + 30}));
    EXPECT_EQ(crop.Marked(), 0);
    QTest::keyRelease(crop.dialog.Canvas(), Qt::Key_Control);
    EXPECT_EQ(crop.dialog.ActiveTool(), CCropRules::fillPaint);
}

TEST(CropImageDlg, ABadToleranceIsRefusedWithTheRangeMessage)
{
    CropDialog crop(Halves(60, 40));
    crop.Type(crop.dialog.ToleranceEdit(), QStringLiteral("300"));
    // Not at a fill: nothing is marked with a value the user did not mean.
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(5, 5));
    EXPECT_EQ(crop.Marked(), 0);
    QTest::mouseClick(crop.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    ASSERT_EQ(crop.refusals.size(), 2);
    EXPECT_EQ(crop.refusals.last(), QStringLiteral("Please enter an integer between 0 and 255."));
    EXPECT_TRUE(crop.dialog.isVisible());
    EXPECT_EQ(crop.dialog.focusWidget(), crop.dialog.ToleranceEdit());

    crop.Type(crop.dialog.PenDiameterEdit(), QStringLiteral("101"));
    crop.Type(crop.dialog.ToleranceEdit(), QStringLiteral("255"));
    QTest::mouseClick(crop.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(crop.refusals.last(), QStringLiteral("Pen Diameter: Please enter an integer between 1 and 100."));
    EXPECT_TRUE(crop.dialog.isVisible());
}

TEST(CropImageDlg, InClipColourModeMarkedPixelsTakeTheClipColour)
{
    CropDialog crop(Halves(60, 40), 20, RGB(0, 0, 255));
    const QPoint at = crop.At(5, 5);
    QMouseEvent gesture(QEvent::MouseButtonDblClick, at, crop.Canvas()->mapToGlobal(at), Qt::RightButton,
                        Qt::LeftButton | Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    QApplication::sendEvent(crop.Canvas(), &gesture);
    EXPECT_TRUE(crop.dialog.ClipColorMode());
    EXPECT_FALSE(crop.dialog.ColorButton()->isEnabled());
    QTest::mouseClick(crop.Canvas(), Qt::LeftButton, {}, crop.At(5, 5));
    crop.dialog.accept();
    const CDibImage result = crop.dialog.Result();
    EXPECT_EQ(result.GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(result.GetPixel(59, 0), light);
}

TEST(CropImageDlg, APictureItCannotEditIsNotOpened)
{
    CDibImage grey;
    grey.Create(8, 8, 8);
    CCropImageDlg dialog(grey, 20, 0);
    EXPECT_FALSE(dialog.IsReady());
    CCropImageDlg none(CDibImage(), 20, 0);
    EXPECT_FALSE(none.IsReady());
}

using CropFromMainWindow = MainWindowFixture;

TEST_F(CropFromMainWindow, CropRecordsOneUndoStepAndRemembersTheValues)
{
    CDibImage photo = Halves(60, 40);
    CDibObj* picture = CPictureCommands::AddPicture(doc, photo, QStringLiteral("halves.bmp"));
    ASSERT_TRUE(picture);
    const int undoBefore = doc.UndoHistory().UndoCount();
    frame->View().SetSelection(nullptr);
    EXPECT_FALSE(frame->Router().Query(CommandId::CropImage).enabled);
    frame->View().SetSelection(picture);
    ASSERT_TRUE(frame->Router().Query(CommandId::CropImage).enabled);

    DialogDriver driver;
    driver.Then([](QDialog& dialog) {
        auto& crop = dynamic_cast<CCropImageDlg&>(dialog);
        QWidget* canvas = crop.Canvas()->viewport();
        crop.Canvas()->SetZoom(100);
        QTest::keyClick(crop.ToleranceSlider(), Qt::Key_Home);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, crop.Canvas()->PictureOrigin() + QPoint(2, 2));
        crop.accept();
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::CropImage));
    EXPECT_EQ(driver.ActsLeft(), 0);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore + 1);
    const CDibImage& cut = picture->StoredImage();
    EXPECT_EQ(cut.GetPixel(0, 0), transparentKey);
    EXPECT_EQ(cut.GetPixel(cut.Width() - 1, 0), light);
    EXPECT_EQ(app->Settings().clipRange, 0);

    // Cancelling changes nothing.
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    frame->View().SetSelection(picture);
    frame->Router().Execute(CommandId::CropImage);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), undoBefore + 1);
}
