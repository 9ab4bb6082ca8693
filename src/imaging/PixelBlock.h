#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// An owned, zero-filled block of pixel bytes. Allocation never throws: a
// block that could not be had is simply empty, so image operations can fail
// quietly and keep what they had.
class PixelBlock
{
public:
    PixelBlock() = default;

    static PixelBlock Allocate(std::size_t size)
    {
        PixelBlock block;
        // calloc hands back lazily zeroed pages for large blocks.
        block.m_data.reset(static_cast<std::uint8_t*>(std::calloc(size ? size : 1, 1)));
        block.m_size = block.m_data ? size : 0;
        return block;
    }

    std::uint8_t* data() { return m_data.get(); }
    const std::uint8_t* data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    explicit operator bool() const { return m_data != nullptr; }

private:
    struct FreeDeleter
    {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t, FreeDeleter> m_data;
    std::size_t m_size = 0;
};
