#include "CScanRunner.h"

#include "acquire/scan/CScanSession.h"

CScanRunner::CScanRunner(QObject* parent)
    : QObject(parent)
{
}

CScanRunner::~CScanRunner()
{
    Stop();
}

void CScanRunner::Start(CScanSession& session, const ScanOptions& options)
{
    Stop();
    m_pSession = &session;
    m_thread = std::thread([this, &session, options] {
        auto result = std::make_shared<ScanResult>(session.Scan(options, [this](int percent) {
            QMetaObject::invokeMethod(this, [this, percent] { emit progress(percent); }, Qt::QueuedConnection);
        }));
        QMetaObject::invokeMethod(this, [this, result] {
            Join();
            emit finished(result);
        }, Qt::QueuedConnection);
    });
}

void CScanRunner::Cancel()
{
    if (IsRunning() && m_pSession)
        m_pSession->Cancel();
}

void CScanRunner::Stop()
{
    Cancel();
    Join();
}

void CScanRunner::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}
