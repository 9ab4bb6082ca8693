// What OK and Cancel of the settings dialogs do to the settings, the
// document, a pen in use and the view. The dialogs are answered by the test.
#include "DocumentTestSupport.h"

#include "settings/CAppSettings.h"
#include "app/CSettingsCommands.h"
#include "settings/CSettingsStore.h"
#include "objects/CPenPainter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsCommandsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        settings.systemMeasureIsInches = [] { return false; };
        settings.systemWindowColor = [] { return RGB(0xEE, 0xEE, 0xEE); };
        settings.ResolveDerived();
        doc.SetSettings(settings.DocumentSettings());
        SetUpDocument(doc); // 90 x 60 mm, nothing outside the printable area
        doc.AddObserver(&hints);
    }

    void TearDown() override { doc.RemoveObserver(&hints); }

    // Counts the runs of a dialog that is answered with a given result.
    template <class Value>
    auto Answer(std::optional<Value> answer, Value* shown)
    {
        return [this, answer, shown](const Value& value) {
            ++runs;
            *shown = value;
            return answer;
        };
    }

    QTemporaryDir config;
    CAppSettings settings;
    CVeldraDoc doc;
    HintLog hints;
    int repaints = 0;
    int runs = 0;
    CSettingsCommands commands{settings, doc, nullptr, [this] { ++repaints; }};
};

} // namespace

TEST_F(SettingsCommandsFixture, AllThreeAreEnabledAndRunTheirDialog)
{
    for (CommandId id : {CommandId::PenSetup, CommandId::GridSetup, CommandId::Preferences}) {
        CCommandState state;
        state.enabled = false;
        EXPECT_TRUE(commands.OnUpdateCommand(id, state));
        EXPECT_TRUE(state.enabled);
    }
    CCommandState other;
    EXPECT_FALSE(commands.OnUpdateCommand(CommandId::ShowGrid, other));
    EXPECT_FALSE(commands.OnCommand(CommandId::ShowGrid));

    CPenSetupRules::Pen pen;
    GridSettings grid;
    CTextDefaults record;
    commands.SetPenSetupRun(Answer<CPenSetupRules::Pen>(std::nullopt, &pen));
    commands.SetGridSetupRun(Answer<GridSettings>(std::nullopt, &grid));
    commands.SetPreferencesRun(Answer<CTextDefaults>(std::nullopt, &record));
    for (CommandId id : {CommandId::PenSetup, CommandId::GridSetup, CommandId::Preferences})
        EXPECT_TRUE(commands.OnCommand(id));
    EXPECT_EQ(runs, 3);
}

TEST_F(SettingsCommandsFixture, PenSetupOkReachesTheSettingsTheDocumentAndAPenInUse)
{
    settings.penWidth = 30;
    settings.penColor = RGB(1, 2, 3);
    doc.SetPenTool(std::make_unique<CPenPainter>());
    CPenSetupRules::Pen shown;

    commands.SetPenSetupRun(Answer<CPenSetupRules::Pen>(std::nullopt, &shown));
    commands.PenSetup();
    EXPECT_EQ(shown, (CPenSetupRules::Pen{30, RGB(1, 2, 3)}));
    EXPECT_EQ(settings.penWidth, 30);
    EXPECT_EQ(doc.PenTool()->Width(), 1);

    commands.SetPenSetupRun(Answer<CPenSetupRules::Pen>(CPenSetupRules::Pen{500, RGB(0xFF, 0, 0)}, &shown));
    commands.PenSetup();
    EXPECT_EQ(settings.penWidth, 500);
    EXPECT_EQ(settings.penColor, RGB(0xFF, 0, 0));
    EXPECT_EQ(doc.Settings().penWidth, 500);
    EXPECT_EQ(doc.Settings().penColor, RGB(0xFF, 0, 0));
    EXPECT_EQ(doc.PenTool()->Width(), 50); // 5 mm at 254 dpi
    EXPECT_EQ(doc.PenTool()->Colour(), RGB(0xFF, 0, 0));

    // A negative width is no width: only the colour is taken.
    commands.SetPenSetupRun(Answer<CPenSetupRules::Pen>(CPenSetupRules::Pen{-5, RGB(0, 0xFF, 0)}, &shown));
    commands.PenSetup();
    EXPECT_EQ(settings.penWidth, 500);
    EXPECT_EQ(settings.penColor, RGB(0, 0xFF, 0));
    EXPECT_TRUE(hints.entries.empty());
}

TEST_F(SettingsCommandsFixture, GridSetupOkReplacesTheRecordAndRepaints)
{
    settings.grid.pitch = {500, 500};
    const GridSettings before = settings.grid;
    GridSettings shown;
    commands.SetGridSetupRun(Answer<GridSettings>(std::nullopt, &shown));
    commands.GridSetup();
    EXPECT_EQ(shown.pitch, before.pitch);
    EXPECT_EQ(settings.grid.pitch, before.pitch);
    EXPECT_EQ(repaints, 0);

    GridSettings changed = before;
    changed.pitch = {0, 250};
    changed.centerColor = colorNone;
    changed.shown = false;
    commands.SetGridSetupRun(Answer<GridSettings>(changed, &shown));
    commands.GridSetup();
    EXPECT_EQ(settings.grid.pitch, (CPoint{0, 250}));
    EXPECT_EQ(settings.grid.centerColor, colorNone);
    EXPECT_FALSE(settings.grid.shown);
    EXPECT_EQ(repaints, 1);
}

TEST_F(SettingsCommandsFixture, PreferencesOkSavesAtOnceAndRefreshesTheDocument)
{
    CTextDefaults changed = settings.GetTextDefaults();
    changed.marginTopLeft = {2000, 2500};
    changed.maxUndoCount = 5;
    changed.outsideColor = RGB(0x10, 0x20, 0x30);
    changed.unit = 2;
    changed.pluginFolder = QStringLiteral("/opt/veldra/spi");
    changed.logFont.lfHeight = -48;
    CTextDefaults shown;

    commands.SetPreferencesRun(Answer<CTextDefaults>(std::nullopt, &shown));
    commands.Preferences();
    EXPECT_EQ(shown, settings.GetTextDefaults());
    EXPECT_NE(doc.GetMargins(), (CSize{2000, 2500}));
    EXPECT_TRUE(hints.entries.empty());
    EXPECT_FALSE(CSettingsStore().Contains("Settings", "MarginTopLeft"));

    commands.SetPreferencesRun(Answer<CTextDefaults>(changed, &shown));
    commands.Preferences();
    EXPECT_EQ(settings.GetTextDefaults(), changed);
    EXPECT_TRUE(settings.inch);
    EXPECT_EQ(settings.resolvedOutsideColor, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(doc.GetMargins(), (CSize{2000, 2500}));
    EXPECT_EQ(doc.UndoHistory().Limit(), 5);
    EXPECT_EQ(doc.Settings().outsideColor, RGB(0x10, 0x20, 0x30));
    ASSERT_EQ(hints.entries.size(), 1u);
    EXPECT_EQ(hints.entries[0].hint, 20);

    // Already on disk, not only at exit.
    const CSettingsStore store;
    EXPECT_EQ(store.ReadPoint("Settings", "MarginTopLeft", {}), (CPoint{2000, 2500}));
    EXPECT_EQ(store.ReadInt("Settings", "MaxUndoCount", 0), 5);
    EXPECT_EQ(store.ReadInt("Settings", "Unit", 0), 2);
    EXPECT_EQ(store.ReadColor("Settings", "OutsideColor", 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(store.ReadString("Path", "SPI"), "/opt/veldra/spi");
    EXPECT_EQ(store.ReadFont("Font", "LogFont", {}).lfHeight, -48);
}
