#pragma once

#include <sane/sane.h>

// The scanner library's start (sane_init) and end (sane_exit) are
// process-wide: the first holder starts it, the last one ends it, so a device
// list taken while a scan session is open does not shut the library under it.
class CSaneRuntime
{
public:
    CSaneRuntime();
    ~CSaneRuntime();
    CSaneRuntime(const CSaneRuntime&) = delete;
    CSaneRuntime& operator=(const CSaneRuntime&) = delete;

    bool IsStarted() const { return m_started; }
    SANE_Status Status() const { return m_status; }

private:
    bool m_started = false;
    SANE_Status m_status = SANE_STATUS_GOOD;
};
