#include "RowBands.h"

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

#include <unistd.h>

namespace {

std::atomic<int>& MaximumBands()
{
    static std::atomic<int> bands{64};
    return bands;
}

// The process whose pool took work. A child made with fork (tests measure
// in one) has none of its parent's threads, though the pool believes it
// does: there everything runs on the calling thread.
std::atomic<pid_t>& PoolOwner()
{
    static std::atomic<pid_t> owner{0};
    return owner;
}

bool PoolUsable()
{
    pid_t expected = 0;
    const pid_t self = getpid();
    return PoolOwner().compare_exchange_strong(expected, self) || expected == self;
}

} // namespace

void RowBands::SetMaximumBands(int bands)
{
    MaximumBands() = std::max(bands, 1);
}

void RowBands::Run(int count, int minimumRows, const std::function<void(int begin, int end)>& work)
{
    if (count <= 0)
        return;
    QThreadPool* pool = QThreadPool::globalInstance();
    const int threads = std::min(pool->maxThreadCount(), MaximumBands().load());
    const int bands = PoolUsable() ? std::clamp(count / std::max(minimumRows, 1), 1, std::max(threads, 1)) : 1;
    if (bands == 1) {
        work(0, count);
        return;
    }
    // Bands the pool cannot take now (it may be busy, or this may already be
    // one of its threads) run here, so nothing waits on a queue.
    QSemaphore finished;
    int started = 0;
    const auto bandStart = [&](int band) { return int(static_cast<long long>(count) * band / bands); };
    for (int band = 1; band < bands; ++band) {
        const int begin = bandStart(band), end = bandStart(band + 1);
        if (pool->tryStart([&work, &finished, begin, end] {
                work(begin, end);
                finished.release();
            }))
            ++started;
        else
            work(begin, end);
    }
    work(0, bandStart(1));
    finished.acquire(started);
}
