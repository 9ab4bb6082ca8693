#pragma once

#include "ScanTypes.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <sane/sane.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class CSaneRuntime;
class CScanFrameAssembler;

// One scanner session per command: it starts the scanner library, opens one
// device, runs one scan, and whatever happens (failure, cancel, a device that
// vanishes, destruction half-way) leaves the scan cancelled, the device
// closed and the library ended when it is destroyed.
//
// A driver may never come back from ending a scan or closing its device
// (one whose reader thread was stopped at the wrong moment, say). Those
// calls run on a thread of their own with a deadline, so the window never
// freezes; after the deadline the scan says the scanner stopped answering,
// and the device, and the library under it, are left as they are: calling
// into them again could only hang as well.
class CScanSession
{
    Q_DECLARE_TR_FUNCTIONS(CScanSession)

public:
    // The devices the scanner library knows now; empty with the reason in
    // `error` when there is no library or no device.
    static QList<ScanDeviceInfo> Devices(QString* error = nullptr);

    explicit CScanSession(QString deviceName);
    ~CScanSession();
    CScanSession(const CScanSession&) = delete;
    CScanSession& operator=(const CScanSession&) = delete;

    // Starts the library and opens the device (an empty name: the first one).
    bool Open(QString* error = nullptr);
    // Empty when the device is not open.
    ScanCapabilities Capabilities() const;
    // Runs on any thread; progress(percent) is called from that thread.
    // Sets the options, scans every frame and hands back one DIB with the
    // resolution it was scanned at, or no image and the reason.
    ScanResult Scan(const ScanOptions& options, const std::function<void(int percent)>& progress = {});
    // From any thread: stops a running scan, which then gives no image.
    // The session stays cancelled: a later Scan gives no image either.
    void Cancel();

    // How long ending a scan or closing the device may take.
    static constexpr std::chrono::milliseconds defaultAnswerDeadline{5000};
    void SetAnswerDeadline(std::chrono::milliseconds deadline) { m_answerDeadline = deadline; }
    // True once the device missed the deadline and was left behind.
    bool StoppedAnswering() const { return m_abandoned; }

private:
    void Close();
    // Runs `call` on the open device within the deadline; false, and the
    // device left behind, when it did not come back in time.
    bool CallWithDeadline(const std::function<void(SANE_Handle)>& call);
    bool ReadFrames(CScanFrameAssembler& assembler, const std::function<void(int)>& progress, ScanResult& result);
    bool ReadFrame(CScanFrameAssembler& assembler, const std::function<void(int)>& progress, ScanResult& result);
    bool Succeeded(SANE_Status status, ScanResult& result) const;
    bool Refused(const CScanFrameAssembler& assembler, ScanResult& result) const;

    QString m_deviceName;
    std::unique_ptr<CSaneRuntime> m_runtime;
    SANE_Handle m_handle = nullptr;
    // Guards the handle between Cancel on another thread and Close.
    mutable std::mutex m_handleMutex;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_abandoned{false};
    std::chrono::milliseconds m_answerDeadline = defaultAnswerDeadline;
};
