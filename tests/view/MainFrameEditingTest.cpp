// Editing through the main window as a user does it: what undo and redo
// bring back, and when the title says that there are unsaved changes.
#include "DialogDriver.h"
#include "LibraryWindowFixture.h"

#include "document/CDocumentFile.h"
#include "document/CUndoEngine.h"
#include "platform/CArchive.h"
#include "view/CVeldraView.h"
#include "view/controls/CZoomStatusBar.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>

namespace {

class EditingFixture : public MainFrameLibraryFixture
{
protected:
    // The "*" the title shows in place of its "[*]".
    bool Marked() const { return frame->isWindowModified(); }

    void Run(CommandId id) { EXPECT_TRUE(frame->Router().Execute(id)) << int(id); }

    // Material Setup: a shape button clicked (1100 rectangle, 1101 diamond,
    // 1102 ellipse; none: as the dialog shows it), then OK.
    void SetUpMaterial(const char* shape)
    {
        driver.Then([shape](QDialog& setup) {
            if (shape)
                setup.findChild<QAbstractButton*>(QLatin1String(shape))->click();
            setup.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Run(CommandId::MaterialSetup);
    }

    QByteArray FileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString SaveAs(const QString& name)
    {
        const QString path = files.filePath(name);
        driver.Choose(path);
        Run(CommandId::FileSaveAs);
        return path;
    }

    DialogDriver driver;
};

} // namespace

TEST_F(EditingFixture, UndoAndRedoWalkThroughInsertsAndMaterialsAndTheSaveClearsTheMark)
{
    AddEntry(CLibraryModel::symbol, QStringLiteral("Arrow"), flagsSymbol);
    AddEntry(CLibraryModel::material, QStringLiteral("Oval"), flagsMaterial, 200, 100);
    // What the layout is after each step, the saved one last.
    std::vector<QByteArray> states{LayoutBytes()};
    EXPECT_FALSE(Marked());
    const auto stepped = [&](const char* what) {
        states.push_back(LayoutBytes());
        EXPECT_NE(states.back(), states[states.size() - 2]) << what;
        EXPECT_TRUE(Marked()) << what;
        EXPECT_LE(OfKind(SOK_MATERIAL).size(), 1u) << what;
    };
    driver.Then(Pick(QStringLiteral("Arrow")));
    Run(CommandId::InsertSymbol);
    stepped("symbol");
    SetUpMaterial("1102");
    stepped("ellipse");
    SetUpMaterial("1100");
    stepped("rectangle");
    SetUpMaterial("1101");
    stepped("diamond");
    driver.Then(Pick(QStringLiteral("Oval")));
    Run(CommandId::InsertMaterial);
    stepped("library material");
    ASSERT_EQ(OfKind(SOK_MATERIAL).size(), 1u);

    const QString path = SaveAs(QStringLiteral("plate.vlz"));
    EXPECT_FALSE(Marked());
    EXPECT_TRUE(FileBytes(path) == states.back());

    // Each undo shows the layout as it was one step before, never another
    // object touched, and none of them is the saved one.
    for (int i = int(states.size()) - 2; i >= 0; --i) {
        Run(CommandId::EditUndo);
        EXPECT_TRUE(LayoutBytes() == states[std::size_t(i)]) << "undone to " << i;
        EXPECT_TRUE(Marked()) << i;
    }
    EXPECT_FALSE(doc.CanUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        Run(CommandId::EditRedo);
        EXPECT_TRUE(LayoutBytes() == states[i]) << "redone to " << i;
        EXPECT_EQ(Marked(), i + 1 < states.size()) << i;
    }

    // Material Setup starts from the library material now on the plate, and
    // OK puts in what the dialog shows.
    driver.Then([](QDialog& setup) {
        for (const char* shape : {"1100", "1101", "1102"})
            EXPECT_FALSE(setup.findChild<QAbstractButton*>(QLatin1String(shape))->isChecked()) << shape;
        setup.findChild<QAbstractButton*>(QStringLiteral("1100"))->click();
        setup.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Run(CommandId::MaterialSetup);
    EXPECT_TRUE(OfKind(SOK_MATERIAL).empty());
    EXPECT_TRUE(Marked());
    Run(CommandId::EditUndo);
    EXPECT_TRUE(LayoutBytes() == states.back());
    EXPECT_FALSE(Marked());

    // Undone after the save, the layout is no longer what the file holds:
    // closing asks.
    Run(CommandId::EditUndo);
    EXPECT_TRUE(frame->close());
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].startsWith(QStringLiteral("Save changes to plate.vlz?")))
        << driver.Messages()[0].toStdString();
}

TEST_F(EditingFixture, APlainClickOnTheSelectionIsNoEditButADragIs)
{
    AddEntry(CLibraryModel::symbol, QStringLiteral("Arrow"), flagsSymbol, 200, 200);
    driver.Then(Pick(QStringLiteral("Arrow")));
    Run(CommandId::InsertSymbol);
    CSymbolObj* arrow = OfKind(SOK_SYMBOL).at(0);
    ASSERT_EQ(frame->View().Selection(), arrow);
    SaveAs(QStringLiteral("arrow.vlz"));
    const int steps = doc.UndoHistory().UndoCount();
    CVeldraView& view = frame->View();
    QWidget* port = view.viewport();
    const QPoint centre = view.DeviceToClient(doc.DocToDevice(arrow->GetPosition())) + QPoint(3, 3);

    QTest::mouseClick(port, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(Marked());
    EXPECT_EQ(doc.UndoHistory().UndoCount(), steps);

    QTest::mousePress(port, Qt::LeftButton, {}, centre);
    QMouseEvent move(QEvent::MouseMove, centre + QPoint(40, 0), port->mapToGlobal(centre + QPoint(40, 0)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(port, &move);
    QTest::mouseRelease(port, Qt::LeftButton, {}, centre + QPoint(40, 0));
    EXPECT_GT(arrow->GetPosition().x, 0);
    EXPECT_TRUE(Marked());
    // The first undo takes the move back, the next one the insert.
    Run(CommandId::EditUndo);
    EXPECT_EQ(doc.GetObjectAt(0)->GetPosition(), (CPoint{0, 0}));
    EXPECT_FALSE(Marked());
    Run(CommandId::EditUndo);
    EXPECT_TRUE(OfKind(SOK_SYMBOL).empty());
}

TEST_F(EditingFixture, ARightClickSelectsWhatIsUnderItForTheMenu)
{
    CVeldraView& view = frame->View();
    doc.InsertAt(Picture("left", -1500, 0, 1000, 1000), -1);
    doc.InsertAt(Picture("right", 1500, 0, 1000, 1000), -1);
    CSymbolObj* left = doc.GetObjectAt(0);
    CSymbolObj* right = doc.GetObjectAt(1);
    view.SetSelection(left);
    // What the menu would act on when it opens.
    CSymbolObj* target = nullptr;
    bool canCopy = false;
    view.SetContextMenuSource([&](QPoint) {
        target = view.Selection();
        canCopy = frame->Router().Query(CommandId::EditCopy).enabled;
    });
    const auto rightClick = [&](CPoint layout) {
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.DeviceToClient(doc.DocToDevice(layout)));
    };
    rightClick({1500, 0});
    EXPECT_EQ(target, right);
    EXPECT_TRUE(canCopy);
    // Inside the selection it stays; on the bare plate there is none.
    rightClick({1700, 200});
    EXPECT_EQ(target, right);
    rightClick({0, 0});
    EXPECT_EQ(target, nullptr);
    EXPECT_FALSE(canCopy);
    EXPECT_FALSE(Marked());
}

TEST_F(EditingFixture, AHorizontalTextsBodyShowsThatADragTurnsIt)
{
    driver.Then([](QDialog& text) { text.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    Run(CommandId::ToolHorizontalText);
    CVeldraView& view = frame->View();
    QWidget* port = view.viewport();
    QTest::mouseClick(port, Qt::LeftButton, {}, port->rect().center());
    CSymbolObj* text = view.Selection();
    ASSERT_TRUE(text);

    // Over the body, away from the centre handle: the turning cursor and
    // the status bar says what a drag does.
    const CPoint centre = text->GetPosition();
    const auto hover = [&](CPoint layout) {
        QTest::mouseMove(port, view.DeviceToClient(doc.DocToDevice(layout)));
        frame->RefreshStatus();
        return frame->StatusPanes().PaneText(CZoomStatusBar::promptPane);
    };
    EXPECT_EQ(hover({centre.x + text->GetSize().cx / 3, centre.y}),
              QStringLiteral("Drag to rotate; drag the centre handle to move"));
    EXPECT_EQ(port->cursor().shape(), Qt::BitmapCursor);

    // The centre handle moves it; the bare plate shows where the cursor is.
    EXPECT_TRUE(hover(centre).startsWith(QStringLiteral("Cursor: ")));
    EXPECT_EQ(port->cursor().shape(), Qt::SizeAllCursor);
    EXPECT_TRUE(hover({centre.x, centre.y + 3 * text->GetSize().cy}).startsWith(QStringLiteral("Cursor: ")));
    EXPECT_EQ(port->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EditingFixture, FillPaintClicksAmongPenStrokesUndoAndRedoToTheLayoutAsItWas)
{
    CVeldraView& view = frame->View();
    QWidget* port = view.viewport();
    view.SetContextMenuSource([](QPoint) {});
    const CSize plate = doc.GetDeviceSize();
    const auto at = [&](int x, int y) { return view.DeviceToClient({x, y}); };
    const auto stroke = [&](QPoint from, QPoint to) {
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, port->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    };
    std::vector<QByteArray> states{LayoutBytes()};
    const auto stepped = [&](const char* what) {
        states.push_back(LayoutBytes());
        EXPECT_NE(states.back(), states[states.size() - 2]) << what;
        EXPECT_TRUE(Marked()) << what;
    };
    // Two pen lines cut the plate into quarters.
    Run(CommandId::ToolPen);
    stroke(at(0, plate.cy / 2), at(plate.cx - 1, plate.cy / 2));
    stepped("across");
    stroke(at(plate.cx / 2, 0), at(plate.cx / 2, plate.cy - 1));
    stepped("down");
    Run(CommandId::ToolFillPaint);
    QTest::mouseClick(port, Qt::LeftButton, {}, at(plate.cx / 4, plate.cy / 4));
    stepped("top left quarter");
    QTest::mouseClick(port, Qt::LeftButton, {}, at(3 * plate.cx / 4, plate.cy / 4));
    stepped("top right quarter");
    // Already the pen's colour: no step.
    const int steps = doc.UndoHistory().UndoCount();
    QTest::mouseClick(port, Qt::LeftButton, {}, at(plate.cx / 4, plate.cy / 4));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), steps);
    const QString path = SaveAs(QStringLiteral("filled.vlz"));
    EXPECT_FALSE(Marked());
    EXPECT_TRUE(FileBytes(path) == states.back());
    Run(CommandId::ToolPen);
    stroke(at(plate.cx / 8, 3 * plate.cy / 4), at(3 * plate.cx / 8, 3 * plate.cy / 4));
    stepped("a line in the bottom left");
    Run(CommandId::ToolFillPaint);
    QTest::mouseClick(port, Qt::RightButton, {}, at(plate.cx / 2, plate.cy / 2));
    stepped("the lines and top quarters erased");
    QTest::mouseClick(port, Qt::LeftButton, {}, at(3 * plate.cx / 4, 3 * plate.cy / 4));
    stepped("the whole layer in the pen colour");

    const std::size_t saved = 4;
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        Run(CommandId::EditUndo);
        EXPECT_TRUE(LayoutBytes() == states[i]) << "undone to " << i;
        EXPECT_EQ(Marked(), i != saved) << i;
    }
    EXPECT_FALSE(doc.CanUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        Run(CommandId::EditRedo);
        EXPECT_TRUE(LayoutBytes() == states[i]) << "redone to " << i;
        EXPECT_EQ(Marked(), i != saved) << i;
    }
}
