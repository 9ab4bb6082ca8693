#include "CDeadlineCall.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Outcome
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

} // namespace

bool CDeadlineCall::Run(std::function<void()> call, std::chrono::milliseconds deadline)
{
    const auto outcome = std::make_shared<Outcome>();
    std::thread([outcome, call = std::move(call)] {
        call();
        std::lock_guard lock(outcome->mutex);
        outcome->done = true;
        outcome->finished.notify_all();
    }).detach();
    std::unique_lock lock(outcome->mutex);
    return outcome->finished.wait_for(lock, deadline, [&] { return outcome->done; });
}
