#pragma once

#include <chrono>
#include <functional>

// Runs a call that may never come back (into a scanner's driver, say) on a
// thread of its own, and waits for it no longer than a deadline. A call
// that misses it is left running on its thread, which keeps what it needs
// alive; whoever asked must then leave alone what the call was working on.
class CDeadlineCall
{
public:
    // True when `call` finished within `deadline`.
    static bool Run(std::function<void()> call, std::chrono::milliseconds deadline);
};
