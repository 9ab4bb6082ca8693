#include "CCupsConnection.h"

#include <cstring>
#include <utility>

namespace {

constexpr int defaultAnswerSeconds = 30;
constexpr int longestAnswerSeconds = 600;
// libcups asks whether to go on waiting after each quarter second of
// silence; the bound is ours.
constexpr double silenceTickSeconds = 0.25;

CCupsConnection::WaitNotice& Notice()
{
    static CCupsConnection::WaitNotice notice;
    return notice;
}

thread_local QString lastFailure;

} // namespace

CCupsConnection::CCupsConnection()
{
    lastFailure.clear();
    StartRequest();
    m_pHttp = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, AnswerSeconds() * 1000,
                           nullptr);
    if (m_pHttp)
        httpSetTimeout(m_pHttp, silenceTickSeconds, &CCupsConnection::OnSilence, this);
}

CCupsConnection::~CCupsConnection()
{
    if (m_pHttp)
        httpClose(m_pHttp);
}

void CCupsConnection::StartRequest()
{
    m_deadline = std::chrono::steady_clock::now() + std::chrono::seconds(AnswerSeconds());
}

int CCupsConnection::OnSilence(http_t*, void* self)
{
    auto* connection = static_cast<CCupsConnection*>(self);
    if (std::chrono::steady_clock::now() >= connection->m_deadline) {
        connection->m_bTimedOut = true;
        lastFailure = connection->Error();
        return 0;
    }
    if (!connection->m_bNoticed && Notice()) {
        connection->m_bNoticed = true;
        Notice()(AnswerSeconds());
    }
    return 1;
}

QString CCupsConnection::Error() const
{
    if (m_bTimedOut)
        return tr("The print scheduler did not answer within %1 s.").arg(AnswerSeconds());
    if (!m_pHttp)
        return tr("The print scheduler cannot be reached.");
    const QString said = QString::fromUtf8(cupsLastErrorString());
    // A connection the scheduler dropped leaves libcups with errno 0 to
    // word, which would read "Success".
    if (said.isEmpty() || said == QString::fromLocal8Bit(std::strerror(0)))
        return tr("The print scheduler broke off without an answer.");
    return said;
}

CCupsConnection::IppPtr CCupsConnection::Ask(ipp_t* request)
{
    const CCupsConnection connection;
    if (!connection.Http()) {
        ippDelete(request);
        return {nullptr, &ippDelete};
    }
    return {cupsDoRequest(connection.Http(), request, "/"), &ippDelete};
}

int CCupsConnection::AnswerSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VELDRA_CUPS_ANSWER_SECONDS", &ok);
    return ok && seconds >= 1 && seconds <= longestAnswerSeconds ? seconds : defaultAnswerSeconds;
}

void CCupsConnection::SetWaitNotice(WaitNotice notice)
{
    Notice() = std::move(notice);
}

QString CCupsConnection::TakeLastFailure()
{
    return std::exchange(lastFailure, QString());
}
