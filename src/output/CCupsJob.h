#pragma once

#include "CCupsConnection.h"

#include <QCoreApplication>
#include <QString>

#include <cups/cups.h>

#include <memory>
#include <utility>
#include <vector>

// One print job on a CUPS queue, sent as it is made: the job is created,
// its single document streamed to the scheduler, then closed. A job that is
// abandoned before Finish (a failed write, an error on the way, the object
// going away) is cancelled, so no half page is ever printed. Each step waits
// for the scheduler no longer than CCupsConnection allows.
class CCupsJob
{
    Q_DECLARE_TR_FUNCTIONS(CCupsJob)

public:
    using Options = std::vector<std::pair<QString, QString>>;

    CCupsJob() = default;
    ~CCupsJob();
    CCupsJob(const CCupsJob&) = delete;
    CCupsJob& operator=(const CCupsJob&) = delete;

    // Connects to the scheduler, creates the job and starts its document
    // of the given MIME type. False, with Error(), when any of it fails;
    // nothing is left on the queue then.
    bool Start(const QString& queue, const QString& title, const Options& options, const char* format);
    bool Write(const unsigned char* bytes, std::size_t length);
    // Ends the document; the job is the scheduler's from now on.
    bool Finish();
    void Cancel();

    // The queue is there, running and taking jobs. A stopped queue would
    // keep a job without a word to the user, who waits at the engraver.
    static bool QueueIsReady(const QString& queue, QString* why);

    int JobId() const { return m_nJobId; }
    const QString& Error() const { return m_strError; }

private:
    bool Fail();
    http_t* Http() const { return m_pConnection ? m_pConnection->Http() : nullptr; }

    std::unique_ptr<CCupsConnection> m_pConnection;
    QString m_strQueue;
    int m_nJobId = 0;
    bool m_bFinished = false;
    QString m_strError;
};
