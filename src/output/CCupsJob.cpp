#include "CCupsJob.h"

#include "CCupsDestinations.h"

namespace {

// Long enough for a busy scheduler, short enough that a hung one does not
// hold the window for good.
constexpr int connectTimeoutMs = 30000;

} // namespace

CCupsJob::~CCupsJob()
{
    if (!m_bFinished)
        Cancel();
    Disconnect();
}

void CCupsJob::Disconnect()
{
    if (m_pHttp)
        httpClose(m_pHttp);
    m_pHttp = nullptr;
}

bool CCupsJob::Fail()
{
    m_strError = QString::fromUtf8(cupsLastErrorString());
    Cancel();
    return false;
}

bool CCupsJob::Start(const QString& queue, const QString& title, const Options& options, const char* format)
{
    m_strQueue = queue;
    m_pHttp = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, connectTimeoutMs, nullptr);
    if (!m_pHttp) {
        m_strError = QString::fromUtf8(cupsLastErrorString());
        return false;
    }
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &cupsOptions);
    const QByteArray queueName = queue.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    m_nJobId = cupsCreateJob(m_pHttp, queueName.constData(), jobTitle.constData(), count, cupsOptions);
    const bool started = m_nJobId > 0
                         && cupsStartDocument(m_pHttp, queueName.constData(), m_nJobId, jobTitle.constData(), format, 1)
                                == HTTP_STATUS_CONTINUE;
    cupsFreeOptions(count, cupsOptions);
    return started || Fail();
}

bool CCupsJob::Write(const unsigned char* bytes, std::size_t length)
{
    if (!m_pHttp || m_nJobId <= 0 || m_bFinished)
        return false;
    return cupsWriteRequestData(m_pHttp, reinterpret_cast<const char*>(bytes), length) == HTTP_STATUS_CONTINUE || Fail();
}

bool CCupsJob::Finish()
{
    if (!m_pHttp || m_nJobId <= 0 || m_bFinished)
        return false;
    if (cupsFinishDocument(m_pHttp, m_strQueue.toUtf8().constData()) != IPP_STATUS_OK)
        return Fail();
    m_bFinished = true;
    Disconnect();
    return true;
}

// The document request may be half sent: the connection that carried it is
// not fit for another request, so the cancel goes over a fresh one.
void CCupsJob::Cancel()
{
    if (m_nJobId <= 0 || m_bFinished)
        return;
    Disconnect();
    if (http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                    connectTimeoutMs, nullptr)) {
        cupsCancelJob2(http, m_strQueue.toUtf8().constData(), m_nJobId, 0);
        httpClose(http);
    }
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
    if (!dest)
        return refuse(tr("The printer %1 is not there.").arg(queue));
    if (CCupsDestinations::Option(*dest, "printer-state") == QLatin1String("5"))
        return refuse(tr("The printer %1 is stopped.").arg(queue));
    if (CCupsDestinations::Option(*dest, "printer-is-accepting-jobs") == QLatin1String("false"))
        return refuse(tr("The printer %1 does not take jobs.").arg(queue));
    return true;
}
