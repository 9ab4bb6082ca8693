#include "DibRowDelta.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

bool DibRowDelta::SameLayout(const CDibImage& a, const CDibImage& b)
{
    return !a.IsEmpty() && !b.IsEmpty() && a.Info() == b.Info() && a.BitsSize() == b.BitsSize();
}

void DibRowDelta::Clear()
{
    m_info.clear();
    m_spans.clear();
    m_bytes.clear();
}

bool DibRowDelta::Take(const CDibImage& image, const CDibImage& base)
{
    Clear();
    if (!SameLayout(image, base))
        return false;
    const std::size_t stride = image.Stride();
    // An image that differs in most of its bytes (a fill of the whole layer)
    // holds hardly less as a difference, and copying it out would cost a
    // fresh block and a pass over it.
    const std::size_t limit = image.BitsSize() / 2;
    std::size_t total = 0;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* row = image.Row(y);
        const std::uint8_t* baseRow = base.Row(y);
        if (std::memcmp(row, baseRow, stride) != 0)
            total += FindSpans(row, baseRow, stride * std::size_t(y), stride);
        if (total > limit) {
            Clear();
            return false;
        }
    }
    // The bytes are gathered once their amount is known: a large change
    // would otherwise be copied again at every growth of the buffer.
    m_bytes.reserve(total);
    const std::uint8_t* const bits = image.Bits();
    for (const Span& span : m_spans)
        m_bytes.insert(m_bytes.end(), bits + span.offset, bits + span.offset + span.length);
    m_spans.shrink_to_fit();
    m_info = image.Info();
    return true;
}

namespace {

bool SameChunk(const std::uint8_t* a, const std::uint8_t* b, std::size_t length)
{
#ifdef __SSE2__
    if (length == 16)
        return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(a)),
                                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(b)))) == 0xFFFF;
#endif
    return std::memcmp(a, b, length) == 0;
}

} // namespace

std::size_t DibRowDelta::FindSpans(const std::uint8_t* row, const std::uint8_t* baseRow, std::size_t rowOffset, std::size_t rowBytes)
{
    std::size_t found = 0;
    for (std::size_t at = 0; at < rowBytes;) {
        const std::size_t length = std::min(chunk, rowBytes - at);
        if (SameChunk(row + at, baseRow + at, length)) {
            at += length;
            continue;
        }
        // Adjoining differing chunks make one span.
        if (!m_spans.empty() && m_spans.back().offset + m_spans.back().length == rowOffset + at)
            m_spans.back().length += length;
        else
            m_spans.push_back({rowOffset + at, length});
        found += length;
        at += length;
    }
    return found;
}

bool DibRowDelta::Restore(CDibImage& image, const CDibImage& base) const
{
    if (IsEmpty() || base.IsEmpty() || base.Info() != m_info)
        return false;
    PixelBlock bits = PixelBlock::AllocateUninitialised(base.BitsSize());
    if (!bits)
        return false;
    std::memcpy(bits.data(), base.Bits(), base.BitsSize());
    const std::uint8_t* from = m_bytes.data();
    for (const Span& span : m_spans) {
        std::memcpy(bits.data() + span.offset, from, span.length);
        from += span.length;
    }
    return image.Adopt(m_info, std::move(bits));
}

bool DibRowDelta::BringToBase(CDibImage& image, const CDibImage& base) const
{
    if (IsEmpty() || image.Info() != m_info || base.Info() != m_info || !image.OwnsPixelsAlone())
        return false;
    std::uint8_t* const bits = image.Bits();
    for (const Span& span : m_spans)
        std::memcpy(bits + span.offset, base.Bits() + span.offset, span.length);
    return true;
}

std::size_t DibRowDelta::HeldBytes() const
{
    return m_info.capacity() + m_spans.capacity() * sizeof(Span) + m_bytes.capacity();
}
