#include "DibRowDelta.h"

#include <cstring>

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
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t* row = image.Row(y);
        const std::uint8_t* baseRow = base.Row(y);
        if (std::memcmp(row, baseRow, stride) != 0)
            TakeRow(row, baseRow, stride * std::size_t(y), stride);
    }
    m_spans.shrink_to_fit();
    m_bytes.shrink_to_fit();
    m_info = image.Info();
    return true;
}

void DibRowDelta::TakeRow(const std::uint8_t* row, const std::uint8_t* baseRow, std::size_t rowOffset, std::size_t rowBytes)
{
    for (std::size_t at = 0; at < rowBytes;) {
        const std::size_t length = std::min(chunk, rowBytes - at);
        if (std::memcmp(row + at, baseRow + at, length) == 0) {
            at += length;
            continue;
        }
        // Adjoining differing chunks make one span.
        if (!m_spans.empty() && m_spans.back().offset + m_spans.back().length == rowOffset + at)
            m_spans.back().length += length;
        else
            m_spans.push_back({rowOffset + at, length});
        m_bytes.insert(m_bytes.end(), row + at, row + at + length);
        at += length;
    }
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

std::size_t DibRowDelta::HeldBytes() const
{
    return m_info.capacity() + m_spans.capacity() * sizeof(Span) + m_bytes.capacity();
}
