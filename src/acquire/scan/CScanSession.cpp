#include "CScanSession.h"

#include "CDeadlineCall.h"
#include "CSaneOptions.h"
#include "CSaneRuntime.h"
#include "CSaneStatusText.h"
#include "CScanFrameAssembler.h"

#include <utility>
#include <vector>

namespace {

// Large reads keep the per-call cost of the library out of a big scan.
constexpr std::size_t readChunkBytes = 256 * 1024;

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// A library under a call that never came back is never ended; kept where
// the leak checker still sees it, and never destroyed.
void LeaveBehind(std::unique_ptr<CSaneRuntime> runtime)
{
    static std::mutex mutex;
    static auto* const leftBehind = new std::vector<std::unique_ptr<CSaneRuntime>>;
    std::lock_guard lock(mutex);
    leftBehind->push_back(std::move(runtime));
}

ScanDeviceInfo InfoOf(const SANE_Device& device)
{
    return {QString::fromUtf8(device.name), QString::fromUtf8(device.vendor), QString::fromUtf8(device.model),
            QString::fromUtf8(device.type)};
}

} // namespace

QList<ScanDeviceInfo> CScanSession::Devices(QString* error)
{
    CSaneRuntime runtime;
    if (!runtime.IsStarted()) {
        SetError(error, tr("The scanner library could not be started: %1").arg(CSaneStatusText::Message(runtime.Status())));
        return {};
    }
    const SANE_Device** list = nullptr;
    const SANE_Status status = sane_get_devices(&list, SANE_FALSE);
    if (status != SANE_STATUS_GOOD) {
        SetError(error, CSaneStatusText::Message(status));
        return {};
    }
    QList<ScanDeviceInfo> devices;
    for (; list && *list; ++list)
        devices.append(InfoOf(**list));
    if (devices.isEmpty())
        SetError(error, tr("No scanner was found."));
    return devices;
}

CScanSession::CScanSession(QString deviceName)
    : m_deviceName(std::move(deviceName))
{
}

CScanSession::~CScanSession()
{
    Close();
}

bool CScanSession::Open(QString* error)
{
    if (m_handle)
        return true;
    auto runtime = std::make_unique<CSaneRuntime>();
    if (!runtime->IsStarted()) {
        SetError(error, tr("The scanner library could not be started: %1").arg(CSaneStatusText::Message(runtime->Status())));
        return false;
    }
    SANE_Handle handle = nullptr;
    const SANE_Status status = sane_open(m_deviceName.toUtf8().constData(), &handle);
    if (status != SANE_STATUS_GOOD || !handle) {
        SetError(error, tr("The scanner \"%1\" could not be opened: %2")
                            .arg(m_deviceName, CSaneStatusText::Message(status)));
        return false;
    }
    std::lock_guard lock(m_handleMutex);
    m_runtime = std::move(runtime);
    m_handle = handle;
    return true;
}

bool CScanSession::CallWithDeadline(const std::function<void(SANE_Handle)>& call)
{
    if (m_abandoned)
        return false;
    if (CDeadlineCall::Run([call, handle = m_handle] { call(handle); }, m_answerDeadline))
        return true;
    m_abandoned = true;
    // Ending the library would pull it from under the call still inside it.
    LeaveBehind(std::move(m_runtime));
    return false;
}

void CScanSession::Close()
{
    std::lock_guard lock(m_handleMutex);
    if (m_handle) {
        CallWithDeadline([](SANE_Handle handle) {
            sane_cancel(handle);
            sane_close(handle);
        });
        m_handle = nullptr;
    }
    m_runtime.reset();
}

ScanCapabilities CScanSession::Capabilities() const
{
    return m_handle ? CSaneOptions(m_handle).Capabilities() : ScanCapabilities{};
}

void CScanSession::Cancel()
{
    m_cancelled = true;
    std::lock_guard lock(m_handleMutex);
    if (m_handle)
        CallWithDeadline(sane_cancel);
}

ScanResult CScanSession::Scan(const ScanOptions& options, const std::function<void(int)>& progress)
{
    ScanResult result;
    if (!m_handle) {
        result.error = tr("The scanner is not open.");
        return result;
    }
    const CSaneOptions deviceOptions(m_handle);
    if (!deviceOptions.Apply(options, &result.error))
        return result;
    CScanFrameAssembler assembler;
    const bool read = ReadFrames(assembler, progress, result);
    // Ends the scan on the device whatever happened, as the library expects
    // after the last frame too.
    bool ended = false;
    {
        std::lock_guard lock(m_handleMutex);
        ended = CallWithDeadline(sane_cancel);
    }
    if (!ended) {
        result.status = ScanResult::Status::failed;
        result.error = tr("The scanner stopped answering. It was left as it is: switch it off and on again "
                          "before the next scan.");
        return result;
    }
    // A cancel may have cut the data short without an error: never hand
    // back what arrived before it.
    if (m_cancelled) {
        result.status = ScanResult::Status::cancelled;
        result.error = CSaneStatusText::Message(SANE_STATUS_CANCELLED);
        return result;
    }
    if (!read)
        return result;
    if (!assembler.Finish(result.image)) {
        Refused(assembler, result);
        return result;
    }
    result.dpi = deviceOptions.Resolution();
    result.status = ScanResult::Status::ok;
    result.error.clear();
    return result;
}

bool CScanSession::ReadFrames(CScanFrameAssembler& assembler, const std::function<void(int)>& progress,
                              ScanResult& result)
{
    for (;;) {
        if (m_cancelled || !Succeeded(sane_start(m_handle), result))
            return false;
        SANE_Parameters parameters{};
        if (!Succeeded(sane_get_parameters(m_handle, &parameters), result))
            return false;
        if (!assembler.BeginFrame(parameters))
            return Refused(assembler, result);
        if (!ReadFrame(assembler, progress, result))
            return false;
        if (!assembler.EndFrame())
            return Refused(assembler, result);
        if (parameters.last_frame)
            return true;
    }
}

bool CScanSession::ReadFrame(CScanFrameAssembler& assembler, const std::function<void(int)>& progress,
                             ScanResult& result)
{
    std::vector<std::uint8_t> buffer(readChunkBytes);
    int reported = -1;
    for (;;) {
        if (m_cancelled)
            return false;
        SANE_Int length = 0;
        const SANE_Status status = sane_read(m_handle, buffer.data(), SANE_Int(buffer.size()), &length);
        if (status != SANE_STATUS_GOOD && status != SANE_STATUS_EOF)
            return Succeeded(status, result);
        // Bytes beyond the buffer would be the device overrunning our memory.
        if (length < 0 || std::size_t(length) > buffer.size())
            return Succeeded(SANE_STATUS_IO_ERROR, result);
        if (length > 0 && !assembler.Append(buffer.data(), std::size_t(length)))
            return Refused(assembler, result);
        if (status == SANE_STATUS_EOF)
            return true;
        const int percent = assembler.Percent();
        if (progress && percent >= 0 && percent != reported)
            progress(reported = percent);
    }
}

bool CScanSession::Succeeded(SANE_Status status, ScanResult& result) const
{
    if (status == SANE_STATUS_GOOD)
        return true;
    result.status = CSaneStatusText::ResultOf(status);
    if (result.status == ScanResult::Status::ok)
        result.status = ScanResult::Status::failed;
    result.error = CSaneStatusText::Message(status);
    return false;
}

bool CScanSession::Refused(const CScanFrameAssembler& assembler, ScanResult& result) const
{
    result.status = ScanResult::Status::failed;
    result.error = assembler.Error();
    return false;
}
