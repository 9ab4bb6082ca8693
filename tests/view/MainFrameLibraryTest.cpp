// The library as a user reaches it from the main window: Insert, Add and
// Material Setup through the real windows.
#include "DialogDriver.h"
#include "MainWindowFixture.h"

#include "app/CLibraryCommands.h"
#include "document/CVeldraDoc.h"
#include "library/add/CAddSymbolDlg.h"
#include "library/material/CMaterialSetupDlg.h"
#include "library/window/CLibraryGrid.h"
#include "library/window/CSymbolDlg.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

class MainFrameLibraryFixture : public MainWindowFixture
{
protected:
    QString Folder(CLibraryModel::Kind kind) const { return app->LibraryFolder(kind); }

    void AddEntry(CLibraryModel::Kind kind, const QString& name, std::uint32_t flags, int w = 40, int h = 20)
    {
        QDir().mkpath(Folder(kind));
        CDibImage image;
        ASSERT_TRUE(image.Create(w, h, kind == CLibraryModel::material ? 1 : 24, RGB(255, 255, 255)));
        CDibObj entry;
        ASSERT_TRUE(entry.SetImageFrom(&image, flags, false));
        entry.SetBounds(0, 0, w * 10, h * 10);
        ASSERT_TRUE(entry.WriteSymbolFile(QDir(Folder(kind)).filePath(name + QStringLiteral(".vls"))));
    }

    // In the library window: the row of a name double-clicked, as the user
    // picks an entry.
    static std::function<void(QDialog&)> Pick(const QString& name)
    {
        return [name](QDialog& dialog) {
            auto& library = dynamic_cast<CSymbolDlg&>(dialog);
            const int row = library.Model().RowOf(name);
            ASSERT_GE(row, 0) << name.toStdString();
            library.Grid()->doItemsLayout();
            library.Grid()->SelectRow(row);
            const QRect cell = library.Grid()->visualRect(library.Model().index(row));
            // As the window system delivers a double click: press, release,
            // press and double click, release.
            QWidget* viewport = library.Grid()->viewport();
            const QPointF at = cell.center();
            const QPointF global = viewport->mapToGlobal(at);
            for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                         std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
                QMouseEvent event(type, at, global, Qt::LeftButton, buttons, {});
                QApplication::sendEvent(viewport, &event);
            }
        };
    }

    std::vector<CSymbolObj*> OfKind(std::uint32_t kind) const
    {
        std::vector<CSymbolObj*> found;
        for (CSymbolObj* object : doc.GetObjects())
            if (object->HasFlag(kind))
                found.push_back(object);
        return found;
    }
};

} // namespace

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
    frame->Router().Execute(CommandId::EditUndo);
    ASSERT_EQ(OfKind(SOK_FRAME).size(), 1u);
    EXPECT_EQ(OfKind(SOK_FRAME).front()->m_strName, QByteArray("Single"));

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
