#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// Points the scanner library at its "test" backend alone, through a private
// configuration folder; the backend's settings (mode, depth, test picture,
// injected errors, ...) go to its test.conf and take effect at the next
// library start, i.e. the next session. Restores the environment when done.
class SaneTestBackend
{
public:
    SaneTestBackend();
    ~SaneTestBackend();

    // Rewrites test.conf: the defaults below, then `settings` (test.conf
    // keys, values written as given, so strings carry their quotes).
    void Configure(const QMap<QString, QString>& settings = {});
    // Lists no backend at all, as on a machine without scanners.
    void ConfigureNoBackends();
    // True when the library lists the test devices.
    bool Available() const;
    QString Folder() const { return m_dir.path(); }

private:
    void Write(const QString& name, const QByteArray& text);

    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};

// The test device is a service like any other: a machine without it skips
// these tests, a CI machine fails them.
#define REQUIRE_SANE_TEST_BACKEND(backend)                                               \
    do {                                                                                 \
        if (!(backend).Available()) {                                                    \
            if (qEnvironmentVariableIsSet("CI"))                                         \
                FAIL() << "the scanner library's test backend is missing";               \
            GTEST_SKIP() << "the scanner library's test backend is missing";             \
        }                                                                                \
    } while (false)
