// A scanner backend of the tests' own, loaded by the scanner library through
// dll.conf like any other: one device, "veldrascan:0", that scans a small
// grey picture. What its calls do is told by environment variables, read at
// each call, so every test gets the device it needs without a race:
//   VELDRA_SANE_READ    a status number: reading fails with it; "block":
//                       reading waits for a cancel, then says the scan was
//                       cancelled (a cancel holds for the rest of the
//                       device's life, so it may come at any time)
//   VELDRA_SANE_CANCEL  "hang": cancel never comes back; "fail": cancel
//                       does not stop the scan, a blocked read then fails
//   VELDRA_SANE_CLOSE   "hang": close never comes back
//   VELDRA_SANE_LOG     a file each call of open, cancel and close is
//                       written to, one word a line

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int width = 8;
constexpr int height = 4;

struct Device
{
    std::mutex mutex;
    std::condition_variable changed;
    bool cancelled = false;
    bool cancelFailed = false;
    int sent = 0;
    SANE_Word resolution = 100;
};

bool Told(const char* variable, const char* what)
{
    const char* value = std::getenv(variable);
    return value && std::strcmp(value, what) == 0;
}

void Log(const char* call)
{
    if (const char* path = std::getenv("VELDRA_SANE_LOG")) {
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\n", call);
            std::fclose(log);
        }
    }
}

[[noreturn]] void HangForever()
{
    // Never destroyed: destroying a condition still waited on blocks, and
    // would hold the whole process at its exit.
    static auto* mutex = new std::mutex;
    static auto* never = new std::condition_variable;
    std::unique_lock lock(*mutex);
    for (;;)
        never->wait(lock);
}

const SANE_Range resolutionRange{50, 600, 1};

const SANE_Option_Descriptor options[] = {
    {SANE_NAME_NUM_OPTIONS, SANE_TITLE_NUM_OPTIONS, SANE_DESC_NUM_OPTIONS, SANE_TYPE_INT, SANE_UNIT_NONE,
     sizeof(SANE_Word), SANE_CAP_SOFT_DETECT, SANE_CONSTRAINT_NONE, {nullptr}},
    {SANE_NAME_SCAN_RESOLUTION, SANE_TITLE_SCAN_RESOLUTION, SANE_DESC_SCAN_RESOLUTION, SANE_TYPE_INT, SANE_UNIT_DPI,
     sizeof(SANE_Word), SANE_CAP_SOFT_SELECT | SANE_CAP_SOFT_DETECT, SANE_CONSTRAINT_RANGE,
     {reinterpret_cast<const SANE_String_Const*>(&resolutionRange)}},
};
constexpr SANE_Int optionCount = SANE_Int(sizeof options / sizeof options[0]);

const SANE_Device device{"0", "Veldra", "Test scanner", "flatbed scanner"};
const SANE_Device* deviceList[] = {&device, nullptr};

} // namespace

EXPORT SANE_Status sane_veldrascan_init(SANE_Int* version, SANE_Auth_Callback)
{
    if (version)
        *version = SANE_VERSION_CODE(1, 0, 0);
    return SANE_STATUS_GOOD;
}

EXPORT void sane_veldrascan_exit()
{
}

EXPORT SANE_Status sane_veldrascan_get_devices(const SANE_Device*** list, SANE_Bool)
{
    *list = deviceList;
    return SANE_STATUS_GOOD;
}

EXPORT SANE_Status sane_veldrascan_open(SANE_String_Const name, SANE_Handle* handle)
{
    if (name && *name && std::strcmp(name, device.name) != 0)
        return SANE_STATUS_INVAL;
    Log("open");
    *handle = new Device;
    return SANE_STATUS_GOOD;
}

EXPORT void sane_veldrascan_close(SANE_Handle handle)
{
    Log("close");
    if (Told("VELDRA_SANE_CLOSE", "hang"))
        HangForever();
    delete static_cast<Device*>(handle);
}

EXPORT const SANE_Option_Descriptor* sane_veldrascan_get_option_descriptor(SANE_Handle, SANE_Int option)
{
    return option >= 0 && option < optionCount ? &options[option] : nullptr;
}

EXPORT SANE_Status sane_veldrascan_control_option(SANE_Handle handle, SANE_Int option, SANE_Action action,
                                                  void* value, SANE_Int* info)
{
    Device& scanner = *static_cast<Device*>(handle);
    if (info)
        *info = 0;
    SANE_Word* word = static_cast<SANE_Word*>(value);
    if (option == 0 && action == SANE_ACTION_GET_VALUE) {
        *word = optionCount;
        return SANE_STATUS_GOOD;
    }
    if (option != 1)
        return SANE_STATUS_INVAL;
    if (action == SANE_ACTION_GET_VALUE) {
        *word = scanner.resolution;
        return SANE_STATUS_GOOD;
    }
    if (action != SANE_ACTION_SET_VALUE || *word < resolutionRange.min || *word > resolutionRange.max)
        return SANE_STATUS_INVAL;
    scanner.resolution = *word;
    return SANE_STATUS_GOOD;
}

EXPORT SANE_Status sane_veldrascan_get_parameters(SANE_Handle, SANE_Parameters* parameters)
{
    *parameters = SANE_Parameters{SANE_FRAME_GRAY, SANE_TRUE, width, width, height, 8};
    return SANE_STATUS_GOOD;
}

EXPORT SANE_Status sane_veldrascan_start(SANE_Handle handle)
{
    Device& scanner = *static_cast<Device*>(handle);
    std::lock_guard lock(scanner.mutex);
    if (scanner.cancelled)
        return SANE_STATUS_CANCELLED;
    scanner.sent = 0;
    return SANE_STATUS_GOOD;
}

EXPORT SANE_Status sane_veldrascan_read(SANE_Handle handle, SANE_Byte* data, SANE_Int maxLength, SANE_Int* length)
{
    Device& scanner = *static_cast<Device*>(handle);
    *length = 0;
    const char* told = std::getenv("VELDRA_SANE_READ");
    if (told && *told >= '0' && *told <= '9')
        return SANE_Status(std::atoi(told));
    std::unique_lock lock(scanner.mutex);
    if (Told("VELDRA_SANE_READ", "block"))
        scanner.changed.wait(lock, [&] { return scanner.cancelled || scanner.cancelFailed; });
    if (scanner.cancelFailed)
        return SANE_STATUS_IO_ERROR;
    if (scanner.cancelled)
        return SANE_STATUS_CANCELLED;
    const int left = width * height - scanner.sent;
    if (left == 0)
        return SANE_STATUS_EOF;
    const int count = left < maxLength ? left : maxLength;
    std::memset(data, 0x80, std::size_t(count));
    scanner.sent += count;
    *length = count;
    return SANE_STATUS_GOOD;
}

EXPORT void sane_veldrascan_cancel(SANE_Handle handle)
{
    Log("cancel");
    if (Told("VELDRA_SANE_CANCEL", "hang"))
        HangForever();
    Device& scanner = *static_cast<Device*>(handle);
    std::lock_guard lock(scanner.mutex);
    if (Told("VELDRA_SANE_CANCEL", "fail"))
        scanner.cancelFailed = true;
    else
        scanner.cancelled = true;
    scanner.changed.notify_all();
}

EXPORT SANE_Status sane_veldrascan_set_io_mode(SANE_Handle, SANE_Bool nonBlocking)
{
    return nonBlocking ? SANE_STATUS_UNSUPPORTED : SANE_STATUS_GOOD;
}

EXPORT SANE_Status sane_veldrascan_get_select_fd(SANE_Handle, SANE_Int*)
{
    return SANE_STATUS_UNSUPPORTED;
}
