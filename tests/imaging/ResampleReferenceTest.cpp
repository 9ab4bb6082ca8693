// Resample against the straightforward pixel-by-pixel loops it replaced
// (kept here as they were): the results must be the same to the byte, for
// reductions and enlargements, with and without a key, at odd widths, for
// regions that leave the source or the target, on one thread and several.
#include "imaging/CDibImage.h"
#include "imaging/CpuFeatures.h"
#include "imaging/DibReductionAvx2.h"
#include "imaging/DibResampler.h"
#include "imaging/RowBands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace reference {

using Region = DibResampler::Region;


// A source pixel outside the image reads as 0xFFFFFFFF, as GetPixel answers.
constexpr std::uint8_t outsideBgr[3] = {0xFF, 0xFF, 0xFF};

struct Span
{
    bool valid = false;
    int first = 0, last = 0;       // source pixels first..last inclusive
    double firstWeight = 0, lastWeight = 0;

    // Weight of source pixel k in the span; the first and last weights add
    // up when the span covers one pixel.
    double Weight(int k) const
    {
        return (k == first ? firstWeight : 0.0) + (k == last ? lastWeight : 0.0) + (k > first && k < last ? 1.0 : 0.0);
    }
};

Span ReductionSpan(int origin, double scale, int index, int sourceExtent)
{
    Span span;
    const double start = origin + scale * index;
    if (start < 0)
        return span;
    span.first = int(start);
    span.last = int(start + scale);
    if (span.last > sourceExtent)
        return span;
    span.firstWeight = 1.0 - (start - span.first);
    span.lastWeight = start + scale - span.last;
    span.valid = true;
    return span;
}

void WritePixel(std::uint8_t* out, int r, int g, int b, COLORREF key, COLORREF replacement)
{
    COLORREF color = RGB(r, g, b);
    if (color == key)
        color = replacement;
    out[0] = std::uint8_t(GetBValue(color));
    out[1] = std::uint8_t(GetGValue(color));
    out[2] = std::uint8_t(GetRValue(color));
}

void WriteKey(std::uint8_t* out, COLORREF key)
{
    out[0] = std::uint8_t(GetBValue(key));
    out[1] = std::uint8_t(GetGValue(key));
    out[2] = std::uint8_t(GetRValue(key));
}



// One source pixel a destination pixel takes, and its weight.
struct Tap
{
    int index;     // source column or row; -1 when outside the source
    double weight;
};

// The taps of each destination pixel along one axis, flattened; an invalid
// span (the pixel is not written) has no taps.
struct Taps
{
    std::vector<Tap> taps;
    std::vector<std::size_t> start; // taps of pixel i: start[i] .. start[i + 1]

    Taps(int origin, double scale, int first, int end, int sourceExtent)
    {
        for (int i = first; i < end; ++i) {
            start.push_back(taps.size());
            const Span span = ReductionSpan(origin, scale, i, sourceExtent);
            for (int k = span.first; span.valid && k <= span.last; ++k)
                taps.push_back({k < sourceExtent ? k : -1, span.Weight(k)});
        }
        start.push_back(taps.size());
    }
    bool Valid(int i) const { return start[std::size_t(i) + 1] > start[std::size_t(i)]; }
};


void ReferenceReduce(CDibImage& target, Region dest, const CDibImage& source, Region src, COLORREF key, COLORREF replacement)
{
    const double area = (double(src.height) / dest.height) * (double(src.width) / dest.width);
    const int firstColumn = std::max(0, -dest.x);
    const int endColumn = std::max(firstColumn, std::min(dest.width, target.Width() - dest.x));
    const int firstRow = std::max(0, -dest.y);
    const int endRow = std::max(firstRow, std::min(dest.height, target.Height() - dest.y));
    const Taps columns(src.x, double(src.width) / dest.width, firstColumn, endColumn, source.Width());
    const Taps rows(src.y, double(src.height) / dest.height, firstRow, endRow, source.Height());

    const bool keyIsNone = key == colorNone;
    const std::uint8_t keyB = std::uint8_t(GetBValue(key)), keyG = std::uint8_t(GetGValue(key)), keyR = std::uint8_t(GetRValue(key));
    const auto isKey = [&](const std::uint8_t* p) {
        return keyIsNone ? p == outsideBgr : (p[0] == keyB && p[1] == keyG && p[2] == keyR);
    };

    for (int i = firstRow; i < endRow; ++i) {
        const int r = i - firstRow;
        if (!rows.Valid(r))
            continue;
        std::uint8_t* out = target.Row(dest.y + i);
        for (int j = firstColumn; j < endColumn; ++j) {
            const int c = j - firstColumn;
            if (!columns.Valid(c))
                continue;
            double sum[3] = {0, 0, 0};
            bool keyed = false;
            for (std::size_t ry = rows.start[r]; ry < rows.start[r + 1] && !keyed; ++ry) {
                const Tap rowTap = rows.taps[ry];
                const std::uint8_t* line = rowTap.index >= 0 ? source.Row(rowTap.index) : nullptr;
                double rowSum[3] = {0, 0, 0};
                for (std::size_t cx = columns.start[c]; cx < columns.start[c + 1]; ++cx) {
                    const Tap colTap = columns.taps[cx];
                    const std::uint8_t* p = line && colTap.index >= 0 ? line + 3 * std::size_t(colTap.index) : outsideBgr;
                    if (isKey(p)) {
                        keyed = true;
                        break;
                    }
                    rowSum[0] += colTap.weight * p[0];
                    rowSum[1] += colTap.weight * p[1];
                    rowSum[2] += colTap.weight * p[2];
                }
                sum[0] += rowTap.weight * rowSum[0];
                sum[1] += rowTap.weight * rowSum[1];
                sum[2] += rowTap.weight * rowSum[2];
            }
            std::uint8_t* pixel = out + 3 * std::size_t(dest.x + j);
            if (keyed) {
                WriteKey(pixel, key);
                continue;
            }
            const auto channel = [&](int ch) { return std::min(255, int(sum[ch] / area + 0.5)); };
            WritePixel(pixel, channel(2), channel(1), channel(0), key, replacement);
        }
    }
}

void ReferenceEnlarge(CDibImage& target, Region dest, const CDibImage& source, Region src, COLORREF key, COLORREF replacement)
{
    const float v = float(double(src.height) / dest.height);
    const float u = float(double(src.width) / dest.width);
    const int lastColumn = source.Width() - 1;
    const int lastRow = source.Height() - 1;

    // Per destination column: the two source columns (as byte offsets) and
    // the fraction between them; offset -1 marks a column left unwritten.
    struct Column { std::ptrdiff_t offset0 = -1, offset1 = -1; float fx = 0; };
    const int firstColumn = std::max(0, -dest.x);
    const int endColumn = std::max(firstColumn, std::min(dest.width, target.Width() - dest.x));
    std::vector<Column> columns(std::size_t(endColumn - firstColumn));
    for (int j = firstColumn; j < endColumn; ++j) {
        const float sx = float(src.x) + u * float(j);
        if (sx < 0 || sx >= float(source.Width()))
            continue;
        const int x0 = int(sx);
        columns[std::size_t(j - firstColumn)] = {3 * std::ptrdiff_t(x0), 3 * std::ptrdiff_t(std::min(x0 + 1, lastColumn)), sx - float(x0)};
    }

    const std::uint8_t keyB = std::uint8_t(GetBValue(key)), keyG = std::uint8_t(GetGValue(key)), keyR = std::uint8_t(GetRValue(key));
    const bool keyIsNone = key == colorNone;
    const auto isKey = [&](const std::uint8_t* p) { return !keyIsNone && p[0] == keyB && p[1] == keyG && p[2] == keyR; };

    for (int i = 0; i < dest.height; ++i) {
        const int y = dest.y + i;
        if (y < 0 || y >= target.Height())
            continue;
        const float sy = float(src.y) + v * float(i);
        if (sy < 0 || sy >= float(source.Height()))
            continue;
        const int y0 = int(sy);
        const float fy = sy - float(y0);
        const std::uint8_t* row0 = source.Row(y0);
        const std::uint8_t* row1 = source.Row(std::min(y0 + 1, lastRow));
        std::uint8_t* out = target.Row(y) + 3 * std::ptrdiff_t(dest.x);
        for (int j = firstColumn; j < endColumn; ++j) {
            const Column& col = columns[std::size_t(j - firstColumn)];
            if (col.offset0 < 0)
                continue;
            const std::uint8_t* p00 = row0 + col.offset0;
            const std::uint8_t* p10 = row0 + col.offset1;
            const std::uint8_t* p01 = row1 + col.offset0;
            const std::uint8_t* p11 = row1 + col.offset1;
            std::uint8_t* pixel = out + 3 * std::ptrdiff_t(j);
            if (isKey(p00) || isKey(p10) || isKey(p01) || isKey(p11)) {
                WriteKey(pixel, key);
                continue;
            }
            const float fx = col.fx;
            const auto channel = [&](int ch) {
                const float value = (1 - fy) * ((1 - fx) * p00[ch] + fx * p10[ch]) + fy * ((1 - fx) * p01[ch] + fx * p11[ch]) + 0.5f;
                return std::min(255, int(value));
            };
            WritePixel(pixel, channel(2), channel(1), channel(0), key, replacement);
        }
    }
}

} // namespace reference

namespace {

// Photo-like noise with patches of the key and of white, so every branch of
// the key test is met.
CDibImage Noise(int width, int height, unsigned seed)
{
    CDibImage image;
    image.Create(width, height, 24);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = image.Row(y);
        for (int x = 0; x < width; ++x, p += 3) {
            const unsigned value = random();
            p[0] = std::uint8_t(value);
            p[1] = std::uint8_t(value >> 8);
            p[2] = std::uint8_t((x * 7 + y * 3) & 0xFF);
            if (value % 97 == 0)
                p[0] = 1, p[1] = 0, p[2] = 0; // transparentKey
            else if (value % 89 == 0)
                p[0] = p[1] = p[2] = 0xFF;
        }
    }
    return image;
}

struct Case
{
    int sourceWidth, sourceHeight;
    DibResampler::Region dest, src;
    int targetWidth, targetHeight;
};

bool SameBytes(const CDibImage& a, const CDibImage& b)
{
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), 3 * std::size_t(a.Width())) != 0)
            return false;
    return true;
}

void ExpectSameAsReference(const Case& c, COLORREF key, COLORREF replacement, unsigned seed)
{
    const CDibImage source = Noise(c.sourceWidth, c.sourceHeight, seed);
    CDibImage fast, slow;
    ASSERT_TRUE(fast.Create(c.targetWidth, c.targetHeight, 24, 0x123456));
    ASSERT_TRUE(slow.Create(c.targetWidth, c.targetHeight, 24, 0x123456));
    ASSERT_TRUE(DibResampler::Resample(fast, c.dest, source, c.src, key, replacement));
    if (c.src.width > c.dest.width || c.src.height > c.dest.height)
        reference::ReferenceReduce(slow, c.dest, source, c.src, key, replacement);
    else
        reference::ReferenceEnlarge(slow, c.dest, source, c.src, key, replacement);
    EXPECT_TRUE(SameBytes(fast, slow)) << c.sourceWidth << "x" << c.sourceHeight << " -> " << c.dest.width << "x"
                                       << c.dest.height << " key " << std::hex << key;
}

const std::vector<Case>& Cases()
{
    static const std::vector<Case> cases = {
        // reductions: odd widths, non-integer factors, one axis only
        {401, 301, {0, 0, 180, 135}, {0, 0, 401, 301}, 180, 135},
        {333, 97, {0, 0, 101, 33}, {0, 0, 333, 97}, 101, 33},
        {255, 255, {0, 0, 254, 255}, {0, 0, 255, 255}, 254, 255},
        // whole factors: many averages fall exactly half-way between bytes
        {96, 64, {0, 0, 48, 32}, {0, 0, 96, 64}, 48, 32},
        {120, 90, {0, 0, 40, 45}, {0, 0, 120, 90}, 40, 45},
        {121, 61, {0, 0, 20, 61}, {0, 0, 120, 61}, 20, 61},
        {640, 17, {0, 0, 7, 17}, {0, 0, 640, 17}, 7, 17},
        {121, 77, {0, 0, 40, 90}, {0, 0, 121, 77}, 40, 90},
        // a source region reaching past the image, a target cut at its edges
        {200, 150, {-13, -7, 90, 70}, {30, 20, 190, 150}, 71, 55},
        {97, 61, {5, 3, 41, 23}, {-10, -4, 120, 80}, 60, 40},
        // enlargements
        {60, 45, {0, 0, 180, 135}, {0, 0, 60, 45}, 180, 135},
        {31, 17, {0, 0, 101, 57}, {0, 0, 31, 17}, 101, 57},
        {1, 1, {0, 0, 9, 5}, {0, 0, 1, 1}, 9, 5},
        {50, 40, {-20, 11, 150, 120}, {3, 2, 40, 30}, 133, 101},
        {45, 33, {0, 0, 45, 99}, {0, 0, 45, 33}, 45, 99},
        {12, 9, {0, 0, 37, 29}, {-4, -3, 12, 9}, 37, 29},
    };
    return cases;
}

} // namespace

TEST(ResampleReference, SameBytesForEveryKeyAndSize)
{
    unsigned seed = 1;
    for (const Case& c : Cases()) {
        ExpectSameAsReference(c, transparentKey, keyReplacement, seed++);
        ExpectSameAsReference(c, colorNone, colorNone, seed++);
        ExpectSameAsReference(c, 0xFFFFFF, 0xFEFEFE, seed++);
    }
}

TEST(ResampleReference, OneThreadGivesWhatSeveralGive)
{
    RowBands::SetMaximumBands(1);
    for (const Case& c : Cases())
        ExpectSameAsReference(c, transparentKey, keyReplacement, 77);
    RowBands::SetMaximumBands(64);
}

TEST(ResampleReference, BaselineLoopsGiveWhatWideOnesGive)
{
    CpuFeatures::SetWideAllowed(false);
    unsigned seed = 100;
    for (const Case& c : Cases()) {
        ExpectSameAsReference(c, transparentKey, keyReplacement, seed++);
        ExpectSameAsReference(c, colorNone, colorNone, seed++);
    }
    CpuFeatures::SetWideAllowed(true);
}

TEST(ResampleReference, QuotientsNearAHalfRoundAsTheDivisionDoes)
{
    // Every sum of whole byte values for areas of 2 to 40 pixels in eighths,
    // and sums a hair beside each tie: the multiplication the wide loop uses
    // must fall back on the division wherever the two could round apart.
    if (!DibReductionAvx2::Available())
        GTEST_SKIP() << "no AVX2 here";
    std::vector<double> sums;
    std::vector<double> areas;
    for (int eighths = 16; eighths <= 320; ++eighths)
        areas.push_back(eighths / 8.0);
    areas.push_back((4000.0 / 1800) * (3000.0 / 1350));
    std::size_t differing = 0;
    for (const double area : areas) {
        sums.clear();
        for (int s = 0; s <= int(255 * area); ++s)
            sums.push_back(s);
        for (int k = 1; k <= 255; ++k)
            for (const double tie : {(k - 0.5) * area, std::nextafter((k - 0.5) * area, 0.0), std::nextafter((k - 0.5) * area, 1e9)})
                sums.push_back(tie);
        std::vector<int> wide(sums.size()), expected(sums.size());
        DibReductionAvx2::ToBytes(sums.data(), sums.size(), area, wide.data());
        for (std::size_t i = 0; i < sums.size(); ++i) {
            expected[i] = std::min(255, int(sums[i] / area + 0.5));
            differing += std::size_t(std::fabs(sums[i] * (1.0 / area) + 0.5 - std::floor(sums[i] * (1.0 / area) + 0.5)) < 1e-12
                                     && int(sums[i] * (1.0 / area) + 0.5) != expected[i]);
        }
        ASSERT_EQ(wide, expected) << "area " << area;
    }
    // The inputs do reach the cases where the multiplication alone is wrong.
    EXPECT_GT(differing, 0u);
}

TEST(ResampleReference, FullPlateSizes)
{
    // The sizes a photo meets: a camera picture onto the plate and a small
    // picture enlarged to it, bands over many threads' worth of rows.
    ExpectSameAsReference({1200, 900, {0, 0, 541, 406}, {0, 0, 1200, 900}, 541, 406}, transparentKey, keyReplacement, 5);
    ExpectSameAsReference({180, 135, {0, 0, 541, 406}, {0, 0, 180, 135}, 541, 406}, transparentKey, keyReplacement, 6);
}
