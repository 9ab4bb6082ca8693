#pragma once

#include <QMap>
#include <QString>

// Points the scanner library at its "test" backend alone, through a private
// configuration folder; the backend's settings (mode, depth, test picture,
// injected errors, ...) go to its test.conf and take effect at the next
// library start, i.e. the next session. The library remembers the folder of
// its first start for the life of the process, so every instance shares one
// folder, and a new instance starts from the defaults.
class SaneTestBackend
{
public:
    SaneTestBackend();

    // Rewrites test.conf: the defaults below, then `settings` (test.conf
    // keys, values written as given, so strings carry their quotes).
    void Configure(const QMap<QString, QString>& settings = {});
    // Lists no backend at all, as on a machine without scanners.
    void ConfigureNoBackends();
    // True when the library lists the test devices.
    bool Available() const;
    QString Folder() const;

private:
    void Write(const QString& name, const QByteArray& text);
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
