#include "ScratchDisk.h"

#include "settings/CAppSettings.h"
#include "settings/CPrinterChoice.h"
#include "settings/CSettingsStore.h"
#include "settings/SettingTextForms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace SettingTextForms;

namespace {

LOGFONT Font(std::int32_t height, std::int32_t weight, std::uint8_t charSet, const QByteArray& face)
{
    LOGFONT font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = charSet;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = 34;
    font.SetFaceName(face);
    return font;
}

} // namespace

TEST(SettingTextForms, ColorsReadFromThreeOrFourHexFields)
{
    EXPECT_EQ(ParseColor(u"ff0000"), RGB(0xFF, 0, 0));
    EXPECT_EQ(ParseColor(u"00ff0000"), RGB(0xFF, 0, 0));
    EXPECT_EQ(ParseColor(u"C0c040"), RGB(0xC0, 0xC0, 0x40));
    // Four fields with a non-zero first: the first three are red, green, blue.
    EXPECT_EQ(ParseColor(u"10203040"), RGB(0x10, 0x20, 0x30));
    // Each field is up to two digits; white space before one is skipped.
    EXPECT_EQ(ParseColor(u"1 2 3"), RGB(1, 2, 3));
    EXPECT_EQ(ParseColor(u"ff00"), std::nullopt);
    EXPECT_EQ(ParseColor(u""), std::nullopt);
    EXPECT_EQ(ParseColor(u"red"), std::nullopt);
    EXPECT_EQ(ParseColor(u"-1-1-1"), std::nullopt);
    EXPECT_EQ(FormatColor(RGB(0x0A, 0xBC, 0xFF)), QStringLiteral("0abcff"));
}

TEST(SettingTextForms, PointsNeedBothNumbers)
{
    EXPECT_EQ(ParsePoint(u"10,20"), (CPoint{10, 20}));
    EXPECT_EQ(ParsePoint(u" -5, +7"), (CPoint{-5, 7}));
    EXPECT_EQ(ParseSize(u"-2147483648,2147483647"), (CSize{-2147483648, 2147483647}));
    EXPECT_EQ(ParsePoint(u"10"), std::nullopt);
    EXPECT_EQ(ParsePoint(u"10 ,20"), std::nullopt);
    EXPECT_EQ(ParsePoint(u"2147483648,0"), std::nullopt);
    EXPECT_EQ(ParsePoint(u"99999999999999999999,0"), std::nullopt);
    EXPECT_EQ(FormatPoint({-1, -1}), QStringLiteral("-1,-1"));
    EXPECT_EQ(FormatSize({300, 0}), QStringLiteral("300,0"));
}

TEST(SettingTextForms, FontTextCarriesThirteenNumbersAndTheFace)
{
    const LOGFONT arial = Font(-32, 400, 0, "Arial");
    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial"), arial);
    EXPECT_EQ(FormatFont(arial), QStringLiteral("-32,0,0,0,400,0,0,0,0,3,2,1,34,Arial"));

    // The 32-bit fields keep their whole value, the byte fields their low byte.
    const std::optional<LOGFONT> wide = ParseFont(u"70000,-1,3600,-3600,900,-1,256,300,128,3,2,4,34,X");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->lfHeight, 70000);
    EXPECT_EQ(wide->lfOrientation, -3600);
    EXPECT_EQ(wide->lfItalic, 255);
    EXPECT_EQ(wide->lfUnderline, 0);
    EXPECT_EQ(wide->lfStrikeOut, 44);
    EXPECT_EQ(wide->lfCharSet, 128);

    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,Arial"), std::nullopt);
    // Without the comma the last number would pass for the face.
    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,0,0,0,0,3,2,1,34"), std::nullopt);
    EXPECT_EQ(ParseFont(u"-32,0,0,0,4000000000,0,0,0,0,3,2,1,34,Arial"), std::nullopt);
}

TEST(SettingTextForms, FontFaceFollowsTheLastCommaAndFitsItsField)
{
    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,0,0,0,0,3,2,1,34,Times,Roman")->FaceName(), QByteArray("Roman"));
    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,0,0,0,0,3,2,1,34,")->FaceName(), QByteArray());
    const std::optional<LOGFONT> cut = ParseFont(QStringLiteral("-32,0,0,0,400,0,0,0,0,3,2,1,34,") + QString(40, u'F'));
    EXPECT_EQ(cut->FaceName(), QByteArray(31, 'F'));

    // The face is kept in the code page of its character set. Sixteen
    // double-byte characters are 32 bytes: fifteen fit, no half is left.
    const QString face(16, QChar(0x30B4)); // KATAKANA GO, 0x83 0x53 in CP932
    const std::optional<LOGFONT> font = ParseFont(QStringLiteral("-32,0,0,0,400,0,0,0,128,3,2,1,34,") + face);
    EXPECT_EQ(font->FaceName(), QByteArray("\x83\x53").repeated(15));
    EXPECT_TRUE(FormatFont(*font).endsWith(QLatin1Char(',') + QString(15, QChar(0x30B4))));
    EXPECT_EQ(ParseFont(u"-32,0,0,0,400,0,0,0,0,3,2,1,34,Caf\u00e9")->FaceName(), QByteArray("Caf\xe9"));
}

TEST(PrinterChoice, SplitsAtTheFirstTwoCommas)
{
    const CPrinterChoice choice = CPrinterChoice::FromText(QStringLiteral("Corvex KTX-1,ktx,usb://Corvex/KTX?serial=1,2"));
    EXPECT_EQ(choice.driver, QStringLiteral("Corvex KTX-1"));
    EXPECT_EQ(choice.device, QStringLiteral("ktx"));
    EXPECT_EQ(choice.port, QStringLiteral("usb://Corvex/KTX?serial=1,2"));
    EXPECT_EQ(CPrinterChoice::FromText(QStringLiteral("winspool,ktx, ")).port, QStringLiteral(" "));

    EXPECT_TRUE(CPrinterChoice::FromText(QStringLiteral("winspool,ktx")).IsNone());
    EXPECT_TRUE(CPrinterChoice::FromText(QStringLiteral("winspool,,port")).IsNone());
    EXPECT_EQ(CPrinterChoice().ToText(), QString());

    // Make-and-model strings often hold commas; they must not move the device.
    const CPrinterChoice hp{QStringLiteral("HP LaserJet 1020, hpcups 3.22"), QStringLiteral("office"),
                            QStringLiteral("usb://HP")};
    EXPECT_EQ(CPrinterChoice::FromText(hp.ToText()).device, QStringLiteral("office"));
}

namespace {

// Each test gets its own settings file through XDG_CONFIG_HOME.
class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        m_hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        UseFolder(m_config.path());
    }
    static void UseFolder(const QString& folder) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder)); }
    void TearDown() override
    {
        if (m_hadConfigHome)
            qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    static QString FilePath(const QString& folder) { return folder + QStringLiteral("/Corvex KZ Corporation/Veldra2.conf"); }
    QString FilePath() const { return FilePath(m_config.path()); }

    void WriteFile(const QByteArray& text)
    {
        ASSERT_TRUE(QDir().mkpath(m_config.path() + QStringLiteral("/Corvex KZ Corporation")));
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // The file as it is on disk, one line each, read past Qt's own cache.
    static QByteArrayList FileLines(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().split('\n');
    }
    QByteArrayList FileLines() const { return FileLines(FilePath()); }

    // Everything saved the ways the program saves it.
    static void SaveAll(CAppSettings& settings, const CTextDefaults& record)
    {
        CSettingsStore store;
        ASSERT_TRUE(settings.SetTextDefaults(record, store));
        settings.SaveMainWindowPlacement(store);
        ASSERT_TRUE(settings.SaveAtExit(store));
    }

    static std::unique_ptr<CAppSettings> Loaded(bool systemInches = false)
    {
        auto settings = std::make_unique<CAppSettings>();
        settings->systemMeasureIsInches = [systemInches] { return systemInches; };
        settings->systemWindowColor = [] { return RGB(0x12, 0x34, 0x56); };
        CSettingsStore store;
        settings->Load(store);
        return settings;
    }

    QTemporaryDir m_config;
    bool m_hadConfigHome = false;
    QByteArray m_oldConfigHome;
};

// Every value away from its default.
CAppSettings ChangedEverywhere()
{
    CAppSettings s;
    s.printer = {QStringLiteral("Corvex KTX-1"), QStringLiteral("ktx"), QStringLiteral("usb://Corvex/KTX")};
    s.layerListShown = true; s.grid.shown = false;
    s.penWidth = 7; s.previewZoom = 4; s.clipRange = 33; s.deviceSizeLimit = 4096;
    s.penColor = RGB(1, 2, 3); s.grid.color = RGB(4, 5, 6); s.grid.centerColor = RGB(7, 8, 9); s.clipColor = RGB(10, 11, 12);
    s.grid.pitch = {250, 500};
    s.trimmingDlgPos = {1, 2}; s.symbolPropDlgPos = {3, 4}; s.textPropDlgPos = {5, 6}; s.layerListDlgPos = {-7, 8};
    s.previewDlg = {{10, 20}, {300, 400}, 3};
    s.symbolDlg = {{30, 40}, {500, 600}, 2};
    s.mainWindow = {{50, 60}, {700, 800}, 3};
    s.materialSize = {5000, 3000};
    s.materialShapeIndex = 2; s.scanDpi = 600;
    s.engraveDarkFrames = true; s.engraveDarkImports = true;
    s.materialShapeFileName = QStringLiteral("/srv/shapes/oval, small.vls");
    return s;
}

CTextDefaults ChangedTextDefaults()
{
    CTextDefaults t;
    t.newText = QStringLiteral("Grüße, \"Welt\"; a=b #1");
    t.logFont = Font(-20, 700, 0, "Liberation Serif");
    t.fillBackground = true; t.antialias = true;
    t.drawFrame = 2; t.multiLineFormat = 3; t.unit = 2; t.zoom = 250; t.maxUndoCount = 20;
    t.fontColor = RGB(0x11, 0x22, 0x33); t.bkgndColor = RGB(0x44, 0x55, 0x66); t.frameColor = RGB(0x77, 0x88, 0x99);
    t.baseColor = RGB(0xAA, 0xBB, 0xCC); t.outsideColor = RGB(0xDD, 0xEE, 0xFF);
    t.previewColor0 = RGB(1, 1, 1); t.previewColor1 = RGB(2, 2, 2);
    t.bkgndMargin = {15, 25}; t.marginTopLeft = {150, 175};
    t.pluginFolder = QStringLiteral("/opt/plug-ins");
    return t;
}

} // namespace

TEST_F(SettingsFileTest, EmptyStoreGivesTheBuiltInDefaults)
{
    const auto s = Loaded(true);
    EXPECT_EQ(s->clipColor, 0xFF0000u); // "0000ff": blue, in the high byte
    EXPECT_EQ(s->textDefaults.previewColor0, 0x40C0C0u);
    EXPECT_EQ(s->textDefaults.newText, QStringLiteral("New Text"));
    EXPECT_EQ(s->textDefaults.logFont, Font(-32, 400, 0, "Arial"));
    EXPECT_EQ(s->textDefaults.outsideColor, colorNone);
    EXPECT_EQ(s->resolvedOutsideColor, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(s->mainWindow.NormalRect(), (CRect{-1, -1, -2, -2}));
    EXPECT_TRUE(s->inch);
}

TEST_F(SettingsFileTest, HandWrittenValuesWithBareCommasReadBack)
{
    WriteFile("[Printer]\nDevice=winspool,ktx,usb://Corvex/KTX\n"
              "[Settings]\nGridPitch=10, 20\nPenColor=00ff0000\nPenWidth=  5 \nOutsideColor=ffffff\n"
              "[Font]\nLogFont=-12,0,0,0,700,0,0,0,0,3,2,1,34,Liberation Sans\nNewText=Hello, world\n"
              "[Window]\nPosition=-8,-8\nSize=1024,768\n"
              "[Material]\nSize=9000,9000\n");
    const auto s = Loaded();
    EXPECT_EQ(s->printer.device, QStringLiteral("ktx"));
    EXPECT_EQ(s->grid.pitch, (CPoint{10, 20}));
    EXPECT_EQ(s->penColor, RGB(0xFF, 0, 0));
    EXPECT_EQ(s->penWidth, 5);
    EXPECT_EQ(s->resolvedOutsideColor, RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(s->textDefaults.logFont, Font(-12, 700, 0, "Liberation Sans"));
    EXPECT_EQ(s->textDefaults.newText, QStringLiteral("Hello,world")); // the INI form drops the blank
    EXPECT_EQ(s->mainWindow.position, (CPoint{-8, -8}));
    EXPECT_EQ(s->mainWindow.size, (CSize{1024, 768}));
    EXPECT_EQ(s->materialSize, (CSize{9000, 9000}));
}

TEST_F(SettingsFileTest, UnreadableValuesKeepTheirDefaults)
{
    WriteFile("[Printer]\nDevice=winspool,ktx\n"
              "[Settings]\nPenWidth=wide\nPenColor=ff00\nGridPitch=10\nMarginTopLeft=a,b\nZoom=3000000000\n"
              "[Font]\nLogFont=-12,0,0,Arial\n");
    const auto s = Loaded();
    EXPECT_TRUE(s->printer.IsNone());
    EXPECT_EQ(s->penWidth, 1);
    EXPECT_EQ(s->penColor, RGB(0, 0, 0));
    EXPECT_EQ(s->grid.pitch, (CPoint{-1, -1}));
    EXPECT_EQ(s->textDefaults.marginTopLeft, (CPoint{100, 100}));
    EXPECT_EQ(s->textDefaults.zoom, 100);
    EXPECT_EQ(s->textDefaults.logFont, Font(-32, 400, 0, "Arial"));
}

TEST_F(SettingsFileTest, DeviceSizeLimitOnlyGrows)
{
    WriteFile("[Settings]\nDeviceSizeLimit=1000\n");
    EXPECT_EQ(Loaded()->deviceSizeLimit, 1800);
    {
        CSettingsStore store;
        store.WriteInt(QStringLiteral("Settings"), QStringLiteral("DeviceSizeLimit"), 4000);
    }
    EXPECT_EQ(Loaded()->deviceSizeLimit, 4000);
}

TEST_F(SettingsFileTest, EveryValueSurvivesSaveAndLoad)
{
    // Every value differs from its default, so one that Load dropped would
    // come out as the default in the second file.
    CAppSettings first = ChangedEverywhere();
    SaveAll(first, ChangedTextDefaults());
    const auto loaded = Loaded();
    EXPECT_EQ(loaded->textDefaults, ChangedTextDefaults());
    EXPECT_EQ(loaded->previewDlg.NormalRect(), (CRect{10, 20, 310, 420}));

    QTemporaryDir second;
    UseFolder(second.path());
    SaveAll(*loaded, loaded->GetTextDefaults());
    EXPECT_EQ(FileLines(FilePath(second.path())), FileLines());
}

TEST_F(SettingsFileTest, TextDefaultsAreWrittenTheMomentTheyAreSetInTheSharedForms)
{
    CAppSettings settings = ChangedEverywhere();
    CSettingsStore store;
    settings.SetTextDefaults(ChangedTextDefaults(), store);

    // On disk while our store is still open, and nothing that waits for
    // the exit went with it.
    QByteArrayList lines = FileLines();
    EXPECT_TRUE(lines.contains("FontColor=112233"));
    EXPECT_TRUE(lines.contains("MarginTopLeft=\"150,175\""));
    EXPECT_TRUE(lines.contains("LogFont=\"-20,0,0,0,700,0,0,0,0,3,2,1,34,Liberation Serif\""));
    EXPECT_TRUE(lines.contains("SPI=/opt/plug-ins"));
    EXPECT_FALSE(lines.contains("[Printer]"));
    EXPECT_FALSE(lines.contains("[Window]"));
    EXPECT_FALSE(lines.contains("PenWidth=7"));

    settings.SaveAtExit(store);
    lines = FileLines();
    EXPECT_TRUE(lines.contains("Device=\"Corvex KTX-1,ktx,usb://Corvex/KTX\""));
    EXPECT_TRUE(lines.contains("PenWidth=7"));
}

TEST_F(SettingsFileTest, NoOutsideColorIsAnAbsentValue)
{
    CAppSettings settings;
    settings.systemWindowColor = [] { return RGB(0x12, 0x34, 0x56); };
    CSettingsStore store;
    CTextDefaults record = settings.GetTextDefaults();
    record.outsideColor = RGB(0x20, 0x40, 0x60);
    settings.SetTextDefaults(record, store);
    EXPECT_TRUE(store.Contains(QStringLiteral("Settings"), QStringLiteral("OutsideColor")));
    EXPECT_EQ(settings.resolvedOutsideColor, RGB(0x20, 0x40, 0x60));

    record.outsideColor = colorNone;
    settings.SetTextDefaults(record, store);
    EXPECT_FALSE(store.Contains(QStringLiteral("Settings"), QStringLiteral("OutsideColor")));
    for (const QByteArray& line : FileLines())
        EXPECT_FALSE(line.startsWith("OutsideColor="));
    EXPECT_EQ(settings.resolvedOutsideColor, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Loaded()->textDefaults.outsideColor, colorNone);
}

TEST_F(SettingsFileTest, InchFlagFollowsTheUnit)
{
    WriteFile("[Settings]\nUnit=0\n");
    EXPECT_TRUE(Loaded(true)->inch);
    EXPECT_FALSE(Loaded(false)->inch);

    struct Case { int unit; bool systemInches; bool inch; };
    for (const Case c : {Case{0, true, true}, Case{0, false, false}, Case{1, true, false}, Case{2, false, true}}) {
        CAppSettings settings;
        settings.systemMeasureIsInches = [&c] { return c.systemInches; };
        CSettingsStore store;
        CTextDefaults record = settings.GetTextDefaults();
        record.unit = c.unit;
        settings.SetTextDefaults(record, store);
        EXPECT_EQ(settings.inch, c.inch) << "unit " << c.unit;
    }
}

TEST(SettingsStoreTest, AFullDiskKeepsTheSettingsThatWereThere)
{
    VELDRA_REQUIRE_ROOT();
    ScratchDisk disk(64);
    ASSERT_TRUE(disk.IsMounted());
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(disk.Path(QStringLiteral("config"))));
    QString path;
    {
        CSettingsStore store;
        store.WriteInt(QStringLiteral("Settings"), QStringLiteral("Zoom"), 250);
        ASSERT_TRUE(store.Flush());
        path = store.Location();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_TRUE(before.contains("250"));

    disk.Fill();
    {
        CSettingsStore store;
        store.WriteString(QStringLiteral("Text"), QStringLiteral("NewText"), QString(3000, QLatin1Char('x')));
        EXPECT_FALSE(store.Flush());
        store.WriteInt(QStringLiteral("Settings"), QStringLiteral("Zoom"), 400);
    } // and again as the store goes
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    qputenv("XDG_CONFIG_HOME", previous);
}
