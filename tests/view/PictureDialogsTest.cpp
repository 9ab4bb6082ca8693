// The picture dialogs of the Object menu, run from the program's own window
// as a user runs them: Rotate Image and Trimming.
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "document/CVeldraDoc.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"
#include "view/rotate/CRotateImageDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

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
