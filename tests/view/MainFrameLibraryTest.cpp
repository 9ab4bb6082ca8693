// The library as a user reaches it from the main window: Insert, Add and
// Material Setup through the real windows.
#include "DialogDriver.h"
#include "LibraryWindowFixture.h"

#include "app/CLibraryCommands.h"
#include "document/CVeldraDoc.h"
#include "library/add/CAddSymbolDlg.h"
#include "library/material/CMaterialSetupDlg.h"
#include "view/CVeldraView.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

#include <cstdio>

TEST_F(MainFrameLibraryFixture, InsertingASymbolAndFramesFromTheLibraryWindow)
{
    AddEntry(CLibraryModel::symbol, QStringLiteral("Star"), flagsSymbol);
    AddEntry(CLibraryModel::frame, QStringLiteral("Single"), flagsFrame);
    AddEntry(CLibraryModel::frame, QStringLiteral("Double"), flagsFrame);
    DialogDriver driver;
    driver.Then(Pick(QStringLiteral("Star")));
    ASSERT_TRUE(frame->Router().Execute(CommandId::InsertSymbol));
    ASSERT_EQ(OfKind(SOK_SYMBOL).size(), 1u);
    EXPECT_EQ(OfKind(SOK_SYMBOL).front()->m_strName, QByteArray("Star"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame->View().Selection(), OfKind(SOK_SYMBOL).front());

    // A second frame takes the first one's place, sized to the printable area.
    driver.Then(Pick(QStringLiteral("Single")));
    frame->Router().Execute(CommandId::InsertFrame);
    driver.Then(Pick(QStringLiteral("Double")));
    frame->Router().Execute(CommandId::InsertFrame);
    ASSERT_EQ(OfKind(SOK_FRAME).size(), 1u);
    CSymbolObj* inserted = OfKind(SOK_FRAME).front();
    EXPECT_EQ(inserted->m_strName, QByteArray("Double"));
    const CSize material = doc.GetMaterialSize(), margin = doc.GetMargins();
    EXPECT_EQ(inserted->GetSize(), CSize(material.cx - 2 * margin.cx, material.cy - 2 * margin.cy));
    // One undo step brings the first frame back.
    frame->Router().Execute(CommandId::EditUndo);
    ASSERT_EQ(OfKind(SOK_FRAME).size(), 1u);
    EXPECT_EQ(OfKind(SOK_FRAME).front()->m_strName, QByteArray("Single"));

    // An entry whose file an older system named: "é" as the byte 0xE9.
    AddEntry(CLibraryModel::symbol, QStringLiteral("Moon"), flagsSymbol);
    const QByteArray symbols = QFile::encodeName(Folder(CLibraryModel::symbol));
    ASSERT_EQ(::rename((symbols + "/Moon.vls").constData(), (symbols + "/Caf\xE9.vls").constData()), 0);
    driver.Then(Pick(u"Caf\u00e9"_qs));
    ASSERT_TRUE(frame->Router().Execute(CommandId::InsertSymbol));
    ASSERT_EQ(OfKind(SOK_SYMBOL).size(), 2u);
    EXPECT_EQ(frame->View().Selection()->m_strName, QByteArray("Caf\xE9"));

    // Cancelled: nothing happens.
    const int count = doc.GetObjectCount();
    driver.Then([](QDialog& dialog) { dialog.reject(); });
    frame->Router().Execute(CommandId::InsertSymbol);
    EXPECT_EQ(doc.GetObjectCount(), count);
}

TEST_F(MainFrameLibraryFixture, AnEntryAddedFromTheLibraryWindowIsListedThere)
{
    AddEntry(CLibraryModel::symbol, QStringLiteral("Star"), flagsSymbol);
    QImage png(60, 30, QImage::Format_RGB32);
    png.fill(Qt::white);
    png.fill(qRgb(0, 0, 200));
    const QString picture = files.filePath(QStringLiteral("Badge.png"));
    ASSERT_TRUE(png.save(picture));

    DialogDriver driver;
    bool listed = false;
    driver.Then([](QDialog& library) { library.findChild<QPushButton*>(QStringLiteral("1143"))->click(); });
    driver.Choose(picture);
    driver.Then([](QDialog& add) {
        ASSERT_NE(dynamic_cast<CAddSymbolDlg*>(&add), nullptr);
        EXPECT_EQ(add.windowTitle(), QStringLiteral("Add Symbol"));
        EXPECT_EQ(add.findChild<QLineEdit*>(QStringLiteral("1138"))->text(), QStringLiteral("Badge"));
        add.findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    driver.Then([&listed](QDialog& library) {
        // The add command's posted refresh has run by the time the window
        // is back in front.
        QTRY_VERIFY(dynamic_cast<CSymbolDlg&>(library).Model().RowOf(QStringLiteral("Badge")) >= 0);
        listed = true;
        library.reject();
    });
    frame->Router().Execute(CommandId::InsertSymbol);
    EXPECT_TRUE(listed);
    EXPECT_TRUE(QFile::exists(QDir(Folder(CLibraryModel::symbol)).filePath(QStringLiteral("Badge.vls"))));
    EXPECT_EQ(frame->LibraryCommands().Link().OpenWindow(), nullptr);
    EXPECT_EQ(driver.ActsLeft(), 0);
}

// What engraves is what the library window shows: a symbol's transparent
// part is the plate's colour, and the thumbnails turn with the layout.
TEST_F(MainFrameLibraryFixture, ThumbnailsShowEachEntryOnTheLayoutsPlate)
{
    CDibImage half;
    ASSERT_TRUE(half.Create(64, 64, 24, RGB(255, 255, 255)));
    for (int y = 0; y < 64; ++y)
        for (int x = 32; x < 64; ++x)
            half.SetPixel(x, y, transparentKey);
    CDibObj entry;
    ASSERT_TRUE(entry.SetImageFrom(&half, flagsSymbol, false));
    QDir().mkpath(Folder(CLibraryModel::symbol));
    ASSERT_TRUE(entry.WriteSymbolFile(QDir(Folder(CLibraryModel::symbol)).filePath(QStringLiteral("Half.vls"))));
    const auto thumbnail = [](QImage& shown) {
        return [&shown](QDialog& dialog) {
            auto& library = dynamic_cast<CSymbolDlg&>(dialog);
            shown = library.Model().index(library.Model().RowOf(QStringLiteral("Half"))).data(Qt::DecorationRole)
                        .value<QImage>();
            dialog.reject();
        };
    };
    DialogDriver driver;
    QImage plain, inverted;
    driver.Then(thumbnail(plain));
    frame->Router().Execute(CommandId::InsertSymbol);
    frame->Router().Execute(CommandId::Invert);
    driver.Then(thumbnail(inverted));
    frame->Router().Execute(CommandId::InsertSymbol);
    ASSERT_EQ(plain.size(), QSize(64, 64));
    ASSERT_EQ(inverted.size(), QSize(64, 64));
    // The default plate is black: the white half engraves, the other is bare.
    EXPECT_EQ(plain.pixel(8, 32), qRgb(255, 255, 255));
    EXPECT_EQ(plain.pixel(56, 32), qRgb(0, 0, 0));
    EXPECT_EQ(inverted.pixel(8, 32), qRgb(0, 0, 0));
    EXPECT_EQ(inverted.pixel(56, 32), qRgb(255, 255, 255));
}

// A black-on-white drawing added as a symbol: the preview shows it on the
// plate (transparent parts bare), and "Engrave the dark parts" turns it
// round for the preview and the entry alike, kept for the next symbol.
TEST_F(MainFrameLibraryFixture, AddSymbolShowsTheDrawingOnThePlateAndTurnsItRoundWhenAsked)
{
    QDir().mkpath(Folder(CLibraryModel::symbol));
    DialogDriver driver;
    driver.Choose(LineDrawing(QStringLiteral("Line.png")));
    QImage before, after;
    driver.Then([&](QDialog& dialog) {
        auto& add = dynamic_cast<CAddSymbolDlg&>(dialog);
        before = add.Preview();
        ASSERT_FALSE(add.EngraveDark()->isChecked());
        QTest::mouseClick(add.EngraveDark(), Qt::LeftButton, {}, QPoint(8, add.EngraveDark()->height() / 2));
        after = add.Preview();
        add.findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::AddSymbol));
    ASSERT_FALSE(before.isNull());
    const auto at = [](const QImage& image, int x, int y) { // in the drawing's pixels
        return image.pixel(x * image.width() / 40, y * image.height() / 40) & 0xFFFFFF;
    };
    EXPECT_EQ(at(before, 4, 4), 0x000000u);  // transparent: the black plate
    EXPECT_EQ(at(before, 14, 14), 0xFFFFFFu); // the card engraves as it is
    EXPECT_EQ(at(after, 4, 4), 0x000000u);
    EXPECT_EQ(at(after, 14, 14), 0x000000u);
    EXPECT_EQ(at(after, 20, 14), 0xFFFFFFu); // the stroke engraves

    CDibObj written;
    ASSERT_TRUE(written.ReadSymbolFile(QDir(Folder(CLibraryModel::symbol)).filePath(QStringLiteral("Line.vls"))));
    const CDibImage& picture = written.StoredImage();
    EXPECT_EQ(picture.GetPixel(4, 4), transparentKey);
    EXPECT_EQ(picture.GetPixel(14, 14), RGB(0, 0, 0));
    EXPECT_EQ(picture.GetPixel(20, 14), RGB(255, 255, 255));
    EXPECT_TRUE(app->Settings().engraveDarkSymbols);
    EXPECT_FALSE(app->Settings().engraveDarkFrames);
}

TEST_F(MainFrameLibraryFixture, NewStartsWithMaterialSetupAndALibraryMaterialCanBeChosen)
{
    AddEntry(CLibraryModel::material, QStringLiteral("Round"), flagsMaterial, 200, 200);
    DialogDriver driver;
    // New: an ellipse.
    driver.Then([](QDialog& setup) {
        ASSERT_NE(dynamic_cast<CMaterialSetupDlg*>(&setup), nullptr);
        setup.findChild<QAbstractButton*>(QStringLiteral("1102"))->click();
        setup.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::FileNew));
    EXPECT_EQ(doc.GetShapeIndex(), 2);
    EXPECT_TRUE(doc.HasMaterial());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(app->Settings().materialShapeIndex, 2);

    // Material Setup: "Other..." through the material library.
    driver.Then([](QDialog& setup) { setup.findChild<QAbstractButton*>(QStringLiteral("1097"))->click(); });
    driver.Then([](QDialog& library) {
        EXPECT_EQ(library.windowTitle(), QStringLiteral("Material"));
        Pick(QStringLiteral("Round"))(library);
    });
    driver.Then([](QDialog& setup) { setup.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    ASSERT_TRUE(frame->Router().Execute(CommandId::MaterialSetup));
    EXPECT_EQ(doc.GetShapeIndex(), -1);
    ASSERT_EQ(OfKind(SOK_MATERIAL).size(), 1u);
    EXPECT_EQ(OfKind(SOK_MATERIAL).front()->m_strName, QByteArray("Round"));
    EXPECT_EQ(driver.ActsLeft(), 0);
}

TEST_F(MainFrameLibraryFixture, AnEntryDroppedOnThePlateLandsThereAndKeysChooseTheFocusedEntry)
{
    AddEntry(CLibraryModel::symbol, QStringLiteral("Star"), flagsSymbol);
    AddEntry(CLibraryModel::symbol, QStringLiteral("Moon"), flagsSymbol);
    CVeldraView& view = frame->View();
    const QPoint dropClient = view.viewport()->rect().center() + QPoint(40, 25);
    const CPoint dropLayout = view.ClientToLayout(dropClient);
    DialogDriver driver;
    driver.Then([&](QDialog& dialog) {
        auto& library = dynamic_cast<CSymbolDlg&>(dialog);
        library.move(frame->frameGeometry().right() + 40, 0); // beside the main window
        library.Grid()->doItemsLayout();
        QWidget* viewport = library.Grid()->viewport();
        const QRect cell = library.Grid()->visualRect(library.Model().index(library.Model().RowOf(QStringLiteral("Moon"))));
        const QPoint grab = viewport->mapToGlobal(cell.center());
        const QPoint drop = view.viewport()->mapToGlobal(dropClient);
        for (auto [type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, grab, Qt::LeftButton},
                                         std::tuple{QEvent::MouseMove, grab + QPoint(30, 30), Qt::LeftButton},
                                         std::tuple{QEvent::MouseMove, drop, Qt::LeftButton},
                                         std::tuple{QEvent::MouseButtonRelease, drop, Qt::NoButton}}) {
            QMouseEvent event(type, viewport->mapFromGlobal(at), at, Qt::LeftButton, buttons, {});
            QApplication::sendEvent(viewport, &event);
        }
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::InsertSymbol));
    ASSERT_EQ(OfKind(SOK_SYMBOL).size(), 1u);
    CSymbolObj* moon = OfKind(SOK_SYMBOL).front();
    EXPECT_EQ(moon->m_strName, QByteArray("Moon"));
    EXPECT_EQ(moon->GetPosition(), dropLayout);
    EXPECT_EQ(moon->GetSize(), CSize(400, 200)); // the entry's own size

    // Insert on the entry that has the focus, none selected: that one.
    driver.Then([](QDialog& dialog) {
        auto& library = dynamic_cast<CSymbolDlg&>(dialog);
        library.Grid()->clearSelection();
        library.Grid()->selectionModel()->setCurrentIndex(library.Model().index(library.Model().RowOf(QStringLiteral("Star"))),
                                                          QItemSelectionModel::NoUpdate);
        QTest::keyClick(library.Grid(), Qt::Key_Insert);
    });
    ASSERT_TRUE(frame->Router().Execute(CommandId::InsertSymbol));
    ASSERT_EQ(OfKind(SOK_SYMBOL).size(), 2u);
    EXPECT_EQ(OfKind(SOK_SYMBOL).front()->m_strName, QByteArray("Star"));
    EXPECT_EQ(driver.ActsLeft(), 0);
}
