#include "PixelBlock.h"

#include <atomic>

#include <sys/mman.h>

namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

std::atomic<std::size_t>& Mapped()
{
    static std::atomic<std::size_t> bytes{0};
    return bytes;
}

} // namespace

std::size_t PixelBlock::MappedBytes()
{
    return Mapped().load();
}

PixelBlock PixelBlock::MapLarge(std::size_t size)
{
    // A huge page must start on a 2 MB boundary: map a page more than
    // needed and give back what lies outside the aligned part.
    const std::size_t length = (size + hugePage - 1) / hugePage * hugePage;
    void* raw = mmap(nullptr, length + hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return {};
    auto* start = static_cast<std::uint8_t*>(raw);
    const std::size_t lead = (hugePage - reinterpret_cast<std::uintptr_t>(start) % hugePage) % hugePage;
    if (lead > 0)
        munmap(start, lead);
    munmap(start + lead + length, hugePage - lead);
    std::uint8_t* aligned = start + lead;
    madvise(aligned, length, MADV_HUGEPAGE);
    Mapped() += length;
    PixelBlock block;
    block.m_data.reset(aligned, [length](std::uint8_t* p) {
        munmap(p, length);
        Mapped() -= length;
    });
    block.m_size = size;
    return block;
}
