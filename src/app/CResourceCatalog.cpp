#include "CResourceCatalog.h"

#include <QCoreApplication>
#include <QFileInfo>

QString CResourceCatalog::PathFor(const QString& programPath)
{
    const QFileInfo program(programPath);
    return program.absolutePath() + QLatin1Char('/') + program.completeBaseName() + QStringLiteral(".qm");
}

bool CResourceCatalog::Install(const QString& path)
{
    if (m_bInstalled || !QFileInfo(path).isFile() || !m_translator.load(path))
        return false;
    if (m_translator.translate(checkContext, checkText) != QLatin1String(checkText))
        return false;
    m_bInstalled = QCoreApplication::installTranslator(&m_translator);
    return m_bInstalled;
}

CResourceCatalog::~CResourceCatalog()
{
    if (m_bInstalled)
        QCoreApplication::removeTranslator(&m_translator);
}
