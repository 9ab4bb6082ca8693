#include "CRecentFileList.h"

#include "settings/CSettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace
{
const QString section = QStringLiteral("Recent File List");

// Longer than any path the system can open: such a value was not written by us.
constexpr qsizetype maxPathChars = 4096;
// Longer names are shortened in the middle so the menu keeps its width.
constexpr qsizetype maxNameChars = 60;

QString ValueName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

QStringList PathParts(const QString& path)
{
    return path.split(u'/', Qt::SkipEmptyParts);
}

QString ElideMiddle(const QString& text)
{
    if (text.size() <= maxNameChars)
        return text;
    const qsizetype keep = (maxNameChars - 1) / 2;
    QString left = text.left(keep);
    QString right = text.right(keep);
    // Never cut a character that takes two code units in half.
    if (left.back().isHighSurrogate())
        left.chop(1);
    if (right.front().isLowSurrogate())
        right.remove(0, 1);
    return left + QChar(0x2026) + right;
}

// '&' would mark a mnemonic and a tab would start the shortcut column.
QString MenuSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            safe += QLatin1String("&&");
        else if (c.category() == QChar::Other_Control)
            safe += u'?';
        else
            safe += c;
    }
    return safe;
}
} // namespace

QString CRecentFileList::Identity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

int CRecentFileList::IndexOf(const QString& identity) const
{
    for (int i = 0; i < Count(); ++i) {
        if (Identity(m_paths[i]) == identity)
            return i;
    }
    return -1;
}

void CRecentFileList::Insert(const QString& path, bool atTop)
{
    if (path.isEmpty() || path.size() > maxPathChars)
        return;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const int existing = IndexOf(Identity(absolute));
    if (existing >= 0) {
        if (!atTop)
            return;
        m_paths.removeAt(existing);
    }
    if (atTop)
        m_paths.prepend(absolute);
    else if (Count() < maxEntries)
        m_paths.append(absolute);
    while (Count() > maxEntries)
        m_paths.removeLast();
}

void CRecentFileList::Add(const QString& path)
{
    Insert(path, true);
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < Count())
        m_paths.removeAt(index);
}

QString CRecentFileList::PathTail(int index, int depth) const
{
    const QStringList parts = PathParts(m_paths[index]);
    return parts.mid(parts.size() - depth).join(u'/');
}

bool CRecentFileList::TailIsShared(int index, int depth) const
{
    const QString tail = PathTail(index, depth);
    for (int i = 0; i < Count(); ++i) {
        if (i != index && PathTail(i, depth) == tail)
            return true;
    }
    return false;
}

QString CRecentFileList::DisplayName(int index) const
{
    const int parts = int(PathParts(m_paths[index]).size());
    int depth = 1;
    while (depth < parts && TailIsShared(index, depth))
        ++depth;
    const QString name = depth < parts ? PathTail(index, depth) : m_paths[index];
    return QDir::toNativeSeparators(name);
}

QString CRecentFileList::MenuText(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return QStringLiteral("&%1 ").arg(index + 1) + MenuSafe(ElideMiddle(DisplayName(index)));
}

void CRecentFileList::Load(const CSettingsStore& store)
{
    m_paths.clear();
    for (int i = 0; i < maxEntries; ++i)
        Insert(store.ReadString(section, ValueName(i)), false);
}

void CRecentFileList::Save(CSettingsStore& store) const
{
    // Values past the end go, or a removed entry would come back next time.
    for (int i = 0; i < maxEntries; ++i) {
        if (i < Count())
            store.WriteString(section, ValueName(i), m_paths[i]);
        else
            store.DeleteValue(section, ValueName(i));
    }
}
