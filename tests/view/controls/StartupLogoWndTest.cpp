#include "view/controls/CStartupLogoWnd.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A main window behind the logo, with something to type into and click.
struct StartupLogoFixture : ::testing::Test
{
    QWidget frame;
    QLineEdit* edit = new QLineEdit(&frame);
    QPushButton* button = new QPushButton(QStringLiteral("Go"), &frame);

    void SetUp() override
    {
        edit->setGeometry(10, 10, 150, 24);
        button->setGeometry(10, 50, 80, 24);
        frame.resize(300, 120);
        frame.show();
    }
    void TearDown() override
    {
        if (CStartupLogoWnd* logo = CStartupLogoWnd::Current())
            logo->Dismiss();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST(StartupLogoPicture, TheBuiltInPictureLoadsAndAMissingOneMeansNoLogo)
{
    const QImage picture = CStartupLogoWnd::LoadPicture(CStartupLogoWnd::DefaultPicturePath());
    EXPECT_EQ(picture.size(), QSize(400, 240));
    EXPECT_TRUE(CStartupLogoWnd::LoadPicture(QStringLiteral("/nonexistent/logo.svg")).isNull());
    EXPECT_EQ(CStartupLogoWnd::Open(QStringLiteral("/nonexistent/logo.png")), nullptr);
    EXPECT_EQ(CStartupLogoWnd::Current(), nullptr);
}

TEST_F(StartupLogoFixture, OpensCentredOnceAtATimeWithTheVersionInItsCorner)
{
    CStartupLogoWnd* logo = CStartupLogoWnd::Open();
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->isVisible());
    EXPECT_EQ(logo->size(), QSize(400, 240));
    EXPECT_EQ(logo->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_GT(logo->RemainingMilliseconds(), 1000);
    EXPECT_EQ(CStartupLogoWnd::Open(), nullptr);
    EXPECT_EQ(CStartupLogoWnd::Current(), logo);

    // The version text is drawn over the picture in the bottom-right corner
    // and nowhere else.
    const QImage shown = logo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = CStartupLogoWnd::LoadPicture(CStartupLogoWnd::DefaultPicturePath());
    const QRect corner(shown.width() - 150, shown.height() - 30, 138, 22);
    int changed[2] = {0, 0};
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            changed[corner.contains(x, y)] += shown.pixel(x, y) != picture.pixel(x, y);
    EXPECT_EQ(changed[0], 0);
    EXPECT_GT(changed[1], 20);
}

TEST_F(StartupLogoFixture, AKeyPressAnywhereClosesItAndIsSwallowed)
{
    QPointer<CStartupLogoWnd> logo = CStartupLogoWnd::Open();
    ASSERT_NE(logo, nullptr);
    QSignalSpy closed(logo.data(), &CStartupLogoWnd::closed);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(CStartupLogoWnd::Current(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(logo.isNull());

    // Gone for good: keys reach the window again.
    QTest::keyClick(edit, Qt::Key_B);
    EXPECT_EQ(edit->text(), "b");
}

TEST_F(StartupLogoFixture, AMousePressAnywhereClosesItAndIsSwallowed)
{
    CStartupLogoWnd* logo = CStartupLogoWnd::Open();
    ASSERT_NE(logo, nullptr);
    QSignalSpy closed(logo, &CStartupLogoWnd::closed);
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(logo->isVisible());
}

TEST_F(StartupLogoFixture, ItClosesByItselfAfterTwoSeconds)
{
    CStartupLogoWnd* logo = CStartupLogoWnd::Open();
    ASSERT_NE(logo, nullptr);
    QSignalSpy closed(logo, &CStartupLogoWnd::closed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed.count() > 0; }, 3500));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(CStartupLogoWnd::Current(), nullptr);
}
