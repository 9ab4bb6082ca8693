#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// A block of pixel bytes. Allocation never throws: a block that could not
// be had is simply empty, so image operations can fail quietly and keep
// what they had.
//
// Blocks are owned alone unless one is shared on purpose (Share): the undo
// history keeps an object's pixels without copying them, and the image
// that writes first takes a copy of its own (see CDibImage).
class PixelBlock
{
public:
    PixelBlock() = default;
    PixelBlock(PixelBlock&&) noexcept = default;
    PixelBlock& operator=(PixelBlock&&) noexcept = default;
    PixelBlock(const PixelBlock&) = delete;
    PixelBlock& operator=(const PixelBlock&) = delete;

    // Zero-filled; calloc hands back lazily zeroed pages for large blocks.
    static PixelBlock Allocate(std::size_t size)
    {
        return size >= largeBlock ? MapLarge(size) : Adopt(std::calloc(size ? size : 1, 1), size);
    }
    // For blocks about to be overwritten whole: the C library may hand back
    // memory freed a moment ago, which costs no page faults at all.
    static PixelBlock AllocateUninitialised(std::size_t size) { return Adopt(std::malloc(size ? size : 1), size); }
    // Bytes held in large blocks, which the C library's statistics do not
    // see (benchmarks add them).
    static std::size_t MappedBytes();

    PixelBlock Share() const
    {
        PixelBlock block;
        block.m_data = m_data;
        block.m_size = m_size;
        return block;
    }
    bool IsShared() const { return m_data.use_count() > 1; }
    bool SameBytesAs(const PixelBlock& other) const { return m_data == other.m_data; }

    std::uint8_t* data() { return m_data.get(); }
    const std::uint8_t* data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    explicit operator bool() const { return m_data != nullptr; }

private:
    // Zeroed photos, plates and display images: mapped on their own in huge
    // pages where the system offers them, so that filling one faults in a
    // few dozen pages rather than thousands (fresh memory is zeroed by the
    // system either way).
    static constexpr std::size_t largeBlock = std::size_t(4) << 20;
    static PixelBlock MapLarge(std::size_t size);

    static PixelBlock Adopt(void* memory, std::size_t size)
    {
        PixelBlock block;
        if (memory) {
            block.m_data.reset(static_cast<std::uint8_t*>(memory), [](std::uint8_t* p) { std::free(p); });
            block.m_size = size;
        }
        return block;
    }

    std::shared_ptr<std::uint8_t> m_data;
    std::size_t m_size = 0;
};
