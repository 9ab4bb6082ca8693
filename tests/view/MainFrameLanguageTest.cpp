#include "MainWindowFixture.h"

#include "CDialogTour.h"

#include "app/CLanguageCatalogs.h"
#include "document/CPlateRenderer.h"
#include "document/CTextCommands.h"
#include "document/IObjectEditor.h"
#include "imaging/CDibImage.h"
#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"
#include "view/dialogs/CObjectEditor.h"
#include "view/CCommandActions.h"
#include "view/CVeldraView.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <map>
#include <set>

namespace {

// A sample of what each language must say, taken from its catalog as a
// translator wrote it: the menu bar, a menu item, and the titles of a few
// windows the menus open. English is the language of the sources.
struct LanguageSample
{
    const char* language;
    QStringList menuBar;
    const char* saveAs;
    std::map<QString, QString> titles;   // tour stop -> window title
    const char* qtCancel;                // Qt's own catalog, for its buttons
};

const LanguageSample samples[] = {
    {"en", {"&File", "&Edit", "&View", "&Object", "&Help"}, "Save &As...",
     {{"preferences", "Preferences"}, {"grid-setup", "Grid Setup"}, {"material-setup", "Material Setup"},
      {"library-symbol", "Symbol"}, {"about", "About Veldra2"}},
     "Cancel"},
    {"de", {"&Datei", "&Bearbeiten", "&Ansicht", "&Objekt", "&Hilfe"}, "Speichern &unter...",
     {{"preferences", "Einstellungen"}, {"grid-setup", "Raster einrichten"}, {"material-setup", "Material einrichten"},
      {"library-symbol", "Symbol"}, {"about", "Über Veldra2"}},
     "Abbrechen"},
    {"fr", {"&Fichier", "&Édition", "&Affichage", "&Objet", "A&ide"}, "Enregistrer &sous...",
     {{"preferences", "Préférences"}, {"grid-setup", "Réglage de la grille"}, {"material-setup", "Réglage du matériau"},
      {"library-symbol", "Symbole"}, {"about", "À propos de Veldra2"}},
     "Annuler"},
    {"it", {"&File", "&Modifica", "&Visualizza", "&Oggetto", "&Guida"}, "Sal&va con nome...",
     {{"preferences", "Preferenze"}, {"grid-setup", "Impostazione griglia"}, {"material-setup", "Impostazione materiale"},
      {"library-symbol", "Simbolo"}, {"about", "Informazioni su Veldra2"}},
     "Annulla"},
    {"ja", {"ファイル(&F)", "編集(&E)", "表示(&V)", "オブジェクト(&O)", "ヘルプ(&H)"}, "名前を付けて保存(&A)...",
     {{"preferences", "環境設定"}, {"grid-setup", "グリッドの設定"}, {"material-setup", "素材の設定"},
      {"library-symbol", "シンボル"}, {"about", "Veldra2 のバージョン情報"}},
     "キャンセル"},
    {"es", {"&Archivo", "&Edición", "&Ver", "&Objeto", "Ay&uda"}, "Guardar &como...",
     {{"preferences", "Preferencias"}, {"grid-setup", "Configurar cuadrícula"}, {"material-setup", "Configurar material"},
      {"library-symbol", "Símbolo"}, {"about", "Acerca de Veldra2"}},
     "Cancelar"},
};

void PrintTo(const LanguageSample& sample, std::ostream* out)
{
    *out << sample.language;
}

// The key a text's mnemonic gives ("&&" is a plain ampersand); null when
// it has none.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2)) {
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
    }
    return {};
}

// Every key used twice among texts, as "key: text, text".
QStringList Collisions(const QStringList& texts)
{
    std::map<QChar, QStringList> byKey;
    for (const QString& text : texts) {
        if (const QChar key = Mnemonic(text); !key.isNull())
            byKey[key] << text;
    }
    QStringList collisions;
    for (const auto& [key, users] : byKey) {
        if (users.size() > 1)
            collisions << QString(key) + QStringLiteral(": ") + users.join(QStringLiteral(", "));
    }
    return collisions;
}

void CheckMenu(QMenu& menu, QStringList& problems)
{
    QStringList texts;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        texts << action->text();
        if (QMenu* submenu = action->menu())
            CheckMenu(*submenu, problems);
    }
    for (const QString& collision : Collisions(texts))
        problems << menu.title() + QStringLiteral(" -> ") + collision;
}

// What a user reading the window would stumble over: two controls with the
// same key, or a label or button too narrow for its text.
QStringList WindowProblems(QWidget& window)
{
    QStringList problems;
    QStringList texts;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window))
            continue;
        QString text;
        bool clipped = false;
        if (auto* label = qobject_cast<QLabel*>(child)) {
            text = label->text();
            clipped = !label->wordWrap() && label->pixmap().isNull() && label->width() < label->sizeHint().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            text = button->text();
            clipped = !text.isEmpty() && button->width() < button->sizeHint().width();
        } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
            text = group->title();
        }
        if (!text.isEmpty())
            texts << text;
        if (clipped)
            problems << QStringLiteral("clipped: ") + text;
    }
    for (const QString& collision : Collisions(texts))
        problems << QStringLiteral("same key: ") + collision;
    return problems;
}

class MainFrameLanguageTest : public MainWindowFixture, public ::testing::WithParamInterface<LanguageSample>
{
protected:
    void SetUp() override
    {
        // The tour opens the scanner windows: SANE's test scanner only, as
        // the machine's own configuration probes for seconds.
        // SANE keeps the first folder it is shown for the whole program, so
        // the folder lives as long as the program.
        static QTemporaryDir saneConfig;
        static const bool written = [] {
            QFile dll(saneConfig.filePath(QStringLiteral("dll.conf")));
            return dll.open(QIODevice::WriteOnly) && dll.write("test\n") == 5;
        }();
        ASSERT_TRUE(written);
        qputenv("SANE_CONFIG_DIR", QFile::encodeName(saneConfig.path()));
        // Before the program makes its defaults, as at start.
        const bool installed = catalogs.Install(QLocale(QString::fromLatin1(GetParam().language)));
        ASSERT_EQ(installed, QLatin1String(GetParam().language) != QLatin1String("en"));
        MainWindowFixture::SetUp();
    }

    void TearDown() override
    {
        MainWindowFixture::TearDown();
        qunsetenv("SANE_CONFIG_DIR");
    }

    CLanguageCatalogs catalogs;
};

TEST_P(MainFrameLanguageTest, TheMenusSpeakTheLanguageWithOneKeyPerItem)
{
    QStringList titles;
    for (QAction* action : frame->menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, GetParam().menuBar);

    QStringList problems;
    for (QAction* action : frame->menuBar()->actions())
        CheckMenu(*action->menu(), problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(frame->Actions().Action(CommandId::FileSaveAs)->text(), QString::fromUtf8(GetParam().saveAs));
}

TEST_P(MainFrameLanguageTest, EveryWindowIsTranslatedReadableAndHasOneKeyPerControl)
{
    CDialogTour tour(*frame, *app, doc);
    // The add dialogs start by asking for a picture.
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString picturePath = files.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(picture.save(picturePath));
    tour.SetPicturePath(picturePath);
    std::map<QString, QString> titles;
    QStringList problems;
    const QStringList missed = tour.Run([&](const QString& stop, QWidget& window) {
        titles[stop] = window.windowTitle();
        for (const QString& problem : WindowProblems(window))
            problems << stop + QStringLiteral(": ") + problem;
    });
    // Without a scanner or a printer some stops show a message instead:
    // still a window the user reads.
    EXPECT_TRUE(missed.isEmpty()) << missed.join(QLatin1Char(' ')).toStdString();
    for (const auto& [stop, title] : GetParam().titles)
        EXPECT_EQ(titles[stop], title) << stop.toStdString();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_P(MainFrameLanguageTest, QtsOwnDialogsSpeakTheSameLanguage)
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(GetParam().qtCancel));
}

// A user who confirms the text dialog as it opens.
class ConfirmingEditor : public IObjectEditor
{
public:
    explicit ConfirmingEditor(const CObjectEditor& real) : m_real(real) {}
    bool Edit(CSymbolObj&) override { return true; }
    CTextAttributes NewTextAttributes() const override { return m_real.NewTextAttributes(); }

private:
    const CObjectEditor& m_real;
};

class JapaneseUserTest : public MainFrameLanguageTest
{
};

TEST_P(JapaneseUserTest, NewTextStartsInAJapaneseFontAndIsEngravedInIt)
{
    // What a Japanese system's programs start with: MS PGothic in the
    // Japanese character set, and the text stored in code page 932.
    const CObjectEditor editor(app->Settings(), frame.get());
    const CTextAttributes attributes = editor.NewTextAttributes();
    EXPECT_EQ(attributes.font.lfCharSet, 128);
    EXPECT_EQ(AnsiCodec::Decode(attributes.font.FaceName(), 128), QString::fromUtf8("ＭＳ Ｐゴシック"));
    const QString text = QString::fromUtf8("新しいテキスト");
    EXPECT_EQ(attributes.text, AnsiCodec::Encode(text, 128));

    // The face resolves to one that has every glyph: no empty boxes.
    const QFontMetrics metrics(FontMapper::Map(attributes.font));
    for (const QChar character : text)
        EXPECT_TRUE(metrics.inFontUcs4(character.unicode())) << int(character.unicode());

    // Placed on the black plate, the white letters are engraved.
    ConfirmingEditor user(editor);
    const CSize plate = doc.GetDeviceSize();
    ASSERT_TRUE(CTextCommands::AddText(doc, CPoint{plate.cx / 2, plate.cy / 2}, false, user));
    CDibImage rendered;
    ASSERT_TRUE(rendered.Create(plate.cx, plate.cy, 24));
    CPlateRenderer(doc).RenderPlate(rendered, CPlateRenderer::output);
    int white = 0;
    for (int y = 0; y < rendered.Height(); ++y)
        for (int x = 0; x < rendered.Width(); ++x)
            white += rendered.GetPixel(x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 200);
}

INSTANTIATE_TEST_SUITE_P(Japanese, JapaneseUserTest, ::testing::Values(samples[4]),
                         [](const auto& info) { return std::string(info.param.language); });

INSTANTIATE_TEST_SUITE_P(Languages, MainFrameLanguageTest, ::testing::ValuesIn(samples),
                         [](const auto& info) { return std::string(info.param.language); });

} // namespace
