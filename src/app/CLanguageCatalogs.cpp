#include "CLanguageCatalogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

const QString programCatalogs = QStringLiteral(":/i18n");

} // namespace

QString CLanguageCatalogs::QtCatalogFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool CLanguageCatalogs::Install(const QLocale& locale)
{
    Remove();
    // QTranslator walks the locale's UI languages in the user's order, each
    // from the full name ("de_AT") down to the language ("de").
    if (!m_program.load(locale, QStringLiteral("veldra2"), QStringLiteral("_"), programCatalogs))
        return false;
    if (!QCoreApplication::installTranslator(&m_program))
        return false;
    m_language = m_program.language();
    // Qt's dialogs in the language we found, not in another one of the
    // user's list: one window should not mix two languages.
    if (m_qt.load(QStringLiteral("qtbase_") + m_language, QtCatalogFolder()))
        m_bQtInstalled = QCoreApplication::installTranslator(&m_qt);
    return true;
}

void CLanguageCatalogs::Remove()
{
    if (!m_language.isEmpty())
        QCoreApplication::removeTranslator(&m_program);
    if (m_bQtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    m_language.clear();
    m_bQtInstalled = false;
}

CLanguageCatalogs::~CLanguageCatalogs()
{
    Remove();
}
