#include "PackBitsBlocks.h"

#include "PackBits.h"
#include "PixelBlock.h"
#include "RowBands.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <mutex>
#include <vector>

namespace {

// The guessed walk keeps every control byte it meets over this much code
// (codes from a wrong start meet the true walk within a few kilobytes even
// in noisy photographs' long literals), then one place per chunk.
constexpr std::size_t meetingCode = 32 * 1024;
constexpr std::size_t chunkCode = 64 * 1024;
// The guessed walk's buffer is kept for the next record up to this size.
constexpr std::size_t keptBufferBytes = std::size_t(16) << 20;
constexpr std::size_t unknown = std::numeric_limits<std::size_t>::max();

enum class Step { failed, stopped, done };

// The walk over the blocks as decoding them one after another makes it.
class BlockWalk
{
public:
    BlockWalk(const std::uint8_t* code, std::size_t size, std::uint8_t* out, std::size_t blockSize, int count)
        : m_code(code), m_size(size), m_out(out), m_blockSize(blockSize), m_total(blockSize * std::size_t(count))
    {
    }

    // Decodes the codes that lie wholly before code[limit]: stopped there,
    // done with the last block, failed where the plain decode would fail.
    Step DecodeUpTo(std::size_t limit)
    {
        while (produced < m_total) {
            const std::size_t block = produced / m_blockSize;
            std::size_t within = produced - block * m_blockSize;
            const bool sound = PackBits::DecodeWhole(m_code, limit, m_out + block * m_blockSize, m_blockSize, in, within);
            produced = block * m_blockSize + within;
            if (!sound)
                return Step::failed;
            if (within < m_blockSize)
                return limit < m_size ? Step::stopped : Step::failed;
        }
        return Step::done;
    }

    Step DecodeOne()
    {
        if (in >= m_size)
            return Step::failed;
        return DecodeUpTo(std::min(m_size, in + PackBits::CodeLength(m_code[in])));
    }

    std::size_t Total() const { return m_total; }
    std::size_t BlockSize() const { return m_blockSize; }
    std::uint8_t* Out() const { return m_out; }

    std::size_t in = 0;
    std::size_t produced = 0;

private:
    const std::uint8_t* m_code;
    std::size_t m_size;
    std::uint8_t* m_out;
    std::size_t m_blockSize;
    std::size_t m_total;
};

// The one buffer guessed walks decode into, kept between records.
class GuessBuffer
{
public:
    static PixelBlock Take(std::size_t size)
    {
        {
            const std::lock_guard<std::mutex> lock(Mutex());
            if (Kept() && Kept().size() >= size)
                return std::move(Kept());
        }
        return PixelBlock::Allocate(size);
    }
    static void Give(PixelBlock block)
    {
        if (!block || block.size() > keptBufferBytes)
            return;
        const std::lock_guard<std::mutex> lock(Mutex());
        Kept() = std::move(block);
    }

private:
    static std::mutex& Mutex()
    {
        static std::mutex mutex;
        return mutex;
    }
    static PixelBlock& Kept()
    {
        static PixelBlock kept;
        return kept;
    }
};

// A walk from a guessed control byte, decoding into a buffer of its own;
// `produced` counts from that byte.
class GuessedWalk
{
public:
    struct Mark
    {
        std::size_t in;
        std::size_t produced;
    };

    GuessedWalk(const std::uint8_t* code, std::size_t size, std::size_t start, std::size_t total)
        : m_code(code), m_size(size), m_start(start), m_total(total),
          // A code takes at least two bytes.
          m_meetingLimit(std::min(meetingCode, size - start) / 2 + 1)
    {
        m_marks.reserve(m_meetingLimit + size / chunkCode + 4);
    }
    ~GuessedWalk() { GuessBuffer::Give(std::move(m_buffer)); }

    // Walks until the code or the buffer ends, `stop` is set, or the
    // calling thread's walk, which stopped at `met` bytes, can need no more.
    void Run(const std::atomic<bool>& stop, const std::atomic<std::size_t>& met)
    {
        m_buffer = GuessBuffer::Take(m_total);
        if (!m_buffer)
            return;
        m_in = m_start;
        while (m_in < m_size && m_in - m_start < meetingCode && m_marks.size() < m_meetingLimit) {
            m_marks.push_back({m_in, m_produced});
            m_meetingMarks = m_marks.size();
            if (!Advance(std::min(m_size, m_in + PackBits::CodeLength(m_code[m_in]))))
                return;
        }
        while (!stop.load(std::memory_order_relaxed) && m_marks.size() < m_marks.capacity()) {
            const std::size_t reached = met.load(std::memory_order_relaxed);
            if (reached != unknown && m_meetingMarks > 0
                && m_produced >= m_total - std::min(m_total, reached) + m_marks[m_meetingMarks - 1].produced)
                return;
            m_marks.push_back({m_in, m_produced});
            if (!Advance(std::min(m_size, m_in + chunkCode)))
                return;
        }
    }

    // The mark where the true walk, standing at control byte `in`, meets
    // this one; null when the true walk is past the meeting marks.
    const Mark* Meeting(std::size_t in, std::size_t& next) const
    {
        while (next < m_meetingMarks && m_marks[next].in < in)
            ++next;
        if (next == m_meetingMarks)
            return nullptr;
        return &m_marks[next];
    }

    // Whether a code of this walk ends where it has produced `at` bytes,
    // within what it decoded; `in` is then where that code ends.
    bool CodeEndsAt(std::size_t at, std::size_t& in) const
    {
        if (at > m_produced)
            return false;
        const auto after = std::upper_bound(m_marks.begin(), m_marks.end(), at,
                                            [](std::size_t value, const Mark& mark) { return value < mark.produced; });
        if (after == m_marks.begin())
            return false;
        in = std::prev(after)->in;
        std::size_t produced = std::prev(after)->produced;
        while (produced < at) {
            if (in >= m_size)
                return false;
            const std::size_t length = PackBits::CodeLength(m_code[in]);
            if (length > m_size - in)
                return false;
            const int control = std::int8_t(m_code[in]);
            produced += control < 0 ? std::size_t(1 - control) : std::size_t(control) + 1;
            in += length;
        }
        return produced == at;
    }

    const std::uint8_t* Bytes() const { return m_buffer.data(); }

private:
    bool Advance(std::size_t limit)
    {
        const std::size_t before = m_in;
        return PackBits::DecodeWhole(m_code, limit, m_buffer.data(), m_total, m_in, m_produced) && m_in != before;
    }

    const std::uint8_t* m_code;
    std::size_t m_size, m_start, m_total, m_meetingLimit;
    PixelBlock m_buffer;
    std::vector<Mark> m_marks;
    std::size_t m_meetingMarks = 0;
    std::size_t m_in = 0, m_produced = 0;
};

enum class Taking { taken, failed, notTaken };

// Walks the calling thread's walk on until it meets the guessed one, checks
// every block end after that against the guessed walk, and takes its bytes.
Taking TakeGuessed(BlockWalk& walk, const GuessedWalk& guess, std::size_t& consumed)
{
    std::size_t next = 0;
    const GuessedWalk::Mark* meeting = nullptr;
    while (!(meeting = guess.Meeting(walk.in, next)) || meeting->in != walk.in) {
        if (!meeting)
            return Taking::notTaken;
        switch (walk.DecodeOne()) {
        case Step::failed:
            return Taking::failed;
        case Step::done:
            consumed = walk.in;
            return Taking::taken;
        case Step::stopped:
            break;
        }
    }
    if (walk.produced < meeting->produced)
        return Taking::notTaken;
    const std::size_t base = walk.produced - meeting->produced;
    std::size_t end = 0;
    for (std::size_t blockEnd = (walk.produced / walk.BlockSize() + 1) * walk.BlockSize(); blockEnd <= walk.Total();
         blockEnd += walk.BlockSize())
        if (!guess.CodeEndsAt(blockEnd - base, end))
            return Taking::notTaken;
    const std::uint8_t* from = guess.Bytes() + meeting->produced;
    const std::size_t length = walk.Total() - walk.produced;
    constexpr int pieceBytes = 256 * 1024;
    const int pieces = int((length + pieceBytes - 1) / pieceBytes);
    RowBands::Run(pieces, 4, [&](int begin, int endPiece) {
        const std::size_t first = std::size_t(begin) * pieceBytes;
        const std::size_t last = std::min(length, std::size_t(endPiece) * pieceBytes);
        std::memcpy(walk.Out() + walk.produced + first, from + first, last - first);
    });
    consumed = end;
    return Taking::taken;
}

} // namespace

bool PackBitsBlocks::Decode(const std::uint8_t* code, std::size_t size, std::uint8_t* out, std::size_t blockSize,
                            int count, std::size_t& consumed)
{
    return DecodeSplitAt(code, size, out, blockSize, count, size >= minimumSplitCode ? size / 2 : 0, consumed);
}

bool PackBitsBlocks::DecodeSplitAt(const std::uint8_t* code, std::size_t size, std::uint8_t* out,
                                   std::size_t blockSize, int count, std::size_t splitAt, std::size_t& consumed)
{
    BlockWalk walk(code, size, out, blockSize, std::max(count, 0));
    if (walk.Total() == 0 || splitAt == 0 || splitAt >= size) {
        if (walk.DecodeUpTo(size) != Step::done)
            return false;
        consumed = walk.in;
        return true;
    }
    GuessedWalk guess(code, size, splitAt, walk.Total());
    std::atomic<bool> stop{false};
    std::atomic<std::size_t> met{unknown};
    Step first = Step::failed;
    bool guessed = false;
    RowBands::Run(2, 1, [&](int begin, int end) {
        if (begin == 0)
            first = walk.DecodeUpTo(splitAt);
        if (begin == 0 && end == 1) {
            met.store(walk.produced, std::memory_order_relaxed);
            stop.store(first != Step::stopped, std::memory_order_relaxed);
        } else if (end == 2 && begin == 1) {
            guess.Run(stop, met);
            guessed = true;
        }
    });
    if (first == Step::failed)
        return false;
    if (first == Step::done) {
        consumed = walk.in;
        return true;
    }
    if (guessed) {
        const Taking taking = TakeGuessed(walk, guess, consumed);
        if (taking != Taking::notTaken)
            return taking == Taking::taken;
    }
    if (walk.DecodeUpTo(size) != Step::done)
        return false;
    consumed = walk.in;
    return true;
}
