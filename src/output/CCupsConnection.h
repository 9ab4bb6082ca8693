#pragma once

#include <QCoreApplication>
#include <QString>

#include <cups/cups.h>

#include <chrono>
#include <functional>
#include <memory>

// A connection of its own to the scheduler whose every wait is bounded. A
// scheduler that stops answering (hung, stopped, swamped) would otherwise
// hold a print or a batch for good: libcups's shared connection waits as
// long as the socket stays open. Each request gets AnswerSeconds() from
// StartRequest(); past that, libcups gives up and Error() says so.
class CCupsConnection
{
    Q_DECLARE_TR_FUNCTIONS(CCupsConnection)

public:
    // Connects at once; Http() is null when the scheduler cannot be reached.
    CCupsConnection();
    ~CCupsConnection();
    CCupsConnection(const CCupsConnection&) = delete;
    CCupsConnection& operator=(const CCupsConnection&) = delete;

    http_t* Http() const { return m_pHttp; }
    // The bound starts again: one request (or one part of a document) has
    // the whole of it.
    void StartRequest();
    bool TimedOut() const { return m_bTimedOut; }
    // Why the last request failed, in words a person can act on.
    QString Error() const;

    using IppPtr = std::unique_ptr<ipp_t, decltype(&ippDelete)>;
    // Sends one IPP request, which it takes, over a connection of its own;
    // the answer, or null when there was none.
    static IppPtr Ask(ipp_t* request);

    // How long a request may wait for the scheduler: 30 s, or
    // VELDRA_CUPS_ANSWER_SECONDS (1 to 600) for a quicker give-up.
    static int AnswerSeconds();
    // Called once per connection that has waited over a second without an
    // answer, so a person at a terminal knows what the pause is.
    using WaitNotice = std::function<void(int boundSeconds)>;
    static void SetWaitNotice(WaitNotice notice);
    // The wait the latest connection made on this thread gave up, cleared
    // by taking it: for callers that only learn that a query came back
    // empty.
    static QString TakeLastFailure();

private:
    static int OnSilence(http_t* http, void* self);

    http_t* m_pHttp = nullptr;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_bTimedOut = false;
    bool m_bNoticed = false;
};
