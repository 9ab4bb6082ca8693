#include "PreviewTestSupport.h"

#include "DocumentTestSupport.h"
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "settings/CAppSettings.h"
#include "app/CDocumentCommands.h"
#include "app/CPreviewCommand.h"
#include "output/dialogs/CPrintSetupDlg.h"
#include "output/preview/CPreviewDlg.h"
#include "platform/CVirtualEngraver.h"
#include "view/CCommandState.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

// A layout with the engraver chosen, its adjustments not the standard ones.
class PreviewCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetUpDocument(doc);
        doc.Adjustments().SetPrinter(&engraver);
        engraver.SetEngraverAdjustments(start);
        settings.previewZoom = 1;
        // Where the dialog was left before: no reason to measure the screen.
        settings.previewDlg.SetNormalRect({20, 20, 620, 470});
    }

    CEngraverAdjustments Engraver() const
    {
        CEngraverAdjustments values;
        engraver.GetEngraverAdjustments(values);
        return values;
    }

    const CEngraverAdjustments start{5, -5, 20};
    CVeldraDoc doc;
    CVirtualEngraver engraver;
    CAppSettings settings;
};

} // namespace

TEST_F(PreviewCommandTest, OkKeepsTheValuesWithTheLayoutAndTheZoom)
{
    PreviewDriver driver([](CPreviewDlg& dialog) {
        EXPECT_EQ(PreviewEdit(dialog, "1114")->text(), QStringLiteral("5"));
        EXPECT_EQ(PreviewEdit(dialog, "1118")->text(), QStringLiteral("1.2"));
        QScrollBar* brightness = PreviewBar(dialog, "1117");
        brightness->setFocus();
        QTest::keyClick(brightness, Qt::Key_Right);
        auto* zoom = dialog.findChild<QComboBox*>(QStringLiteral("1106"));
        zoom->setFocus();
        QTest::keyClick(zoom, Qt::Key_Down);
        ClickPreviewButton(dialog, "1");
    });
    EXPECT_TRUE(CPreviewCommand(doc, settings, nullptr, {}).Run());
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(Engraver(), (CEngraverAdjustments{6, -5, 20}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(settings.previewZoom, 2);
    EXPECT_NE(settings.previewDlg.size, (CSize{0, 0}));
}

TEST_F(PreviewCommandTest, CancelPutsBackWhatTheEngraverHadEvenAfterPrinting)
{
    CEngraverAdjustments printedWith;
    const auto print = [&] {
        printedWith = Engraver();
        // The printer's properties changed the gamma meanwhile.
        engraver.SetEngraverAdjustments({printedWith.brightness, printedWith.contrast, 100});
    };
    PreviewDriver driver([](CPreviewDlg& dialog) {
        TypeKeys(PreviewEdit(dialog, "1115"), {Qt::Key_3, Qt::Key_0});
        ClickPreviewButton(dialog, "1107");
        // What the printer has now is shown.
        EXPECT_EQ(PreviewEdit(dialog, "1118")->text(), QStringLiteral("2"));
        EXPECT_EQ(PreviewBar(dialog, "1119")->value(), 100);
        EXPECT_EQ(PreviewEdit(dialog, "1115")->text(), QStringLiteral("30"));
        ClickPreviewButton(dialog, "2");
    });
    EXPECT_FALSE(CPreviewCommand(doc, settings, nullptr, print).Run());
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(printedWith, (CEngraverAdjustments{5, 30, 20}));
    EXPECT_EQ(Engraver(), start);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(settings.previewZoom, 1);
}

TEST_F(PreviewCommandTest, NoPlateWritesBackTheStartingValues)
{
    CVeldraDoc empty; // no device yet: nothing to show
    empty.Adjustments().SetPrinter(&engraver);
    PreviewDriver guard([](CPreviewDlg& dialog) {
        ADD_FAILURE() << "opened without a plate";
        dialog.reject();
    });
    EXPECT_FALSE(CPreviewCommand(empty, settings, nullptr, {}).Run());
    EXPECT_EQ(Engraver(), start);
    EXPECT_FALSE(empty.IsModified());
}

TEST_F(PreviewCommandTest, DocumentTableRunsPrintPreview)
{
    CDocumentCommands commands(doc, settings, nullptr);
    CCommandState state;
    ASSERT_TRUE(commands.OnUpdateCommand(CommandId::FilePrintPreview, state));
    EXPECT_TRUE(state.enabled);
    PreviewDriver driver([](CPreviewDlg& dialog) { ClickPreviewButton(dialog, "2"); });
    EXPECT_TRUE(commands.OnCommand(CommandId::FilePrintPreview));
    EXPECT_TRUE(driver.Acted());
}

// The program's own window: Print Preview is offered, and its Print button
// goes out through the window's command routing and back to the preview.
class PreviewMainWindowTest : public MainWindowFixture
{
};

TEST_F(PreviewMainWindowTest, PrintPreviewRunsFromTheMainWindow)
{
    EXPECT_TRUE(frame->Router().Query(CommandId::FilePrintPreview).enabled);
    const int zoomBefore = app->Settings().previewZoom;
    DialogDriver driver;
    bool printerAsked = false;
    driver.Then([](QDialog& preview) {
        auto* dialog = qobject_cast<CPreviewDlg*>(&preview);
        ASSERT_TRUE(dialog);
        ClickPreviewButton(*dialog, "1107");
        ClickPreviewButton(*dialog, "2");
    });
    // The preview's Print is the window's Print: its printer dialog opens.
    driver.Then([&printerAsked](QDialog& printer) {
        printerAsked = qobject_cast<CPrintSetupDlg*>(&printer) != nullptr;
        printer.reject();
    });
    EXPECT_TRUE(frame->Router().Execute(CommandId::FilePrintPreview));
    EXPECT_EQ(driver.ActsLeft(), 0);
    EXPECT_TRUE(printerAsked);
    EXPECT_EQ(app->Settings().previewZoom, zoomBefore);
}
