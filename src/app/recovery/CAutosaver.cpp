#include "CAutosaver.h"

#include "CRecoverySession.h"

#include "document/CVeldraDoc.h"

#include <cstdio>

CAutosaver::CAutosaver(CVeldraDoc& doc, CRecoverySession& session, Sources sources)
    : m_doc(doc), m_session(session), m_sources(std::move(sources))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        Tick();
        Restart();
    });
    Restart();
}

int CAutosaver::IntervalMs(int minutes)
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VELDRA2_AUTOSAVE_SECONDS", &ok);
    if (ok && seconds > 0)
        return seconds * 1000;
    return minutes > 0 ? minutes * 60 * 1000 : 0;
}

void CAutosaver::FollowSetting()
{
    if (IntervalMs(m_sources.minutes ? m_sources.minutes() : 0) != m_armedMs)
        Restart();
}

void CAutosaver::Restart()
{
    const int interval = IntervalMs(m_sources.minutes ? m_sources.minutes() : 0);
    m_armedMs = interval;
    if (interval <= 0 || !m_session.IsReady()) {
        m_timer.stop();
        return;
    }
    m_timer.start(interval);
}

bool CAutosaver::Tick()
{
    if (!m_doc.IsModified()) {
        if (m_session.HasKept())
            m_session.Remove();
        return true;
    }
    QString error;
    if (m_session.Write(m_doc, m_sources.title(), m_sources.path(), &error)) {
        m_lastError.clear();
        return true;
    }
    // Said once per cause, not every few minutes: the user's own Save
    // still works and reports its own failures.
    if (error != m_lastError)
        std::fprintf(stderr, "Autosave: %s\n", qPrintable(error));
    m_lastError = error;
    return false;
}

void CAutosaver::Settled()
{
    m_session.Remove();
}
