#pragma once

#include "acquire/scan/ScanTypes.h"

#include <QObject>

#include <memory>
#include <thread>

class CScanSession;

// Runs one scan of an open session off the window's thread, so that the
// window keeps answering, shows progress and can cancel. Progress and the
// result come back on the window's thread.
class CScanRunner : public QObject
{
    Q_OBJECT

public:
    explicit CScanRunner(QObject* parent = nullptr);
    // Waits for a scan still running, cancelled first.
    ~CScanRunner() override;

    bool IsRunning() const { return m_thread.joinable(); }
    // The session must outlive the scan.
    void Start(CScanSession& session, const ScanOptions& options);
    // Asks the device to stop; finished follows with the cancelled status.
    void Cancel();
    // Cancels and waits: nothing runs afterwards.
    void Stop();

signals:
    void progress(int percent);
    void finished(std::shared_ptr<ScanResult> result);

private:
    void Join();

    CScanSession* m_pSession = nullptr;
    std::thread m_thread;
};
