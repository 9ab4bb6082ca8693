#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/types.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Paths read as text when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Tests that act as other users need root; under CI=true its absence is a
// failure, never a skip.
#define PREPKIT_REQUIRE_ROOT()                                                          \
    do {                                                                                \
        if (!PrepkitTest::IsRoot()) {                                                   \
            if (qgetenv("CI") == "true")                                                \
                FAIL() << "this test must run as root in CI";                           \
            GTEST_SKIP() << "needs root";                                               \
        }                                                                               \
    } while (0)

namespace PrepkitTest
{
bool IsRoot();

// A private folder with the data folder, the settings and the per-user data
// pointed into it, restored afterwards.
class Fixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString Path(const QString& relative) const { return m_root.path() + u'/' + relative; }
    std::string Native(const QString& relative) const { return Path(relative).toStdString(); }
    QString DataFolder() const { return Path(QStringLiteral("data")); }

    // Messages as Prepkit would have written them to standard error.
    std::vector<std::string> messages;
    auto Sink()
    {
        return [this](const std::string& message) { messages.push_back(message); };
    }

private:
    QTemporaryDir m_root;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
    std::vector<const char*> m_unset;
};

// Writes a file, making its folders; false when it could not.
bool WriteFile(const QString& path, const QByteArray& bytes = "data");
QByteArray ReadFile(const QString& path);
bool Exists(const QString& path);   // without following a link
bool IsLink(const QString& path);
bool IsFolder(const QString& path); // a real one, not a link to one
mode_t Mode(const QString& path);   // permission bits, 0 when missing
// The default access list in short text ("u::rwx,g::rwx,o::rwx"), empty
// when there is none.
QString DefaultList(const QString& path);
// Runs a shell command as another user and group; its exit status.
int RunAs(int userId, const QString& command);
// Runs `work` in a forked copy of this process that has become another user
// and group, without root's rights; what it returns is the exit status, -1
// when the copy could not be made or did not finish, 125 when it could not
// give up root.
int RunForkedAs(int userId, const std::function<int()>& work);
} // namespace PrepkitTest
