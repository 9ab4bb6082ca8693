#include "CupsFixture.h"

#include "app/CVeldraApp.h"
#include "output/CCupsPpd.h"
#include "output/CCupsPrinter.h"
#include "output/CCupsPrinterSystem.h"
#include "output/CEngraverDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {


} // namespace

TEST(CupsPrinter, TheEngraverIsNamedWithEitherPrefixInItsOwnLetterCase)
{
    EXPECT_TRUE(CCupsPrinter(QStringLiteral("Corvex KTX-90"), QString()).IsEngraver());
    EXPECT_TRUE(CCupsPrinter(QStringLiteral("Corvex KTX"), QString()).IsEngraver());
    EXPECT_TRUE(CCupsPrinter(QStringLiteral("Corvex VELDRA 2"), QString()).IsEngraver());
    EXPECT_TRUE(CCupsPrinter(QStringLiteral("plate"), QStringLiteral("Corvex VELDRA driver")).IsEngraver());
    EXPECT_FALSE(CCupsPrinter(QStringLiteral("corvex ktx-90"), QString()).IsEngraver());
    EXPECT_FALSE(CCupsPrinter(QStringLiteral("Corvex Veldra"), QStringLiteral("Corvex ktx")).IsEngraver());
    EXPECT_FALSE(CCupsPrinter(QStringLiteral("Corvex KT"), QStringLiteral(" Corvex KTX")).IsEngraver());
    EXPECT_FALSE(CCupsPrinter(QString(), QString()).IsEngraver());
}

TEST(CupsPrinter, OptionValuesAreNumbersOrCustomChoices)
{
    EXPECT_EQ(CCupsPrinter::OptionNumber(QStringLiteral("13")), 13);
    EXPECT_EQ(CCupsPrinter::OptionNumber(QStringLiteral("-500")), -500);
    EXPECT_EQ(CCupsPrinter::OptionNumber(QStringLiteral("Custom.-7")), -7);
    EXPECT_EQ(CCupsPrinter::OptionNumber(QString()), std::nullopt);
    EXPECT_EQ(CCupsPrinter::OptionNumber(QStringLiteral("Custom.")), std::nullopt);
    EXPECT_EQ(CCupsPrinter::OptionNumber(QStringLiteral("bright")), std::nullopt);
}

TEST(CupsPrinter, PaperPointsRoundToTenthsOfAMillimetre)
{
    EXPECT_EQ(CEngraverDevice::PointsToTenthMm(255), 900); // 899.58
    EXPECT_EQ(CEngraverDevice::PointsToTenthMm(595), 2099); // 2099.03
    EXPECT_EQ(CEngraverDevice::PointsToTenthMm(841.89), 2970);
}

// A class of engravers is the engraver its first member describes; a class
// with an office printer among its members is no engraver.
TEST_F(CupsFixture, LocalPrintersAreTheQueuesWithTheirMakeAndModel)
{
    const std::vector<IPrinterSystem::Queue> queues = printers.LocalPrinters();
    ASSERT_EQ(queues.size(), 5u);
    std::map<QString, QString> drivers;
    for (const IPrinterSystem::Queue& queue : queues)
        drivers[queue.device] = queue.driver;
    EXPECT_EQ(drivers[engraverQueue], QStringLiteral("Corvex KTX-90 Engraver"));
    EXPECT_EQ(drivers[engraverClass], QStringLiteral("Corvex KTX-90 Engraver"));
    EXPECT_EQ(drivers[laserQueue], QStringLiteral("Generic Office Laser"));
    EXPECT_TRUE(printers.Open(engraverClass)->IsEngraver());
    CEngraverDevice device(engraverClass);
    ASSERT_TRUE(device.Query());
    EXPECT_TRUE(device.IsEngraver());
    EXPECT_EQ(device.Resolution(), 529);
    EXPECT_EQ(device.PageWidthDots(), 1874);

    CupsTestServer& server = CupsTestServer::Instance();
    ASSERT_TRUE(server.Admin(QStringLiteral("lpadmin"), {"-p", laserQueue, "-c", "Mixed"}));
    ASSERT_TRUE(server.Admin(QStringLiteral("lpadmin"), {"-p", engraverQueue, "-c", "Mixed"}));
    const std::unique_ptr<IPrinter> mixed = printers.Open(QStringLiteral("Mixed"));
    EXPECT_TRUE(server.Admin(QStringLiteral("lpadmin"), {"-x", "Mixed"}));
    ASSERT_TRUE(mixed);
    EXPECT_FALSE(mixed->IsEngraver());
}

TEST_F(CupsFixture, OnlyExistingQueuesOpen)
{
    EXPECT_EQ(printers.Open(QStringLiteral("No_Such_Queue")), nullptr);
    EXPECT_EQ(printers.Open(QString()), nullptr);
    const std::unique_ptr<IPrinter> engraver = printers.Open(engraverQueue);
    ASSERT_NE(engraver, nullptr);
    // Its queue name has no blank: the make and model makes it the engraver.
    EXPECT_TRUE(engraver->IsEngraver());
    const std::unique_ptr<IPrinter> laser = printers.Open(laserQueue);
    ASSERT_NE(laser, nullptr);
    EXPECT_FALSE(laser->IsEngraver());
}

TEST_F(CupsFixture, ThePpdGivesTheQueuesDefaults)
{
    const CCupsPpd engraver(engraverQueue);
    ASSERT_TRUE(engraver.IsOpen());
    EXPECT_EQ(engraver.DefaultChoice("Brightness"), QStringLiteral("0"));
    EXPECT_EQ(engraver.DefaultChoice("Gamma"), QStringLiteral("-500"));
    EXPECT_EQ(engraver.DefaultResolution(), 529);
    EXPECT_EQ(engraver.DefaultPaperPoints(), QSizeF(255, 255));
    const CCupsPpd laser(laserQueue);
    ASSERT_TRUE(laser.IsOpen());
    EXPECT_EQ(laser.DefaultChoice("Gamma"), QString());
    EXPECT_EQ(laser.DefaultResolution(), 600);
    EXPECT_FALSE(CCupsPpd(QStringLiteral("No_Such_Queue")).IsOpen());
}

TEST_F(CupsFixture, AdjustmentsStartAtTheDriversDefaults)
{
    EXPECT_EQ(AdjustmentsOf(engraverQueue), (CEngraverAdjustments{0, 0, -500}));
}

TEST_F(CupsFixture, AdjustmentsTheUserSetComeFirstThenThePpdDefaults)
{
    WriteUserOptions("Dest Corvex_KTX_90 Brightness=Custom.12 Contrast=400\n");
    EXPECT_EQ(AdjustmentsOf(engraverQueue), (CEngraverAdjustments{12, 50, -500}));
}

TEST_F(CupsFixture, AdjustmentsRoundTripThroughTheUsersOptions)
{
    const std::unique_ptr<IPrinter> engraver = printers.Open(engraverQueue);
    ASSERT_TRUE(engraver);
    ASSERT_TRUE(engraver->SetEngraverAdjustments({12, -7, 250}));
    CEngraverAdjustments read;
    ASSERT_TRUE(engraver->GetEngraverAdjustments(read));
    EXPECT_EQ(read, (CEngraverAdjustments{12, -7, 250}));

    // Kept where other programs (and the next run) find them.
    EXPECT_EQ(AdjustmentsOf(engraverQueue), (CEngraverAdjustments{12, -7, 250}));
    CCupsPrinterSystem another;
    const std::unique_ptr<IPrinter> again = another.Open(engraverQueue);
    ASSERT_TRUE(again && again->GetEngraverAdjustments(read));
    EXPECT_EQ(read, (CEngraverAdjustments{12, -7, 250}));
    const QByteArray written = WrittenOptions();
    EXPECT_TRUE(written.contains("Dest Corvex_KTX_90 ")) << written.constData();
    EXPECT_TRUE(written.contains("Brightness=12")) << written.constData();
    EXPECT_TRUE(written.contains("Gamma=250")) << written.constData();
}

TEST_F(CupsFixture, AdjustmentsAreClampedToTheDriversRanges)
{
    const std::unique_ptr<IPrinter> engraver = printers.Open(engraverQueue);
    ASSERT_TRUE(engraver);
    ASSERT_TRUE(engraver->SetEngraverAdjustments({99, -99, 5000}));
    EXPECT_EQ(AdjustmentsOf(engraverQueue), (CEngraverAdjustments{50, -50, 899}));
    ASSERT_TRUE(engraver->SetEngraverAdjustments({-51, 51, -901}));
    EXPECT_EQ(AdjustmentsOf(engraverQueue), (CEngraverAdjustments{-50, 50, -900}));
}

TEST_F(CupsFixture, AnotherPrinterKeepsNoAdjustments)
{
    const std::unique_ptr<IPrinter> laser = printers.Open(laserQueue);
    ASSERT_TRUE(laser);
    EXPECT_FALSE(laser->SetEngraverAdjustments({12, -7, 250}));
    EXPECT_FALSE(WrittenOptions().contains("Office_Laser"));
    // Options someone else set on it are not the engraver's.
    WriteUserOptions("Dest Office_Laser Brightness=9 Gamma=100\n");
    EXPECT_EQ(AdjustmentsOf(laserQueue), (CEngraverAdjustments{0, 0, -500}));
}

TEST_F(CupsFixture, TheDeviceAnswersItsResolutionAndPage)
{
    CEngraverDevice engraver(engraverQueue);
    ASSERT_TRUE(engraver.Query());
    EXPECT_EQ(engraver.Resolution(), 529);
    EXPECT_EQ(engraver.PageWidth(), 900);
    EXPECT_EQ(engraver.PageHeight(), 900);
    EXPECT_TRUE(engraver.IsEngraver()); // by its driver: a queue name holds no blank

    CEngraverDevice laser(laserQueue);
    ASSERT_TRUE(laser.Query());
    EXPECT_EQ(laser.Resolution(), 600);
    EXPECT_EQ(laser.PageWidth(), 2099);
    EXPECT_EQ(laser.PageHeight(), 2970);
    EXPECT_FALSE(laser.IsEngraver());

    CEngraverDevice missing(QStringLiteral("No_Such_Queue"));
    EXPECT_FALSE(missing.Query());
    EXPECT_EQ(missing.Resolution(), 0);
}

TEST_F(CupsFixture, TheChosenPaperIsThePage)
{
    const CCupsPpd ppd(laserQueue);
    const std::vector<CCupsPpd::PaperSize> papers = ppd.PaperSizes();
    ASSERT_EQ(papers.size(), 2u);
    EXPECT_EQ(papers[0].name, QStringLiteral("A4"));
    EXPECT_EQ(papers[1].name, QStringLiteral("Letter"));
    EXPECT_EQ(papers[1].points, QSizeF(612, 792));
    EXPECT_EQ(ppd.Paper(QStringLiteral("Tabloid")).name, QStringLiteral("A4")); // unknown: the default
    EXPECT_EQ(CCupsPpd(engraverQueue).PaperSizes().at(0).text, QStringLiteral("90 x 90 mm"));

    CCupsPrinter laser(laserQueue, QString());
    ASSERT_TRUE(laser.ChoosePaper(QStringLiteral("Letter")));
    EXPECT_EQ(laser.ChosenPaper(), QStringLiteral("Letter"));
    CEngraverDevice device(laserQueue);
    ASSERT_TRUE(device.Query());
    EXPECT_EQ(device.PaperName(), QStringLiteral("Letter"));
    EXPECT_EQ(device.PageWidth(), 2159);
    EXPECT_EQ(device.PageHeightDots(), 6600); // 11 in at 600 dpi

    ASSERT_TRUE(laser.ChoosePaper(QString()));
    EXPECT_EQ(laser.ChosenPaper(), QString());
    ASSERT_TRUE(device.Query());
    EXPECT_EQ(device.PaperName(), QStringLiteral("A4"));
}

TEST_F(CupsFixture, WithoutANameTheDeviceIsTheDefaultQueue)
{
    EXPECT_FALSE(CEngraverDevice(QString()).Query());
    WriteUserOptions("Default Corvex_KTX_90\n");
    CEngraverDevice device{QString()};
    ASSERT_TRUE(device.Query());
    EXPECT_EQ(device.DeviceName(), engraverQueue);
    EXPECT_EQ(device.Resolution(), 529);
}

TEST_F(CupsFixture, StartupChoosesTheEngraverQueue)
{
    QTemporaryDir config;
    QTemporaryDir data;
    const QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldDataDir = qgetenv("VELDRA2_DATA_DIR");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("VELDRA2_DATA_DIR", QFile::encodeName(data.filePath(QStringLiteral("Veldra2"))));

    CVeldraApp app(&printers);
    app.Startup();
    EXPECT_EQ(app.Settings().printer.ToText(), QStringLiteral("winspool,Corvex_KTX_90, "));
    ASSERT_NE(app.CurrentPrinter(), nullptr);
    EXPECT_TRUE(app.CurrentPrinter()->IsEngraver());
    QFile settings(config.filePath(QStringLiteral("Corvex KZ Corporation/Veldra2.conf")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Device=\"winspool,Corvex_KTX_90, \""));

    qputenv("XDG_CONFIG_HOME", oldConfigHome);
    if (oldDataDir.isEmpty())
        qunsetenv("VELDRA2_DATA_DIR");
    else
        qputenv("VELDRA2_DATA_DIR", oldDataDir);
}
