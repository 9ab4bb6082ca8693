// The Layer window on the real main window: the Layer command, rows that
// follow the document, the material row pinned on top, display check boxes,
// dragging and joining.
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "document/CMaterialShapes.h"
#include "document/CPictureCommands.h"
#include "document/CPlateRenderer.h"
#include "document/ILayerList.h"
#include "library/CLibraryModel.h"
#include "objects/CDibObj.h"
#include "objects/CTextObj.h"
#include "view/CCommandActions.h"
#include "view/CVeldraView.h"
#include "view/layers/CLayerPictures.h"
#include "view/layers/CLayerRowDelegate.h"
#include "view/layers/CLayerWindow.h"

#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

class LayerWindowFixture : public MainWindowFixture
{
protected:
    CLayerWindow& Window() { return frame->LayerWindow(); }
    QListWidget& List() { return Window().List(); }

    // A material and pictures a, b, c (a front-most), the window shown.
    void ShowWithPictures(std::initializer_list<const char*> names = {"a", "b", "c"}, bool material = true)
    {
        if (material)
            doc.InsertAt(Picture("material", 0, 0, 5000, 5000, flagsMaterial), 0);
        for (const char* name : names)
            doc.InsertAt(Picture(name, 0, 0, 1000, 1000), -1);
        frame->Router().Execute(CommandId::LayerWindow);
        ASSERT_TRUE(Window().IsShown());
    }

    std::vector<QByteArray> RowNames()
    {
        std::vector<QByteArray> names;
        for (int row = 0; row < List().count(); ++row)
            names.push_back(Window().ObjectOfRow(row)->m_strName);
        return names;
    }

    QPoint RowCenter(int row) { return List().visualItemRect(List().item(row)).center(); }

    void ClickRow(int row) { QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, RowCenter(row)); }

    void ClickCheck(int row)
    {
        const QRect check = CLayerRowDelegate::CheckRect(List().visualItemRect(List().item(row)));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, check.center());
    }

    void Click(const char* button)
    {
        auto* found = Window().findChild<QToolButton*>(QLatin1String(button));
        ASSERT_TRUE(found) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    bool Enabled(const char* button) { return Window().findChild<QToolButton*>(QLatin1String(button))->isEnabled(); }

    void Drag(int row, QPoint to)
    {
        QWidget* viewport = List().viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(row));
        QTest::mouseMove(viewport, RowCenter(row) + QPoint(0, 12));
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }

    // The plate as the view shows it, at a layout point.
    COLORREF PlateAt(CPoint layout)
    {
        CDibImage plate;
        plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24);
        CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::screen);
        const CPoint device = doc.DocToDevice(layout);
        return plate.GetPixel(device.x, device.y);
    }

    using Names = std::vector<QByteArray>;
};

// Records what the document tells the layer list.
struct RowLog : ILayerList
{
    std::vector<int> added;
    void AddRow(CSymbolObj*, int index) override { added.push_back(index); }
    void RemoveRow(CSymbolObj*) override {}
    void RefreshRow(CSymbolObj*) override {}
    void MoveRow(int, int) override {}
    void Fill(const std::vector<CSymbolObj*>&) override {}
    void Clear() override {}
};

} // namespace

TEST_F(LayerWindowFixture, LayerCommandShowsAndHidesAndTheRowsLiveOnlyWhileShown)
{
    EXPECT_TRUE(frame->Router().Query(CommandId::LayerWindow).enabled);
    EXPECT_EQ(frame->Router().Query(CommandId::LayerWindow).checked, 0);
    ShowWithPictures();
    EXPECT_EQ(frame->Router().Query(CommandId::LayerWindow).checked, 1);
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b", "c"}));
    EXPECT_EQ(doc.LayerList(), &Window());
    doc.Delete(doc.GetObjectAt(3));
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b"}));

    QTest::mouseClick(Window().findChild<QPushButton*>(QStringLiteral("close")), Qt::LeftButton);
    EXPECT_FALSE(Window().IsShown());
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(doc.LayerList(), nullptr);
    EXPECT_EQ(frame->Router().Query(CommandId::LayerWindow).checked, 0);

    // "LayerListDlg" brings it up with the next main window.
    frame->Router().Execute(CommandId::LayerWindow);
    Window().setGeometry(QRect(QPoint(123, 145), Window().size()));
    doc.SetModifiedFlag(false);
    frame->close();
    EXPECT_TRUE(app->Settings().layerListShown);
    EXPECT_EQ(app->Settings().layerListDlgPos, (CPoint{123, 145}));
    Make();
    EXPECT_TRUE(Window().IsShown());
    EXPECT_EQ(Window().geometry().topLeft(), QPoint(123, 145));
    frame->Router().Execute(CommandId::LayerWindow);
    EXPECT_FALSE(Window().IsShown());
}

TEST_F(LayerWindowFixture, RowsRunTopmostFirstUnderTheMaterialAndUpBringsToTheFront)
{
    ShowWithPictures();
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b", "c"}));
    ClickRow(1);
    Click("layer-up");
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b", "c"}));
    EXPECT_FALSE(doc.CanUndo());
    // Up takes c in front of b, on the plate as in the rows.
    ClickRow(3);
    Click("layer-up");
    EXPECT_EQ(RowNames(), (Names{"material", "a", "c", "b"}));
    EXPECT_EQ(::Names(doc), RowNames());
    EXPECT_EQ(List().currentRow(), 2);
    Click("layer-down");
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b", "c"}));

    ClickRow(0);
    EXPECT_FALSE(Enabled("layer-down"));
    EXPECT_FALSE(Enabled("join-lower"));
    Window().MoveDown();
    Drag(0, RowCenter(3) + QPoint(0, 15));
    EXPECT_EQ(RowNames(), (Names{"material", "a", "b", "c"}));
    // Nor can another row be dropped above it.
    Drag(2, QPoint(RowCenter(0).x(), 1));
    EXPECT_EQ(RowNames(), (Names{"material", "b", "a", "c"}));
}

TEST_F(LayerWindowFixture, DragReordersTheDocumentInOneUndoStep)
{
    ShowWithPictures();
    const int steps = doc.UndoHistory().UndoCount();
    Drag(1, RowCenter(3) + QPoint(0, 15));
    EXPECT_EQ(RowNames(), (Names{"material", "b", "c", "a"}));
    EXPECT_EQ(::Names(doc), RowNames());
    EXPECT_EQ(doc.UndoHistory().UndoCount(), steps + 1);
    // The moved row stays the selected one, and the view's selection with it.
    EXPECT_EQ(List().currentRow(), 3);
    EXPECT_EQ(frame->View().Selection(), Window().ObjectOfRow(3));

    frame->Router().Execute(CommandId::EditUndo);
    EXPECT_EQ(::Names(doc), (Names{"material", "a", "b", "c"}));
    EXPECT_EQ(RowNames(), ::Names(doc));
}

TEST_F(LayerWindowFixture, SelectionFollowsTheViewBothWays)
{
    ShowWithPictures();
    ClickRow(2);
    EXPECT_EQ(frame->View().Selection()->m_strName, "b");
    doc.Select(doc.GetObjectAt(3));
    EXPECT_EQ(List().currentRow(), 3);
}

TEST_F(LayerWindowFixture, OpeningTheWindowSelectsTheViewsSelection)
{
    doc.InsertAt(Picture("a", 0, 0, 1000, 1000), -1);
    doc.InsertAt(Picture("b", 0, 0, 1000, 1000), -1);
    frame->View().SetSelection(doc.GetObjectAt(0));
    frame->Router().Execute(CommandId::LayerWindow);
    ASSERT_TRUE(Window().IsShown());
    ASSERT_GE(List().currentRow(), 0);
    EXPECT_EQ(Window().ObjectOfRow(List().currentRow())->m_strName, "a");
}

TEST_F(LayerWindowFixture, TextRowShowsTheTextIconAndItsTextCut)
{
    ShowWithPictures({"a"});
    auto text = std::make_unique<CTextObj>();
    text->m_dwFlags = flagsTextBlock;
    text->m_strName = "Engraved for the twenty-fifth anniversary";
    CSymbolObj* raw = text.get();
    raw->Refresh(&doc);
    doc.InsertAt(std::move(text), -1);
    Window().AddRow(raw, doc.IndexOf(raw));
    const int row = Window().RowOf(raw);
    ASSERT_EQ(row, 2);
    EXPECT_EQ(List().item(row)->text(), QStringLiteral("Text (Engraved for the twenty-fifth an)"));
    const QImage icon = List().item(row)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    EXPECT_EQ(icon, CLayerPictures::Thumbnail(*raw, Qt::white).toImage());
    const QImage picture = List().item(1)->data(Qt::DecorationRole).value<QPixmap>().toImage();
    EXPECT_NE(icon, picture);
    EXPECT_EQ(picture.size(), QSize(32, 32));
}

TEST_F(LayerWindowFixture, UncheckingHidesTheObjectAndUndoes)
{
    ShowWithPictures({"a", "b"}, false);
    CSymbolObj* picture = doc.GetObjectAt(0);
    const COLORREF shown = PlateAt({0, 0});
    ASSERT_EQ(shown, RGB(50, 60, 70));
    ClickCheck(0);
    EXPECT_EQ(picture->m_bVisible, 0);
    EXPECT_FALSE(List().item(0)->data(CLayerRowDelegate::shownRole).toBool());
    // b, of the same colour, lies under a: hidden too, the plate shows.
    ClickCheck(1);
    EXPECT_NE(PlateAt({0, 0}), shown);
    EXPECT_TRUE(doc.IsModified());

    frame->Router().Execute(CommandId::EditUndo);
    frame->Router().Execute(CommandId::EditUndo);
    EXPECT_EQ(picture->m_bVisible, 1);
    EXPECT_TRUE(List().item(0)->data(CLayerRowDelegate::shownRole).toBool());
    EXPECT_EQ(PlateAt({0, 0}), shown);
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(LayerWindowFixture, JoiningTheDisplayedWithNoneCheckedDoesNothing)
{
    ShowWithPictures({"a", "b"});
    ClickCheck(1);
    ClickCheck(2);
    const int steps = doc.UndoHistory().UndoCount();
    Click("join-displayed");
    EXPECT_EQ(::Names(doc), (Names{"material", "a", "b"}));
    EXPECT_EQ(doc.UndoHistory().UndoCount(), steps);

    // One checked again: that one alone becomes the joined picture.
    ClickCheck(2);
    Click("join-displayed");
    ASSERT_EQ(doc.GetObjectCount(), 3);
    EXPECT_EQ(RowNames().size(), 3u);
    EXPECT_EQ(doc.IndexOf(Window().ObjectOfRow(0)), 0);
}

TEST_F(LayerWindowFixture, JoinedPictureOfAFullPlateIsTransparentAroundTheObjects)
{
    // 90 mm at 529 dpi is larger than the device limit of the plate bitmap.
    doc.SetMaterialSize({9000, 9000});
    doc.SetDevice(529, 9000, 9000);
    ShowWithPictures({"a", "b"});
    ClickRow(1);
    ASSERT_TRUE(Enabled("join-lower"));
    Click("join-lower");
    ASSERT_EQ(doc.GetObjectCount(), 2);
    auto* joined = dynamic_cast<CDibObj*>(doc.GetObjectAt(1));
    ASSERT_TRUE(joined);
    // The joined picture is the selection, here and in the view.
    EXPECT_EQ(frame->View().Selection(), joined);
    EXPECT_EQ(Window().ObjectOfRow(List().currentRow()), joined);
    EXPECT_TRUE(List().currentItem()->isSelected());
    const CDibImage& image = joined->StoredImage();
    ASSERT_EQ(image.Width(), doc.GetDeviceSize().cx);
    for (const QPoint point : {QPoint(2, 2), QPoint(2, image.Height() / 2), QPoint(image.Width() - 3, image.Height() - 3),
                               QPoint(image.Width() / 2, 3)})
        EXPECT_EQ(image.GetPixel(point.x(), point.y()), transparentKey) << point.x() << "," << point.y();
    EXPECT_EQ(image.GetPixel(image.Width() / 2, image.Height() / 2), RGB(50, 60, 70));
    EXPECT_EQ(RowNames().size(), 2u);
}

TEST_F(LayerWindowFixture, PastedObjectGetsItsRowWhereARefillPutsIt)
{
    ShowWithPictures({"a"});
    ASSERT_TRUE(CPictureCommands::AddPasted(doc, Picture("pasted")));
    // Pasted objects go to the head of the list, which the material keeps.
    EXPECT_EQ(::Names(doc), (Names{"material", "pasted", "a"}));
    EXPECT_EQ(RowNames(), ::Names(doc));
    EXPECT_EQ(frame->View().Selection()->m_strName, "pasted");

    // The document tells the list where the object really went.
    frame->Router().Execute(CommandId::LayerWindow);
    RowLog log;
    doc.SetLayerList(&log);
    ASSERT_TRUE(CPictureCommands::AddPasted(doc, Picture("again")));
    doc.SetLayerList(nullptr);
    EXPECT_EQ(log.added, (std::vector<int>{1}));
}

TEST_F(LayerWindowFixture, DeleteKeyDoubleClickAndContextMenuActOnTheRow)
{
    ShowWithPictures({"a", "b"});
    ClickRow(1);
    QTest::keyClick(&List(), Qt::Key_Delete);
    EXPECT_EQ(::Names(doc), (Names{"material", "b"}));
    EXPECT_EQ(RowNames(), (Names{"material", "b"}));
    EXPECT_EQ(frame->View().Selection(), nullptr);

    // A double click edits the object in its properties dialog.
    DialogDriver driver;
    QString title;
    driver.Then([&title](QDialog& dialog) {
        title = dialog.windowTitle();
        dialog.reject();
    });
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowCenter(1));
    EXPECT_FALSE(title.isEmpty());
    EXPECT_EQ(driver.ActsLeft(), 0);
    EXPECT_EQ(frame->View().Selection(), doc.GetObjectAt(1));

    // The object menu of the main window, for the row under the mouse.
    QTimer::singleShot(50, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            menu->close();
    });
    QTest::mouseClick(List().viewport(), Qt::RightButton, {}, RowCenter(1));
    EXPECT_EQ(List().currentRow(), 1);
}

TEST_F(LayerWindowFixture, DraggingPastTheEdgesScrollsBy32Pixels)
{
    ShowWithPictures({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l"});
    Window().resize(260, 200);
    QApplication::processEvents();
    QScrollBar* bar = List().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 64);
    QWidget* viewport = List().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(1));
    QTest::mouseMove(viewport, RowCenter(1) + QPoint(0, 12));
    QTest::mouseMove(viewport, QPoint(20, viewport->height() + 5));
    EXPECT_EQ(bar->value(), 32);
    QTest::mouseMove(viewport, QPoint(20, viewport->height() + 6));
    EXPECT_EQ(bar->value(), 64);
    QTest::mouseMove(viewport, QPoint(20, -3));
    EXPECT_EQ(bar->value(), 32);
    // A right button press ends the drag: nothing moves.
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(20, 5));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(LayerWindowFixture, JoinKeepsWhatThePlateShowsAndIsOneUndoStep)
{
    frame->Router().Execute(CommandId::LayerWindow);
    DialogDriver driver;
    // A logo, then a picture of the same shape over it: imported later, it
    // lies in front and covers the logo.
    for (const auto& [name, colour] : {std::pair{"logo.bmp", RGB(200, 0, 0)}, std::pair{"cover.bmp", RGB(0, 0, 200)}}) {
        CDibImage image;
        ASSERT_TRUE(image.Create(40, 20, 24, colour));
        const QString path = files.filePath(QLatin1String(name));
        ASSERT_TRUE(image.SaveBitmapFile(path));
        driver.Choose(path);
        ASSERT_TRUE(frame->Router().Execute(CommandId::Import));
    }
    const Names imported{"cover.bmp", "logo.bmp"};
    EXPECT_EQ(::Names(doc), imported);
    EXPECT_EQ(RowNames(), imported);
    // Undone and redone, the same layout shows the same rows.
    for (CommandId id : {CommandId::EditUndo, CommandId::EditUndo, CommandId::EditRedo, CommandId::EditRedo})
        frame->Router().Execute(id);
    EXPECT_EQ(RowNames(), imported);

    const auto output = [this] {
        CDibImage plate;
        plate.Create(doc.GetDeviceSize().cx, doc.GetDeviceSize().cy, 24);
        CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
        return QByteArray(reinterpret_cast<const char*>(plate.Bits()), qsizetype(plate.BitsSize()));
    };
    const QByteArray shown = output();
    ClickRow(0);
    Click("join-lower");
    ASSERT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(output(), shown);

    // One undo brings both back, each with its name, in its row.
    frame->Router().Execute(CommandId::EditUndo);
    EXPECT_EQ(::Names(doc), imported);
    EXPECT_EQ(RowNames(), imported);
    EXPECT_EQ(output(), shown);
    frame->Router().Execute(CommandId::EditRedo);
    EXPECT_EQ(doc.GetObjectCount(), 1);
    EXPECT_EQ(RowNames().size(), 1u);
}

TEST_F(LayerWindowFixture, AnInsertedSymbolsRowIsSelectedAndUpAndDownHaveKeys)
{
    ShowWithPictures({"a", "b"});
    // A symbol from the library, as Insert Symbol puts it in.
    QDir().mkpath(app->LibraryFolder(CLibraryModel::symbol));
    CDibImage image;
    ASSERT_TRUE(image.Create(20, 20, 24, RGB(0, 0, 200)));
    CDibObj entry;
    ASSERT_TRUE(entry.SetImageFrom(&image, flagsSymbol, false));
    entry.SetBounds(0, 0, 200, 200);
    const QString path = QDir(app->LibraryFolder(CLibraryModel::symbol)).filePath(QStringLiteral("Star.vls"));
    ASSERT_TRUE(entry.WriteSymbolFile(path));
    CDibObj* star = CPictureCommands::InsertLibraryFile(doc, path, CMaterialShapes::symbol);
    ASSERT_TRUE(star);
    EXPECT_EQ(frame->View().Selection(), star);
    ASSERT_GE(List().currentRow(), 0);
    EXPECT_EQ(Window().ObjectOfRow(List().currentRow()), star);
    EXPECT_TRUE(List().currentItem()->isSelected());

    // Alt+D and Alt+U, as the buttons' mnemonics say.
    EXPECT_EQ(RowNames(), (Names{"material", "Star", "a", "b"}));
    QTest::keyClick(&List(), Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(RowNames(), (Names{"material", "a", "Star", "b"}));
    QTest::keyClick(&List(), Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(RowNames(), (Names{"material", "Star", "a", "b"}));
}
