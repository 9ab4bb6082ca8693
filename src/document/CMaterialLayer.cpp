#include "CMaterialLayer.h"

#include "imaging/CDibImage.h"
#include "imaging/DibPixelFormat.h"
#include "imaging/RowBands.h"
#include "platform/MulDiv.h"

#include <cstring>

namespace {

enum : std::uint8_t { maskBlack = 0, maskWhite = 1, maskOther = 2 };

// The mask as one byte per pixel: black, white or neither.
std::vector<std::uint8_t> Classify(const CDibImage& mask)
{
    const int w = mask.Width(), h = mask.Height();
    std::vector<std::uint8_t> classes(std::size_t(w) * std::size_t(h));
    const DibPixelFormat format(mask.Info());
    std::vector<std::uint8_t> bgr(3 * std::size_t(w));
    for (int y = 0; y < h; ++y) {
        format.DecodeRow(mask.Row(y), w, bgr.data());
        std::uint8_t* out = classes.data() + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &bgr[3 * std::size_t(x)];
            out[x] = (p[0] | p[1] | p[2]) == 0 ? maskBlack : (p[0] & p[1] & p[2]) == 0xFF ? maskWhite : maskOther;
        }
    }
    return classes;
}

// Offsets at which the mask is OR-ed into the grown mask: the margin
// sideways and up and down, and diagonally at the margin over 1.414.
std::vector<std::pair<int, int>> GrowthOffsets(int px, int py)
{
    std::vector<std::pair<int, int>> offsets{{0, 0}};
    if (px > 0)
        offsets.insert(offsets.end(), {{px, 0}, {-px, 0}});
    if (py > 0)
        offsets.insert(offsets.end(), {{0, py}, {0, -py}});
    if (px > 0 && py > 0) {
        const int u = MulDiv(px, 1000, 1414), v = MulDiv(py, 1000, 1414);
        offsets.insert(offsets.end(), {{u, v}, {u, -v}, {-u, -v}, {-u, v}});
    }
    return offsets;
}

} // namespace

void CMaterialLayer::Build(const Key& key, const CDibImage& mask)
{
    m_key = key;
    m_valid = true;
    const int w = key.width, h = key.height;
    m_rows.assign(std::size_t(std::max(h, 0)), {});
    if (mask.IsEmpty() || mask.Width() != w || mask.Height() != h)
        return;
    const std::vector<std::uint8_t> classes = Classify(mask);
    const auto offsets = GrowthOffsets(key.marginX, key.marginY);
    const auto at = [&](int x, int y) { return classes[std::size_t(y) * std::size_t(w) + std::size_t(x)]; };

    for (int y = 0; y < h; ++y) {
        std::vector<Run>& runs = m_rows[std::size_t(y)];
        for (int x = 0; x < w; ++x) {
            // The grown mask is black only where every shifted copy is.
            bool grownBlack = true;
            for (const auto& [dx, dy] : offsets) {
                const int sx = x - dx, sy = y - dy;
                if (sx >= 0 && sy >= 0 && sx < w && sy < h && at(sx, sy) != maskBlack) {
                    grownBlack = false;
                    break;
                }
            }
            if (grownBlack)
                continue;
            const COLORREF colour = key.screen && at(x, y) == maskWhite ? key.outside : key.band;
            if (!runs.empty() && runs.back().x1 == x && runs.back().colour == colour)
                ++runs.back().x1;
            else
                runs.push_back({x, x + 1, colour});
        }
    }
}

void CMaterialLayer::Paint(CDibImage& target) const
{
    if (target.Width() != m_key.width || target.Height() != m_key.height || target.BitCount() != 24)
        return;
    // Runs are copied from a row of their colour, made once per colour.
    std::vector<std::pair<COLORREF, std::vector<std::uint8_t>>> patterns;
    const auto pattern = [&](COLORREF colour) -> const std::uint8_t* {
        for (const auto& [c, bytes] : patterns)
            if (c == colour)
                return bytes.data();
        std::vector<std::uint8_t> bytes(3 * std::size_t(m_key.width));
        for (std::size_t i = 0; i < bytes.size(); i += 3) {
            bytes[i] = std::uint8_t(GetBValue(colour));
            bytes[i + 1] = std::uint8_t(GetGValue(colour));
            bytes[i + 2] = std::uint8_t(GetRValue(colour));
        }
        patterns.emplace_back(colour, std::move(bytes));
        return patterns.back().second.data();
    };
    for (const auto& runs : m_rows)
        for (const Run& run : runs)
            pattern(run.colour);
    std::uint8_t* const bits = target.Bits();
    const std::size_t stride = target.Stride();
    RowBands::Run(m_key.height, 64, [&](int begin, int end) {
        for (int y = begin; y < end; ++y) {
            std::uint8_t* row = bits + stride * std::size_t(y);
            for (const Run& run : m_rows[std::size_t(y)])
                std::memcpy(row + 3 * std::size_t(run.x0), pattern(run.colour), 3 * std::size_t(run.x1 - run.x0));
        }
    });
}
