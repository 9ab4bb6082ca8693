#include "app/CVeldraApp.h"

#include "document/CVeldraDoc.h"
#include "platform/CVirtualEngraver.h"
#include "platform/IPrinterSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Printers as a CUPS server would list them.
struct FakePrinters : IPrinterSystem
{
    std::vector<Queue> queues;
    mutable std::vector<QString> opened;
    std::vector<Queue> LocalPrinters() const override { return queues; }
    std::unique_ptr<IPrinter> Open(const QString& device) const override
    {
        opened.push_back(device);
        return std::make_unique<CVirtualEngraver>();
    }
};

struct AppFixture : ::testing::Test
{
    QTemporaryDir config;
    QTemporaryDir data;
    QByteArray oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    QByteArray oldDataDir = qgetenv("VELDRA2_DATA_DIR");
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        // Start-up makes sure of the data folder: never the machine's own here.
        qputenv("VELDRA2_DATA_DIR", QFile::encodeName(data.filePath(QStringLiteral("Veldra2"))));
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", oldConfigHome);
        if (oldDataDir.isEmpty())
            qunsetenv("VELDRA2_DATA_DIR");
        else
            qputenv("VELDRA2_DATA_DIR", oldDataDir);
    }

    QByteArray SettingsText() const
    {
        QFile file(config.path() + QStringLiteral("/Corvex KZ Corporation/Veldra2.conf"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

} // namespace

TEST_F(AppFixture, StartupFindsTheFirstEngraverAndRemembersIt)
{
    FakePrinters printers;
    printers.queues = {{QStringLiteral("office"), QStringLiteral("HP LaserJet, hpcups")},
                       {QStringLiteral("plate1"), QStringLiteral("Corvex KTX-90 v1")},
                       {QStringLiteral("plate2"), QStringLiteral("Corvex KTX-90 v2")}};
    CVeldraApp app(&printers);
    app.Startup();
    EXPECT_EQ(app.Settings().printer.device, QStringLiteral("plate1"));
    EXPECT_EQ(app.Settings().printer.driver, QStringLiteral("winspool"));
    ASSERT_TRUE(app.CurrentPrinter());
    EXPECT_EQ(printers.opened, (std::vector<QString>{QStringLiteral("plate1")}));
    EXPECT_TRUE(SettingsText().contains("Device=\"winspool,plate1, \""));

    // The document talks to that engraver.
    CVeldraDoc doc;
    app.Attach(doc);
    doc.Adjustments().Set({5, 6, 7});
    CEngraverAdjustments onDevice;
    app.CurrentPrinter()->GetEngraverAdjustments(onDevice);
    EXPECT_EQ(onDevice, (CEngraverAdjustments{5, 6, 7}));
}

// Either make and model is the engraver, the second when it is alone.
TEST_F(AppFixture, StartupFindsAVeldraModelEngraverAlone)
{
    FakePrinters printers;
    printers.queues = {{QStringLiteral("office"), QStringLiteral("HP LaserJet, hpcups")},
                       {QStringLiteral("tags"), QStringLiteral("Corvex VELDRA 2")}};
    CVeldraApp app(&printers);
    app.Startup();
    EXPECT_EQ(app.Settings().printer.device, QStringLiteral("tags"));
}

TEST_F(AppFixture, AStoredChoiceWithoutItsPortSelectsNothing)
{
    QDir().mkpath(config.path() + QStringLiteral("/Corvex KZ Corporation"));
    QFile file(config.path() + QStringLiteral("/Corvex KZ Corporation/Veldra2.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Printer]\nDevice=\"winspool,plate1\"\n");
    file.close();
    FakePrinters printers;
    CVeldraApp app(&printers);
    app.Startup();
    EXPECT_EQ(app.CurrentPrinter(), nullptr);
    EXPECT_TRUE(printers.opened.empty());
}

TEST_F(AppFixture, ExitWritesTheSettingsAndDeletesTemporaryFiles)
{
    CVeldraApp app;
    app.Startup();
    EXPECT_EQ(app.CurrentPrinter(), nullptr);
    const QString temporary = app.NewTempFile();
    ASSERT_FALSE(temporary.isEmpty());
    EXPECT_TRUE(QFile::exists(temporary));
    app.Settings().penWidth = 35;
    app.Settings().deviceSizeLimit = 2400;
    ASSERT_TRUE(app.Exit());
    EXPECT_FALSE(QFile::exists(temporary));

    CVeldraApp next;
    next.Startup();
    EXPECT_EQ(next.Settings().penWidth, 35);
    EXPECT_EQ(next.Settings().deviceSizeLimit, 2400);
    CVeldraDoc doc;
    next.Attach(doc);
    EXPECT_EQ(doc.Settings().deviceSizeLimit, 2400);
}
