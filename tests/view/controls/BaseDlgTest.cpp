#include "view/controls/CBaseDlg.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

TEST(BaseDlg, MoveToWithMinusOneInEitherCoordinateStaysPut)
{
    CBaseDlg dialog(CUnitFormat::millimetres);
    dialog.resize(200, 100);
    dialog.MoveTo(120, 80);
    EXPECT_EQ(dialog.GetTopLeft(), (CPoint{120, 80}));

    dialog.MoveTo(-1, 50);
    EXPECT_EQ(dialog.GetTopLeft(), (CPoint{120, 80}));
    dialog.MoveTo(30, -1);
    EXPECT_EQ(dialog.GetTopLeft(), (CPoint{120, 80}));
    // Other negative points are real positions (a screen to the left).
    dialog.MoveTo(-40, 10);
    EXPECT_EQ(dialog.GetTopLeft(), (CPoint{-40, 10}));
}

TEST(BaseDlg, PositionAndSizeFieldsHoldEightCharactersOnceShown)
{
    CBaseDlg dialog(CUnitFormat::millimetres);
    QList<QLineEdit*> lengths;
    for (const char* name : {"1022", "1023", "1006", "1007"}) {
        lengths += new QLineEdit(&dialog);
        lengths.back()->setObjectName(QLatin1String(name));
    }
    auto* other = new QLineEdit(&dialog);
    other->setObjectName(QStringLiteral("1008"));
    const int unlimited = other->maxLength();

    dialog.show();
    for (QLineEdit* edit : lengths)
        EXPECT_EQ(edit->maxLength(), 8) << edit->objectName().toStdString();
    EXPECT_EQ(other->maxLength(), unlimited);

    QTest::keyClicks(lengths[0], QStringLiteral("123456789"));
    EXPECT_EQ(lengths[0]->text(), "12345678");
}

TEST(BaseDlg, PlacementRoundTripsAndAnEmptyOneChangesNothing)
{
    CBaseDlg dialog(CUnitFormat::millimetres);
    dialog.setGeometry(50, 60, 300, 200);
    const QRect before = dialog.geometry();

    CAppSettings::WindowPlacement empty{{400, 300}, {0, 120}, 1};
    dialog.RestorePlacement(empty);
    EXPECT_EQ(dialog.geometry(), before);

    CAppSettings::WindowPlacement stored{{110, 90}, {320, 240}, 1};
    dialog.RestorePlacement(stored);
    dialog.show();
    CAppSettings::WindowPlacement saved{{0, 0}, {0, 0}, 7};
    dialog.SavePlacement(saved);
    EXPECT_EQ(saved.position, stored.position);
    EXPECT_EQ(saved.size, stored.size);
    EXPECT_EQ(saved.showCmd, 1);

    // Only a maximised show state is kept, with the normal rectangle.
    dialog.RestorePlacement({{110, 90}, {320, 240}, 3});
    EXPECT_TRUE(dialog.isMaximized());
    dialog.SavePlacement(saved);
    EXPECT_EQ(saved.showCmd, 3);
    EXPECT_EQ(saved.size, (CSize{320, 240}));
    dialog.setWindowState(Qt::WindowMinimized);
    dialog.SavePlacement(saved);
    EXPECT_EQ(saved.showCmd, 1);
}
