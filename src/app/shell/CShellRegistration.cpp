#include "CShellRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>

const QString CShellRegistration::documentType = QStringLiteral("application/x-veldra2-document");
const QString CShellRegistration::oldDocumentType = QStringLiteral("application/x-veldra-document");

namespace
{
// The installed texts are the templates: one copy of each, in data/.
const char* const desktopTemplate = ":/shell/veldra2.desktop.in";
const char* const mimeTemplate = ":/shell/veldra2.xml";
const char* const iconFile = ":/shell/veldra2.svg";
const char* const execPlaceholder = "@VELDRA2_EXEC@";

// A package that big is not a MIME package of ours; it is not read.
constexpr qint64 maxPackageBytes = 1 << 20;

QByteArray ResourceBytes(const char* name)
{
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void StartDetached(const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}
} // namespace

CShellRegistration::CShellRegistration(QString programPath, QString dataHome)
    : m_programPath(std::move(programPath))
    , m_dataHome(std::move(dataHome))
    , m_launcher(StartDetached)
{
    if (m_dataHome.isEmpty())
        m_dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString CShellRegistration::DesktopEntryPath() const
{
    return m_dataHome + QStringLiteral("/applications/veldra2.desktop");
}

QString CShellRegistration::MimePackagePath() const
{
    return m_dataHome + QStringLiteral("/mime/packages/veldra2.xml");
}

QString CShellRegistration::OldMimePackagePath() const
{
    return m_dataHome + QStringLiteral("/mime/packages/veldra.xml");
}

QString CShellRegistration::IconPath() const
{
    return m_dataHome + QStringLiteral("/icons/hicolor/scalable/apps/veldra2.svg");
}

QString CShellRegistration::ExecArgument(const QString& programPath)
{
    // First the Exec rules: quote when a reserved character is in it, and
    // inside the quotes escape ", `, $ and \. Field codes start with %.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = std::any_of(programPath.begin(), programPath.end(),
                                   [](QChar c) { return reserved.contains(c); });
    QString argument;
    for (const QChar c : programPath) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            argument += u'\\';
        argument += c;
        if (c == u'%')
            argument += u'%';
    }
    if (quote)
        argument = u'"' + argument + u'"';

    // Then the escapes of every string value of the file.
    QString value;
    for (const QChar c : std::as_const(argument)) {
        switch (c.unicode()) {
        case '\\': value += QLatin1String("\\\\"); break;
        case '\n': value += QLatin1String("\\n"); break;
        case '\t': value += QLatin1String("\\t"); break;
        case '\r': value += QLatin1String("\\r"); break;
        default: value += c;
        }
    }
    return value;
}

QByteArray CShellRegistration::DesktopEntryText(const QString& programPath)
{
    QByteArray text = ResourceBytes(desktopTemplate);
    return text.replace(execPlaceholder, ExecArgument(programPath).toUtf8());
}

QByteArray CShellRegistration::MimePackageText()
{
    return ResourceBytes(mimeTemplate);
}

QByteArray CShellRegistration::IconText()
{
    return ResourceBytes(iconFile);
}

CShellRegistration::WriteResult CShellRegistration::WriteIfDifferent(const QString& path, const QByteArray& content)
{
    CInputFile existing(path);
    if (existing.Open() && existing.File().size() == content.size() && existing.File().readAll() == content)
        return WriteResult::unchanged;

    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return WriteResult::failed;
    // Written whole or not at all: the desktop reads these files at any time.
    if (!CSafeSave::WriteBytes(path, content))
        return WriteResult::failed;
    return WriteResult::written;
}

bool CShellRegistration::DeclaresType(const QString& packagePath, const QString& type)
{
    QFile file(packagePath);
    if (file.size() > maxPackageBytes || !file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    // A damaged file ends the loop with an error: then it is not ours.
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("mime-type")
            && xml.attributes().value(QLatin1String("type")) == type)
            return true;
    }
    return false;
}

bool CShellRegistration::RemoveOldAssociation()
{
    const QString path = OldMimePackagePath();
    if (!QFileInfo::exists(path) || !DeclaresType(path, oldDocumentType) || !QFile::remove(path))
        return false;
    RefreshCache(QStringLiteral("update-mime-database"), m_dataHome + QStringLiteral("/mime"),
                 QStringLiteral("mime.cache"), true);
    return true;
}

bool CShellRegistration::Register()
{
    if (m_dataHome.isEmpty())
        return false;
    const WriteResult entry = WriteIfDifferent(DesktopEntryPath(), DesktopEntryText(m_programPath));
    const WriteResult package = WriteIfDifferent(MimePackagePath(), MimePackageText());
    const WriteResult icon = WriteIfDifferent(IconPath(), IconText());

    RefreshCache(QStringLiteral("update-mime-database"), m_dataHome + QStringLiteral("/mime"),
                 QStringLiteral("mime.cache"), package == WriteResult::written);
    RefreshCache(QStringLiteral("update-desktop-database"), m_dataHome + QStringLiteral("/applications"),
                 QStringLiteral("mimeinfo.cache"), entry == WriteResult::written);
    return entry != WriteResult::failed && package != WriteResult::failed && icon != WriteResult::failed;
}

// A cache that was never built (the tool was missing then) is built now.
void CShellRegistration::RefreshCache(const QString& tool, const QString& folder, const QString& cacheName,
                                      bool changed)
{
    if (changed || !QFileInfo::exists(folder + u'/' + cacheName))
        m_launcher(tool, {folder});
}

bool CShellRegistration::IsInstalled(const QString& programPath)
{
    const QFileInfo program(programPath);
    return QFileInfo(program.absolutePath() + QStringLiteral("/../share/applications/veldra2.desktop")).isFile();
}
