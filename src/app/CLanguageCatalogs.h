#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's texts in the user's language. Our own catalogs are built
// into the program; Qt's catalog of the same language translates its
// standard dialogs (file chooser, colour and font dialogs, message box
// buttons) when the system has it. The language comes from the locale
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English, the language of the
// sources, needs no catalog.
class CLanguageCatalogs
{
public:
    // Installs the catalogs of the first of the locale's languages that the
    // program speaks. False when it speaks none of them (English included).
    bool Install(const QLocale& locale = QLocale::system());

    // The language installed ("de", "ja", ...), empty for none.
    QString Language() const { return m_language; }

    // Where Qt's own catalogs are found; tests point it elsewhere.
    static QString QtCatalogFolder();

    ~CLanguageCatalogs();

private:
    void Remove();

    QTranslator m_program;
    QTranslator m_qt;
    QString m_language;
    bool m_bQtInstalled = false;
};
