#include "RowBands.h"

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

namespace {

std::atomic<int>& MaximumBands()
{
    static std::atomic<int> bands{64};
    return bands;
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
    const int bands = std::clamp(count / std::max(minimumRows, 1), 1, std::max(threads, 1));
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
