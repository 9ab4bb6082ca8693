// A catalog of texts beside the program: taken only when it carries the
// program's check text unchanged.
#include "app/CResourceCatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Catalog(const char* name)
{
    return QStringLiteral(VELDRA_TEST_CATALOG_DIR "/") + QLatin1String(name);
}

QString FileMenu()
{
    return QCoreApplication::translate("CMenuLayout", "&File");
}

} // namespace

TEST(ResourceCatalog, BelongsBesideTheProgramUnderItsBaseName)
{
    EXPECT_EQ(CResourceCatalog::PathFor(QStringLiteral("/opt/veldra/bin/veldra2")),
              QStringLiteral("/opt/veldra/bin/veldra2.qm"));
}

TEST(ResourceCatalog, OnlyACatalogWithTheCheckTextReplacesTheTexts)
{
    {
        CResourceCatalog other;
        EXPECT_FALSE(other.Install(Catalog("catalog-other.qm")));
        EXPECT_EQ(FileMenu(), QStringLiteral("&File"));
    }
    {
        CResourceCatalog good;
        EXPECT_TRUE(good.Install(Catalog("catalog-good.qm")));
        EXPECT_EQ(FileMenu(), QStringLiteral("&Datei"));
    }
    // Gone with its owner.
    EXPECT_EQ(FileMenu(), QStringLiteral("&File"));
    {
        // Built by lrelease from the shipped German catalog.
        CResourceCatalog shipped;
        EXPECT_TRUE(shipped.Install(Catalog("shipped-de.qm")));
        EXPECT_EQ(FileMenu(), QStringLiteral("&Datei"));
    }
}

TEST(ResourceCatalog, MissingOrDamagedCatalogsAreLeftAlone)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("veldra2.qm"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x3c'));
    file.close();
    CResourceCatalog catalog;
    EXPECT_FALSE(catalog.Install(damaged));
    EXPECT_FALSE(catalog.Install(dir.filePath(QStringLiteral("missing.qm"))));
    EXPECT_FALSE(catalog.Install(dir.path()));
    EXPECT_FALSE(catalog.IsInstalled());
}
