#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// A catalog of the program's texts placed next to the program under its
// base name ("veldra2.qm" beside "veldra2"), which replaces the built-in
// texts. It is taken only when it carries the program's check text
// translated to itself: a catalog made for another program or another
// version of the texts is left alone, and the program keeps its own.
class CResourceCatalog
{
public:
    static constexpr const char* checkContext = "Resources";
    // Every shipped catalog carries it too, so that a catalog built from
    // one of them is taken.
    //: The check text of a replacement catalog: keep it exactly as it is.
    static constexpr const char* checkText = QT_TRANSLATE_NOOP("Resources", "Veldra2 Resource #0");

    // Where the catalog of a program belongs.
    static QString PathFor(const QString& programPath);

    // Loads and installs the catalog; false (and nothing installed) when
    // it is missing, unreadable or fails the check.
    bool Install(const QString& path);
    bool IsInstalled() const { return m_bInstalled; }

    ~CResourceCatalog();

private:
    QTranslator m_translator;
    bool m_bInstalled = false;
};
