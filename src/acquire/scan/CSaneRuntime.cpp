#include "CSaneRuntime.h"

#include <mutex>

namespace {

std::mutex& RuntimeMutex()
{
    static std::mutex mutex;
    return mutex;
}

int g_holders = 0;

} // namespace

CSaneRuntime::CSaneRuntime()
{
    std::lock_guard lock(RuntimeMutex());
    if (g_holders == 0) {
        SANE_Int version = 0;
        m_status = sane_init(&version, nullptr);
        if (m_status != SANE_STATUS_GOOD)
            return;
    }
    ++g_holders;
    m_started = true;
}

CSaneRuntime::~CSaneRuntime()
{
    if (!m_started)
        return;
    std::lock_guard lock(RuntimeMutex());
    if (--g_holders == 0)
        sane_exit();
}
