// "Autosave every N minutes": typed in Preferences, refused out of range,
// kept in the settings file as "AutosaveMinutes".
#include "settings/CAppSettings.h"
#include "settings/CSettingsStore.h"
#include "view/settings/CPreferencesDlg.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(AutosaveSetting, TypedInPreferencesAndRefusedOutOfRange)
{
    CTextDefaults record;
    record.logFont = CAppSettings::DefaultLogFont();
    CPreferencesDlg dialog(0, record, 0);
    QStringList refusals;
    dialog.SetRefusalSink([&refusals](const QString& message) { refusals << message; });
    dialog.show();
    auto* field = dialog.findChild<QLineEdit*>("autosave");
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), "5");
    for (const char* typed : {"1441", "-1", "soon"}) {
        field->selectAll();
        QTest::keyClicks(field, typed);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << typed;
    }
    EXPECT_EQ(refusals, QStringList(3, "Autosave every: Please enter an integer between 0 and 1440."));
    field->selectAll();
    QTest::keyClick(field, Qt::Key_0);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Result().autosaveMinutes, 0);
}

TEST(AutosaveSetting, KeptInTheSettingsFile)
{
    QTemporaryDir config;
    const QByteArray oldHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    {
        // Handed back by the dialog, the record is saved at once.
        CAppSettings settings;
        CTextDefaults record = settings.textDefaults;
        record.autosaveMinutes = 12;
        CSettingsStore store;
        ASSERT_TRUE(settings.SetTextDefaults(record, store));
    }
    CAppSettings loaded;
    loaded.Load(CSettingsStore());
    EXPECT_EQ(loaded.textDefaults.autosaveMinutes, 12);
    {
        CSettingsStore store;
        store.WriteInt("Settings", "AutosaveMinutes", 100000);
    }
    loaded.Load(CSettingsStore());
    EXPECT_EQ(loaded.textDefaults.autosaveMinutes, 1440);
    qputenv("XDG_CONFIG_HOME", oldHome);
}
