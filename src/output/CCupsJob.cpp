#include "CCupsJob.h"

#include "CCupsDestinations.h"

CCupsJob::~CCupsJob()
{
    if (!m_bFinished)
        Cancel();
}

bool CCupsJob::Fail()
{
    m_strError = m_pConnection->Error();
    Cancel();
    return false;
}

bool CCupsJob::Start(const QString& queue, const QString& title, const Options& options, const char* format)
{
    m_strQueue = queue;
    m_pConnection = std::make_unique<CCupsConnection>();
    if (!Http()) {
        m_strError = m_pConnection->Error();
        return false;
    }
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &cupsOptions);
    const QByteArray queueName = queue.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    m_nJobId = cupsCreateJob(Http(), queueName.constData(), jobTitle.constData(), count, cupsOptions);
    const bool started = m_nJobId > 0
                         && cupsStartDocument(Http(), queueName.constData(), m_nJobId, jobTitle.constData(), format, 1)
                                == HTTP_STATUS_CONTINUE;
    cupsFreeOptions(count, cupsOptions);
    return started || Fail();
}

bool CCupsJob::Write(const unsigned char* bytes, std::size_t length)
{
    if (!Http() || m_nJobId <= 0 || m_bFinished)
        return false;
    m_pConnection->StartRequest();
    return cupsWriteRequestData(Http(), reinterpret_cast<const char*>(bytes), length) == HTTP_STATUS_CONTINUE || Fail();
}

bool CCupsJob::Finish()
{
    if (!Http() || m_nJobId <= 0 || m_bFinished)
        return false;
    m_pConnection->StartRequest();
    if (cupsFinishDocument(Http(), m_strQueue.toUtf8().constData()) != IPP_STATUS_OK)
        return Fail();
    m_bFinished = true;
    m_pConnection.reset();
    return true;
}

// The document request may be half sent: the connection that carried it is
// not fit for another request, so the cancel goes over a fresh one.
void CCupsJob::Cancel()
{
    if (m_nJobId <= 0 || m_bFinished)
        return;
    m_pConnection.reset();
    const CCupsConnection connection;
    if (connection.Http())
        cupsCancelJob2(connection.Http(), m_strQueue.toUtf8().constData(), m_nJobId, 0);
    m_bFinished = true;
}

bool CCupsJob::QueueIsReady(const QString& queue, QString* why)
{
    const auto refuse = [why](const QString& text) {
        if (why)
            *why = text;
        return false;
    };
    const CCupsDestinations destinations;
    const cups_dest_t* dest = destinations.Find(queue);
    if (const QString unanswered = CCupsConnection::TakeLastFailure(); !dest && !unanswered.isEmpty())
        return refuse(unanswered);
    if (!dest)
        return refuse(tr("The printer %1 is not there.").arg(queue));
    if (CCupsDestinations::Option(*dest, "printer-state") == QLatin1String("5"))
        return refuse(tr("The printer %1 is stopped.").arg(queue));
    if (CCupsDestinations::Option(*dest, "printer-is-accepting-jobs") == QLatin1String("false"))
        return refuse(tr("The printer %1 does not take jobs.").arg(queue));
    return true;
}
