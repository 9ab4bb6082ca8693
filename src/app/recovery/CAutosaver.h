#pragma once

#include <QString>
#include <QTimer>

#include <functional>

class CRecoverySession;
class CVeldraDoc;

// Writes the layout to the recovery folder every few minutes while it has
// unsaved changes. The interval is the user's "Autosave every N minutes"
// (0: never); VELDRA2_AUTOSAVE_SECONDS, when set, gives it in seconds
// instead, so that tests need not wait minutes.
class CAutosaver
{
public:
    struct Sources
    {
        std::function<int()> minutes;
        std::function<QString()> title;
        std::function<QString()> path;
    };

    CAutosaver(CVeldraDoc& doc, CRecoverySession& session, Sources sources);

    // Arms the timer with the current interval (or stops it).
    void Restart();
    // Arms it again when the user's interval is no longer the one armed.
    void FollowSetting();
    // Writes now when the layout has unsaved changes; drops what was kept
    // when it has none. False when a write failed.
    bool Tick();
    // The layout was saved, opened or made new.
    void Settled();

    // The interval in milliseconds; 0: off.
    static int IntervalMs(int minutes);
    const QString& LastError() const { return m_lastError; }

private:
    CVeldraDoc& m_doc;
    CRecoverySession& m_session;
    Sources m_sources;
    QTimer m_timer;
    QString m_lastError;
    int m_armedMs = 0;
};
