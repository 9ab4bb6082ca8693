#include "RowBands.h"

#include <QRunnable>
#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

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

// One band handed to the pool; the caller keeps it and may take it back.
class Band final : public QRunnable
{
public:
    Band(const std::function<void(int begin, int end)>& work, int begin, int end, QSemaphore& finished)
        : m_work(work), m_begin(begin), m_end(end), m_finished(finished)
    {
        setAutoDelete(false);
    }
    void run() override
    {
        m_work(m_begin, m_end);
        m_finished.release();
    }

private:
    const std::function<void(int begin, int end)>& m_work;
    int m_begin, m_end;
    QSemaphore& m_finished;
};

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
    // The other bands are queued on the pool. Those it has not started by
    // the time this thread is done with its own band, this thread takes
    // back and works on itself: nothing waits on a pool that is busy, or on
    // itself when this is one of its threads.
    QSemaphore finished;
    std::vector<std::unique_ptr<Band>> others;
    const auto bandStart = [&](int band) { return int(static_cast<long long>(count) * band / bands); };
    for (int band = 1; band < bands; ++band) {
        others.push_back(std::make_unique<Band>(work, bandStart(band), bandStart(band + 1), finished));
        pool->start(others.back().get());
    }
    work(0, bandStart(1));
    for (auto band = others.rbegin(); band != others.rend(); ++band)
        if (pool->tryTake(band->get()))
            (*band)->run();
    finished.acquire(bands - 1);
}
