#include "PackBitsReader.h"

#include "PackBits.h"
#include "RowBands.h"

#include "platform/CArchive.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {

// Below this much output a piece is not worth a thread.
constexpr std::size_t minimumPieceBytes = 256 * 1024;
constexpr int maximumPieces = 6;

// RowBands hands each thread a run of consecutive pieces, so more pieces
// than threads balance nothing.
int PiecesFor(std::size_t total)
{
    const int threads = QThreadPool::globalInstance()->maxThreadCount();
    const std::size_t bySize = total / minimumPieceBytes;
    return int(std::min<std::size_t>(bySize, std::size_t(std::clamp(threads, 1, maximumPieces))));
}

} // namespace

void PackBitsReader::Read(CArchive& ar, std::uint8_t* out, std::size_t blockSize, int count, int pieces)
{
    if (pieces <= 0)
        pieces = PiecesFor(blockSize * std::size_t(count));
    if (pieces <= 1 || blockSize == 0) {
        // One thread: decoding straight from the archive needs no first pass.
        for (int b = 0; b < count; ++b)
            PackBits::Decode(ar, out + blockSize * std::size_t(b), blockSize);
        return;
    }
    PackBitsReader reader(blockSize, count, pieces);
    reader.Index(ar);
    reader.DecodeInto(out);
}

PackBitsReader::PackBitsReader(std::size_t blockSize, int count, int pieces)
    : m_blockSize(blockSize), m_total(blockSize * std::size_t(count)), m_pieces(pieces), m_blockEnd(blockSize)
{
    m_points.push_back({0, 0});
    AddPoint();
}

// Walks the code as the archive delivers it. When the whole code is in the
// archive's buffer it is used there; otherwise it is gathered in m_code.
void PackBitsReader::Index(CArchive& ar)
{
    std::size_t available = 0;
    const std::uint8_t* chunk = ar.Buffered(available);
    if (Walk(chunk, available)) {
        ar.Consume(m_in);
        m_data = chunk;
    } else {
        const qint64 left = ar.BytesLeft();
        if (left > 0)
            m_code.reserve(std::size_t(std::min<std::uint64_t>(std::uint64_t(left), PackBits::MaxCodeSize(m_total))));
        m_code.assign(chunk, chunk + available);
        ar.Consume(available);
        for (;;) {
            chunk = ar.Buffered(available);
            const std::size_t before = m_code.size();
            m_code.insert(m_code.end(), chunk, chunk + available);
            if (Walk(m_code.data(), m_code.size())) {
                // Bytes past the last code belong to what follows the blocks.
                ar.Consume(m_in - before);
                m_code.resize(m_in);
                break;
            }
            ar.Consume(available);
        }
        m_data = m_code.data();
    }
    m_points.push_back({m_in, m_total});
}

// Follows the control bytes from m_in over data[0, size): true when the
// last block is complete, false when a code runs past size. A code that
// goes past the end of its block throws as decoding it would.
bool PackBitsReader::Walk(const std::uint8_t* data, std::size_t size)
{
    std::size_t in = m_in, out = m_out, blockEnd = m_blockEnd;
    bool complete = false;
    for (;;) {
        if (out >= m_nextTarget) {
            if (out == m_total) {
                complete = true;
                break;
            }
            m_in = in;
            m_out = out;
            AddPoint();
        }
        if (in >= size)
            break;
        // Without a branch on the kind of code, which photos mix at random:
        // a literal of c + 1 bytes takes c + 2 code bytes, a run of 1 - c
        // bytes takes 2.
        const int control = std::int8_t(data[in]);
        const std::size_t n = std::size_t(std::abs(control)) + 1;
        const std::size_t step = std::size_t(std::max(control, 0)) + 2;
        if (n > blockEnd - out)
            throw CArchiveException(CArchiveException::genericException);
        if (step > size - in)
            break;
        in += step;
        out += n;
        if (out == blockEnd)
            blockEnd += m_blockSize;
    }
    m_in = in;
    m_out = out;
    m_blockEnd = blockEnd;
    return complete;
}

// Notes the walk's position as the start of a piece and moves the target
// past it.
void PackBitsReader::AddPoint()
{
    if (m_out > m_points.back().out)
        m_points.push_back({m_in, m_out});
    while (m_nextTarget <= m_out && m_nextTarget < m_total) {
        ++m_target;
        m_nextTarget = m_total * std::size_t(m_target) / std::size_t(m_pieces);
    }
}

void PackBitsReader::DecodeInto(std::uint8_t* out) const
{
    // The walk has checked every code, so a piece can only fail through a
    // fault here; it must not pass unnoticed.
    std::atomic<bool> failed{false};
    RowBands::Run(int(m_points.size() - 1), 1, [&](int begin, int end) {
        for (int i = begin; i < end; ++i) {
            const Point& from = m_points[std::size_t(i)];
            const Point& to = m_points[std::size_t(i) + 1];
            if (!PackBits::Decode(m_data + from.code, to.code - from.code, out + from.out, to.out - from.out))
                failed = true;
        }
    });
    if (failed)
        throw CArchiveException(CArchiveException::genericException);
}
