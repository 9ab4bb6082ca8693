#include "app/shell/CShellRegistration.h"
#include "document/CDocumentFile.h"
#include "objects/CDibObj.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

class ShellRegistrationTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }

    // A registration that records the cache tools instead of starting them.
    CShellRegistration Registration(const QString& program = QStringLiteral("/opt/veldra2/bin/veldra2"))
    {
        CShellRegistration registration(program, m_home.path());
        registration.SetLauncher([this](const QString& tool, const QStringList& arguments) {
            m_launched << tool + u' ' + arguments.join(u' ');
        });
        return registration;
    }

    QString Folder(const QString& relative) const { return m_home.path() + u'/' + relative; }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& text)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // The caches a tool would have built, so only changes start a tool.
    void FakeCaches() const
    {
        Write(Folder(QStringLiteral("mime/mime.cache")), "cache");
        Write(Folder(QStringLiteral("applications/mimeinfo.cache")), "cache");
    }
    static void Backdate(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    }
    static QDateTime Modified(const QString& path) { return QFileInfo(path).lastModified(); }

    QTemporaryDir m_home;
    QStringList m_launched;
};

const QByteArray oldPackage = "<?xml version=\"1.0\"?>\n"
                              "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                              "  <mime-type type=\"application/x-veldra-document\">\n"
                              "    <glob pattern=\"*.vlz\"/>\n"
                              "  </mime-type>\n"
                              "</mime-info>\n";

} // namespace

TEST_F(ShellRegistrationTest, WritesTheDesktopEntryAndTheMimePackage)
{
    CShellRegistration registration = Registration(QStringLiteral("/opt/My Plates/veldra2"));
    ASSERT_TRUE(registration.Register());

    const QList<QByteArray> entry = Read(Folder(QStringLiteral("applications/veldra2.desktop"))).split('\n');
    EXPECT_EQ(entry.value(0), "[Desktop Entry]");
    for (const char* line : {"Type=Application", "Name=Veldra2", "Exec=\"/opt/My Plates/veldra2\" %f",
                             "MimeType=application/x-veldra2-document;image/png;image/jpeg;image/bmp;image/gif;image/tiff;image/webp;",
                             "Icon=veldra2", "Categories=Graphics;"})
        EXPECT_TRUE(entry.contains(line)) << line;

    QXmlStreamReader xml(Read(Folder(QStringLiteral("mime/packages/veldra2.xml"))));
    QStringList found;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("mime-type"))
            found << QStringLiteral("type ") + attributes.value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("comment"))
            found << QStringLiteral("comment ") + xml.readElementText();
        else if (xml.name() == QLatin1String("glob"))
            found << QStringLiteral("glob ") + attributes.value(QLatin1String("pattern")).toString();
        else if (xml.name() == QLatin1String("match"))
            found << QStringLiteral("match %1 %2 %3")
                         .arg(attributes.value(QLatin1String("type")), attributes.value(QLatin1String("offset")),
                              attributes.value(QLatin1String("value")));
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // The magic is the file's own header text and the zero after it.
    EXPECT_EQ(found, (QStringList{QStringLiteral("type application/x-veldra2-document"),
                                  QStringLiteral("comment Veldra2 Document"), QStringLiteral("glob *.vlz"),
                                  QStringLiteral("match string 0 ") + QLatin1String(CDocumentFile::magic)
                                      + QStringLiteral("\\0"),
                                  QStringLiteral("type application/x-veldra2-symbol"),
                                  QStringLiteral("comment Veldra2 Library Entry"), QStringLiteral("glob *.vls"),
                                  QStringLiteral("match string 0 ") + QLatin1String(CDibObj::symbolMagic)
                                      + QStringLiteral("\\0")}));

    EXPECT_TRUE(Read(Folder(QStringLiteral("icons/hicolor/scalable/apps/veldra2.svg"))).contains("<svg"));
    EXPECT_EQ(m_launched, (QStringList{QStringLiteral("update-mime-database ") + Folder(QStringLiteral("mime")),
                                       QStringLiteral("update-desktop-database ")
                                           + Folder(QStringLiteral("applications"))}));
}

TEST_F(ShellRegistrationTest, RewritesOnlyWhatDiffers)
{
    ASSERT_TRUE(Registration().Register());
    FakeCaches();
    const QString entry = Folder(QStringLiteral("applications/veldra2.desktop"));
    const QString package = Folder(QStringLiteral("mime/packages/veldra2.xml"));
    Backdate(entry);
    Backdate(package);
    const QDateTime entryTime = Modified(entry);
    const QDateTime packageTime = Modified(package);

    m_launched.clear();
    ASSERT_TRUE(Registration().Register());
    EXPECT_EQ(Modified(entry), entryTime);
    EXPECT_EQ(Modified(package), packageTime);
    EXPECT_TRUE(m_launched.isEmpty()) << m_launched.join(u'|').toStdString();

    // Edited by hand: put right, and only its folder's cache is refreshed.
    const QByteArray good = Read(package);
    Write(package, QByteArray(good).replace("*.vlz", "*.txt"));
    ASSERT_TRUE(Registration().Register());
    EXPECT_EQ(Read(package), good);
    EXPECT_EQ(Modified(entry), entryTime);
    EXPECT_EQ(m_launched, QStringList{QStringLiteral("update-mime-database ") + Folder(QStringLiteral("mime"))});

    // The program moved: the entry follows it.
    m_launched.clear();
    ASSERT_TRUE(Registration(QStringLiteral("/usr/local/bin/veldra2")).Register());
    EXPECT_TRUE(Read(entry).contains("\nExec=/usr/local/bin/veldra2 %f\n"));
    EXPECT_EQ(m_launched,
              QStringList{QStringLiteral("update-desktop-database ") + Folder(QStringLiteral("applications"))});
}

TEST_F(ShellRegistrationTest, ExecLineQuotesAndEscapesThePath)
{
    EXPECT_EQ(CShellRegistration::ExecArgument(QStringLiteral("/usr/bin/veldra2")), QStringLiteral("/usr/bin/veldra2"));
    EXPECT_EQ(CShellRegistration::ExecArgument(QStringLiteral("/opt/100%/veldra2")),
              QStringLiteral("/opt/100%%/veldra2"));
    // Inside quotes \ " ` $ take a backslash, and every backslash of the
    // file is doubled once more.
    EXPECT_EQ(CShellRegistration::ExecArgument(QStringLiteral("/opt/a$b\"c\\d/veldra2")),
              QStringLiteral("\"/opt/a\\\\$b\\\\\"c\\\\\\\\d/veldra2\""));
    EXPECT_EQ(CShellRegistration::ExecArgument(QStringLiteral("/opt/a\nb")), QStringLiteral("\"/opt/a\\nb\""));
}

TEST_F(ShellRegistrationTest, RemovesOnlyThePreviousVersionsPackage)
{
    const QString old = Folder(QStringLiteral("mime/packages/veldra.xml"));
    EXPECT_FALSE(Registration().RemoveOldAssociation());

    // Someone else's package of that name stays, as does one we cannot read.
    const QByteArray foreign = QByteArray(oldPackage).replace("x-veldra-document", "x-veldra-sketch");
    Write(old, foreign);
    EXPECT_FALSE(Registration().RemoveOldAssociation());
    EXPECT_EQ(Read(old), foreign);
    Write(old, oldPackage.left(120));
    EXPECT_FALSE(Registration().RemoveOldAssociation());
    EXPECT_TRUE(QFile::exists(old));
    EXPECT_TRUE(m_launched.isEmpty());

    Write(old, oldPackage);
    EXPECT_TRUE(Registration().RemoveOldAssociation());
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_EQ(m_launched, QStringList{QStringLiteral("update-mime-database ") + Folder(QStringLiteral("mime"))});
}

TEST_F(ShellRegistrationTest, UsesXdgDataHomeAndFailsQuietly)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const bool hadHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
    EXPECT_EQ(CShellRegistration(QStringLiteral("/bin/veldra2")).DesktopEntryPath(),
              Folder(QStringLiteral("applications/veldra2.desktop")));
    if (hadHome)
        qputenv("XDG_DATA_HOME", saved);
    else
        qunsetenv("XDG_DATA_HOME");

    // A file where the applications folder belongs: false, nothing thrown.
    Write(Folder(QStringLiteral("blocked/applications")), "not a folder");
    CShellRegistration blocked(QStringLiteral("/bin/veldra2"), Folder(QStringLiteral("blocked")));
    blocked.SetLauncher([](const QString&, const QStringList&) {});
    EXPECT_FALSE(blocked.Register());
    EXPECT_TRUE(QFile::exists(Folder(QStringLiteral("blocked/mime/packages/veldra2.xml"))));
}

TEST_F(ShellRegistrationTest, AnInstalledProgramIsKnownByTheDesktopEntryBesideIt)
{
    // prefix/bin/veldra2 with prefix/share/applications/veldra2.desktop, as
    // a package or "cmake --install" lays it out; a build folder has none.
    const QString prefix = Folder(QStringLiteral("prefix"));
    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/bin")));
    const QString program = prefix + QStringLiteral("/bin/veldra2");
    EXPECT_FALSE(CShellRegistration::IsInstalled(program));
    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/share/applications/veldra2.desktop")));
    EXPECT_FALSE(CShellRegistration::IsInstalled(program)) << "a folder of that name is not an entry";
    ASSERT_TRUE(QDir().rmdir(prefix + QStringLiteral("/share/applications/veldra2.desktop")));
    QFile entry(prefix + QStringLiteral("/share/applications/veldra2.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write(CShellRegistration::DesktopEntryText(QStringLiteral("veldra2")));
    entry.close();
    EXPECT_TRUE(CShellRegistration::IsInstalled(program));
}
