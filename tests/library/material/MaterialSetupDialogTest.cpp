// Material Setup as the user runs it: the real dialog, answered through its
// widgets, over a document.
#include "DialogDriver.h"
#include "DocumentTestSupport.h"
#include "MaterialTestSupport.h"

#include "settings/CAppSettings.h"
#include "document/CPlateRenderer.h"
#include "document/UpdateHint.h"
#include "library/material/CMaterialPreviewFrame.h"
#include "library/material/CMaterialPreviewRules.h"
#include "library/material/CMaterialSetup.h"

#include <QDialogButtonBox>
#include <algorithm>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class Widget>
Widget* Child(QDialog& dialog, int id)
{
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_TRUE(widget) << id;
    return widget;
}

// Replaces a field's text key by key, as the user types it.
void Type(QDialog& dialog, int id, const QString& text)
{
    QLineEdit* edit = Child<QLineEdit>(dialog, id);
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text)
        QTest::keyClick(edit, c == '.' ? Qt::Key_Period : Qt::Key(Qt::Key_0 + c.digitValue()));
}

void Click(QDialog& dialog, int id)
{
    QTest::mouseClick(Child<QAbstractButton>(dialog, id), Qt::LeftButton);
}

void ClickOk(QDialog& dialog)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

class MaterialSetupTest : public ::testing::Test
{
protected:
    MaterialSetupTest()
    {
        doc.SetDevice(254, 9000, 9000); // 0.1 mm a dot
        doc.AddObserver(&hints);
    }

    bool Run(bool newDocument, CMaterialSetup::MaterialChooser chooser = {})
    {
        return CMaterialSetup::Run(doc, settings, newDocument, folder.path(), chooser, nullptr);
    }

    // Sets the size and a built-in shape, and confirms.
    bool RunWith(const QString& width, const QString& height, int shapeButton)
    {
        driver.Then([=](QDialog& dialog) {
            Type(dialog, 1006, width);
            Type(dialog, 1007, height);
            Click(dialog, shapeButton);
            ClickOk(dialog);
        });
        return Run(false);
    }

    CDibObj* Outline() const { return doc.HasMaterial() ? dynamic_cast<CDibObj*>(doc.GetObjectAt(0)) : nullptr; }

    bool HintSent(int hint) const
    {
        return std::any_of(hints.entries.begin(), hints.entries.end(), [&](const auto& e) { return e.hint == hint; });
    }

    QTemporaryDir folder;
    CVeldraDoc doc;
    CAppSettings settings;
    HintLog hints;
    DialogDriver driver;
};

} // namespace

TEST_F(MaterialSetupTest, ANewDocumentPastTheMaximumStartsAtNinetyByNinety)
{
    settings.materialSize = {9500, 5000};
    settings.materialShapeIndex = 1;
    QString width, height;
    bool diamondChecked = false;
    driver.Then([&](QDialog& dialog) {
        width = Child<QLineEdit>(dialog, 1006)->text();
        height = Child<QLineEdit>(dialog, 1007)->text();
        diamondChecked = Child<QRadioButton>(dialog, 1101)->isChecked();
        EXPECT_EQ(Child<QGroupBox>(dialog, 1008)->title(), "Size (mm)");
        ClickOk(dialog);
    });
    ASSERT_TRUE(Run(true));
    EXPECT_EQ(width, "90.00");
    EXPECT_EQ(height, "90.00");
    EXPECT_TRUE(diamondChecked);
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{9000, 9000}));
    EXPECT_EQ(doc.GetDeviceSize(), (CSize{900, 900}));
    ASSERT_TRUE(Outline());
    EXPECT_EQ(Outline()->StoredImage().Width(), 900);
    // A new layout is nothing to save yet, and has nothing to undo.
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(MaterialSetupTest, AnEllipseOfEightyByFortyAndTheLastUsedValues)
{
    ASSERT_TRUE(RunWith("80", "40", 1102));
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{8000, 4000}));
    EXPECT_EQ(doc.GetDeviceSize(), (CSize{800, 400}));
    EXPECT_EQ(doc.GetShapeIndex(), 2);
    EXPECT_TRUE(HintSent(hintDeviceChanged));
    EXPECT_EQ(doc.GetMargins(), (CSize{100, 100}));
    EXPECT_TRUE(doc.IsModified());

    CDibObj* outline = Outline();
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->m_dwFlags, flagsMaterial);
    EXPECT_EQ(outline->GetSize(), (CSize{8000, 4000}));
    const CDibImage& mask = outline->StoredImage();
    ASSERT_EQ(mask.BitCount(), 1);
    ASSERT_EQ(mask.Width(), 800);
    ASSERT_EQ(mask.Height(), 400);
    EXPECT_TRUE(TouchedEdges(mask).All());
    EXPECT_FALSE(MaskBlack(mask, 0, 0));
    EXPECT_TRUE(MaskBlack(mask, 400, 200));
    EXPECT_TRUE(outline->HasDisplay());

    EXPECT_EQ(settings.materialSize, (CSize{8000, 4000}));
    EXPECT_EQ(settings.materialShapeIndex, 2);
    EXPECT_EQ(doc.Settings().materialSize, (CSize{8000, 4000}));

    // Cancel changes nothing.
    doc.SetModifiedFlag(false);
    driver.Then([](QDialog& dialog) {
        Type(dialog, 1006, "20");
        dialog.reject();
    });
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{8000, 4000}));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(MaterialSetupTest, TheRectangleRemovesTheOutlineAndUndoBringsItBack)
{
    ASSERT_TRUE(RunWith("80", "40", 1101));
    ASSERT_TRUE(Outline());
    doc.InsertAt(Picture("picture", 0, 0, 500, 500), 0);

    ASSERT_TRUE(RunWith("80", "40", 1100));
    EXPECT_FALSE(doc.HasMaterial());
    EXPECT_EQ(Names(doc), std::vector<QByteArray>{"picture"});
    EXPECT_EQ(doc.GetShapeIndex(), 0);
    EXPECT_EQ(settings.materialShapeIndex, 0);

    // The plate is a plain rectangle: the corners show the plate, not the
    // colour outside the material.
    CDocumentSettings plain = doc.Settings();
    plain.marginTopLeft = {0, 0};
    plain.baseColor = RGB(10, 20, 30);
    doc.SetSettings(plain);
    doc.SetBaseColor(plain.baseColor);
    doc.RecalcMargins();
    CDibImage plate;
    ASSERT_TRUE(plate.Create(800, 400, 24));
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    EXPECT_EQ(plate.GetPixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(plate.GetPixel(799, 399), RGB(10, 20, 30));

    // One undo brings the diamond back with its plate.
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(Outline());
    EXPECT_TRUE(TouchedEdges(Outline()->StoredImage()).All());
    EXPECT_EQ(doc.GetObjectCount(), 2);
    EXPECT_EQ(doc.GetShapeIndex(), 1);
}

TEST_F(MaterialSetupTest, SizesOutsideTheLimitsKeepTheDialogOpen)
{
    driver.Then([](QDialog& dialog) {
        Type(dialog, 1006, "0.5");
        ClickOk(dialog);
        Type(dialog, 1006, "50");
        Type(dialog, 1007, "91");
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        // "&Other..." does not open the library with a size it would refuse.
        Click(dialog, 1097);
        dialog.reject();
    });
    bool chooserAsked = false;
    EXPECT_FALSE(Run(false, [&](QWidget*) {
        chooserAsked = true;
        return QString();
    }));
    EXPECT_EQ(driver.Messages(), (QStringList{"Width: Please enter a number between 1 and 90.",
                                              "Height: Please enter a number between 1 and 90.",
                                              "Height: Please enter a number between 1 and 90."}));
    EXPECT_FALSE(chooserAsked);
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{9000, 9000}));
}

TEST_F(MaterialSetupTest, OtherTakesAMaterialFromTheLibrary)
{
    const QString path = folder.filePath("Shield.vls");
    ASSERT_TRUE(WriteMaterialFile(path));
    bool noneChecked = false;
    driver.Then([&](QDialog& dialog) {
        Type(dialog, 1006, "60");
        Click(dialog, 1097);
        noneChecked = !Child<QRadioButton>(dialog, 1100)->isChecked() && !Child<QRadioButton>(dialog, 1101)->isChecked()
                      && !Child<QRadioButton>(dialog, 1102)->isChecked();
        ClickOk(dialog);
    });
    ASSERT_TRUE(Run(false, [](QWidget* parent) {
        EXPECT_TRUE(parent);
        return QStringLiteral("Shield");
    }));
    EXPECT_TRUE(noneChecked);
    EXPECT_EQ(doc.GetShapeIndex(), -1);
    EXPECT_EQ(doc.GetShapeFile(), path);
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{6000, 9000}));
    CDibObj* outline = Outline();
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->m_strName, "Shield");
    EXPECT_EQ(outline->m_dwFlags, flagsMaterial);
    EXPECT_EQ(settings.materialShapeIndex, -1);
    EXPECT_EQ(settings.materialShapeFileName, path);

    // The next new layout starts from it.
    driver.Then([&](QDialog& dialog) {
        noneChecked = !Child<QRadioButton>(dialog, 1100)->isChecked();
        dialog.reject();
    });
    Run(true);
    EXPECT_TRUE(noneChecked);
}

TEST_F(MaterialSetupTest, CancellingTheLibraryAfterItsFileWentLeavesTheRectangle)
{
    const QString path = folder.filePath("Gone.vls");
    ASSERT_TRUE(WriteMaterialFile(path));
    int choices = 0;
    bool rectangleChecked = false;
    driver.Then([&](QDialog& dialog) {
        Click(dialog, 1097); // chooses Gone
        QFile::remove(path);
        Click(dialog, 1097); // cancelled
        rectangleChecked = Child<QRadioButton>(dialog, 1100)->isChecked();
        ClickOk(dialog);
    });
    doc.SetShapeIndex(2);
    ASSERT_TRUE(Run(false, [&](QWidget*) { return ++choices == 1 ? QStringLiteral("Gone") : QString(); }));
    EXPECT_EQ(choices, 2);
    EXPECT_TRUE(rectangleChecked);
    EXPECT_EQ(doc.GetShapeIndex(), 0);
    EXPECT_FALSE(doc.HasMaterial());
}

TEST_F(MaterialSetupTest, AMaterialThatCannotBeReadLeavesTheDocumentAsItWas)
{
    ASSERT_TRUE(RunWith("80", "40", 1102));
    CSymbolObj* ellipse = Outline();
    doc.SetModifiedFlag(false);
    const QString path = folder.filePath("Damaged.vls");
    ASSERT_TRUE(WriteMaterialFile(path));
    driver.Then([&](QDialog& dialog) {
        Type(dialog, 1007, "70");
        Click(dialog, 1097);
        // Spoilt while the dialog is open.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("damaged");
        file.close();
        ClickOk(dialog);
    });
    EXPECT_FALSE(Run(false, [](QWidget*) { return QStringLiteral("Damaged"); }));
    ASSERT_EQ(driver.Messages().size(), 1);
    EXPECT_TRUE(driver.Messages().front().contains("cannot be read")) << driver.Messages().front().toStdString();
    EXPECT_EQ(doc.GetMaterialSize(), (CSize{8000, 4000}));
    EXPECT_EQ(doc.GetShapeIndex(), 2);
    EXPECT_EQ(Outline(), ellipse);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(settings.materialSize, (CSize{8000, 4000}));
}

TEST_F(MaterialSetupTest, ALargeLibraryMaterialPreviewsItsCentredPart)
{
    // 90 x 90 mm, black in its middle third: a 30 x 30 mm plate keeps only
    // the black part, a 90 x 90 one shows the white around it.
    ASSERT_TRUE(WriteMaterialFile(folder.filePath("Large.vls")));
    const auto previewAt = [&](QDialog& dialog, double fx, double fy) {
        auto* preview = Child<CMaterialPreviewFrame>(dialog, 1098);
        const QImage image = preview->grab().toImage();
        const QRect square = CMaterialPreviewRules::Square(preview->contentsRect());
        return image.pixelColor(square.left() + int(fx * square.width()), square.top() + int(fy * square.height()));
    };
    QColor wholeCorner, wholeCentre, cutCorner, cutCentre;
    driver.Then([&](QDialog& dialog) {
        Click(dialog, 1097);
        wholeCorner = previewAt(dialog, 0.1, 0.1);
        wholeCentre = previewAt(dialog, 0.5, 0.5);
        Type(dialog, 1006, "30");
        Type(dialog, 1007, "30");
        Click(dialog, 1097);
        cutCorner = previewAt(dialog, 0.1, 0.1);
        cutCentre = previewAt(dialog, 0.5, 0.5);
        dialog.reject();
    });
    Run(false, [](QWidget*) { return QStringLiteral("Large"); });
    EXPECT_EQ(wholeCorner, QColor(Qt::white));
    EXPECT_EQ(wholeCentre, QColor(Qt::black));
    EXPECT_EQ(cutCorner, QColor(Qt::black));
    EXPECT_EQ(cutCentre, QColor(Qt::black));
}

TEST_F(MaterialSetupTest, TheShapeButtonsRepaintTheFittedPreview)
{
    const auto blackIn = [](QDialog& dialog, const QRect& area) {
        auto* preview = Child<CMaterialPreviewFrame>(dialog, 1098);
        const QImage image = preview->grab().toImage();
        int black = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                black += image.pixelColor(x, y) == QColor(Qt::black);
        return black;
    };
    int rectangle = 0, ellipse = 0, square = 0, aboveFitted = 0;
    driver.Then([&](QDialog& dialog) {
        Type(dialog, 1006, "80");
        Type(dialog, 1007, "40");
        auto* preview = Child<CMaterialPreviewFrame>(dialog, 1098);
        const QRect area = CMaterialPreviewRules::Square(preview->contentsRect());
        const QRect fitted = CMaterialPreviewRules::FitShape(area, {8000, 4000});
        Click(dialog, 1100);
        rectangle = blackIn(dialog, fitted);
        aboveFitted = blackIn(dialog, QRect(area.left(), area.top(), area.width(), fitted.top() - area.top()));
        square = fitted.width() * fitted.height();
        Click(dialog, 1102);
        ellipse = blackIn(dialog, fitted);
        dialog.reject();
    });
    Run(false);
    EXPECT_EQ(rectangle, square);
    EXPECT_EQ(aboveFitted, 0);
    // An ellipse covers pi/4 of its box.
    EXPECT_NEAR(double(ellipse) / square, 0.785, 0.03);
}
