// Object > Insert > Code... through the program's main window: the dialog
// and its preview, the code on the plate, and the code as an object like
// any other (resize by whole modules, undo, copy and paste, properties).
#include "CodeReader.h"
#include "DialogDriver.h"
#include "PrinterWindowFixture.h"
#include "RasterDecode.h"
#include "SerialPlate.h"
#include "TestFiles.h"

#include "app/CBatchCommands.h"
#include "batch/window/CRecordNavigator.h"
#include "view/CCommandActions.h"

#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"
#include "view/CVeldraView.h"
#include "view/codes/CCodeRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

class CodeWindowFixture : public PrinterWindowFixture
{
protected:
    void Run(CommandId id) { EXPECT_TRUE(frame->Router().Execute(id)) << int(id); }

    // The dialog's fields typed as a user does, then OK.
    void Type(int kind, const QString& data, const QString& module, QString* size = nullptr, bool drawable = true)
    {
        driver.Then([=](QDialog& dialog) {
            dialog.findChild<QComboBox*>(QStringLiteral("codeKind"))->setCurrentIndex(kind);
            for (auto [name, text] : {std::pair{"codeData", data}, std::pair{"codeModule", module}}) {
                auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
                edit->selectAll();
                QTest::keyClicks(edit, text);
            }
            if (size)
                *size = dialog.findChild<QLabel*>(QStringLiteral("codeSize"))->text();
            // The code drawn as it will engrave, or nothing while it cannot be.
            EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("codePreview"))->pixmap().isNull(), !drawable);
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            if (dialog.isVisible())
                dialog.reject();
        });
    }

    std::vector<CDibObj*> Codes()
    {
        std::vector<CDibObj*> codes;
        for (CSymbolObj* object : doc.GetObjects())
            if (CCodePicture::DefinitionOf(*object))
                codes.push_back(static_cast<CDibObj*>(object));
        return codes;
    }

    // What the plate shows of the code, read back.
    static QStringList Shown(const CDibObj& code) { return ReadCodes(*code.DisplayImage()); }

    QPoint At(CPoint layout) { return frame->View().DeviceToClient(doc.DocToDevice(layout)); }
    void Drag(QPoint from, QPoint to)
    {
        QWidget* port = frame->View().viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        for (QPoint at : {(from + to) / 2, to}) {
            QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(port, &move);
        }
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    // A record bar button clicked once the idle refresh has enabled it.
    void Click(CommandId id)
    {
        QTest::qWait(300);
        for (QToolButton* button : frame->findChild<CRecordNavigator*>()->findChildren<QToolButton*>())
            if (button->defaultAction() == frame->Actions().Action(id))
                return QTest::mouseClick(button, Qt::LeftButton);
        ADD_FAILURE() << "no button for " << int(id);
    }

    // Output to Bmp of what the window shows, read back.
    QStringList ShownPlate(const QString& name)
    {
        const QString path = files.filePath(name);
        driver.Choose(path);
        Run(CommandId::ExportBmp);
        CDibImage plate;
        EXPECT_TRUE(plate.LoadBitmapFile(path));
        return ReadCodes(plate);
    }

    DialogDriver driver;
};

} // namespace

TEST_F(CodeWindowFixture, ACodeIsPlacedEditedResizedCopiedAndUndoneThroughTheWindow)
{
    const int unchanged = doc.GetObjectCount();
    // Under two dots a module is refused with the size that works.
    Type(0, QStringLiteral("x"), QStringLiteral("0.05"), nullptr, false);
    Run(CommandId::InsertCode);
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages()[0].contains(QStringLiteral("0.073 mm"))) << driver.Messages()[0].toStdString();
    EXPECT_EQ(doc.GetObjectCount(), unchanged);

    QString size;
    Type(2, QStringLiteral("TAG-9"), QStringLiteral("0.25"), &size);
    Run(CommandId::InsertCode);
    EXPECT_TRUE(size.endsWith(QStringLiteral("module 0.240 mm (5 dots)"))) << size.toStdString();
    ASSERT_EQ(Codes().size(), 1u);
    CDibObj* code = Codes()[0];
    EXPECT_EQ(Shown(*code), QStringList{"TAG-9"});
    EXPECT_EQ(CCodePicture::ModuleDots(*CCodePicture::DefinitionOf(*code), doc), 5);

    // A corner dragged outward: the code grows by whole modules.
    frame->View().SetSelection(code);
    CRect rect;
    code->GetRect(&rect);
    const CSize before = doc.DocToDeviceSize(code->GetSize());
    Drag(At({rect.right, rect.top}), At({rect.right, rect.top}) + QPoint(9, -9));
    ASSERT_TRUE(code->DisplayImage());
    const CSize after{code->DisplayImage()->Width(), code->DisplayImage()->Height()};
    const int modules = before.cx / 5;
    EXPECT_GT(after.cx, before.cx);
    EXPECT_EQ(after.cx % modules, 0) << after.cx;
    EXPECT_EQ(after.cy, after.cx);
    EXPECT_EQ(Shown(*code), QStringList{"TAG-9"});

    // Properties on double-click: the data changed, the code drawn anew.
    Type(2, QStringLiteral("TAG-10"), CCodeRules(*CCodePicture::DefinitionOf(*code), 529, 0, {}).ModuleText());
    QTest::mouseDClick(frame->View().viewport(), Qt::LeftButton, {}, At(code->GetPosition()));
    ASSERT_EQ(Codes().size(), 1u);
    EXPECT_EQ(Shown(*Codes()[0]), QStringList{"TAG-10"});

    Run(CommandId::EditCopy);
    Run(CommandId::EditPaste);
    ASSERT_EQ(Codes().size(), 2u);
    EXPECT_EQ(Shown(*Codes()[0]), QStringList{"TAG-10"});
    Run(CommandId::EditUndo);
    Run(CommandId::EditUndo);
    ASSERT_EQ(Codes().size(), 1u);
    EXPECT_EQ(Shown(*Codes()[0]), QStringList{"TAG-9"});
    EXPECT_EQ(driver.ActsLeft(), 0);
}

// The asset tag from start to end: a serial plate with a serial Data
// Matrix placed through the dialog, five records shown one by one, then
// printed as a batch: each engraver job carries its own serial.
TEST_F(CodeWindowFixture, AnAssetTagWithASerialCodeIsShownAndPrintedRecordByRecord)
{
    CVeldraDoc plate;
    MakeSerialPlate(plate, {"{Name}", "No. {serial:0001}", "{Dept}"});
    const QString layout = files.filePath(QStringLiteral("asset.vlz"));
    ASSERT_TRUE(CDocumentFile::Save(plate, layout).ok);
    ASSERT_TRUE(frame->Documents().OpenDocument(layout));
    Type(0, QStringLiteral("ASSET-{serial:0001}"), QStringLiteral("0.3"));
    Run(CommandId::InsertCode);
    ASSERT_EQ(Codes().size(), 1u);

    driver.Choose(WriteFileBytes(files.filePath("tags.csv"), "Name,Dept\nAnna,Stores\nBo,Lab\nCy,Stores\nDee,Lab\nEd,Yard\n"));
    driver.Then([](QDialog& dialog) { dialog.accept(); });
    Run(CommandId::DataSource);
    for (int record = 1; record <= 5; ++record) {
        EXPECT_EQ(ShownPlate(QStringLiteral("record%1.bmp").arg(record)),
                  QStringList{QStringLiteral("ASSET-%1").arg(record, 4, 10, QLatin1Char('0'))});
        if (record < 5)
            Click(CommandId::RecordNext);
    }

    const int before = CupsTestServer::Instance().LatestJobId();
    driver.Then([](QDialog& dialog) {
        dialog.findChild<QSpinBox*>("firstRecord")->setValue(1);
        dialog.findChild<QSpinBox*>("lastRecord")->setValue(5);
        dialog.accept();
    });
    driver.Then([](QDialog&) {}); // the progress window, left to run
    Run(CommandId::PrintBatch);
    ASSERT_EQ(CupsTestServer::Instance().LatestJobId() - before, 5);
    for (int record = 1; record <= 5; ++record) {
        const int id = before + record;
        ASSERT_TRUE(CupsTestServer::Instance().WaitForJob(id));
        const DecodedPage page = Decode(CupsTestServer::Instance().JobOutput(id));
        ASSERT_TRUE(page.ok);
        EXPECT_EQ(ReadCodes(page.rgb), QStringList{QStringLiteral("ASSET-%1").arg(record, 4, 10, QLatin1Char('0'))});
    }
}
