#include "CScanFrameAssembler.h"

#include "imaging/CDibImage.h"
#include "imaging/DibLayout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

bool IsSingleColour(SANE_Frame format)
{
    return format == SANE_FRAME_RED || format == SANE_FRAME_GREEN || format == SANE_FRAME_BLUE;
}

// Where a colour lands in a B,G,R pixel.
int ChannelOffset(SANE_Frame format)
{
    return format == SANE_FRAME_RED ? 2 : format == SANE_FRAME_GREEN ? 1 : 0;
}

int OutputBitCount(const SANE_Parameters& parameters)
{
    if (parameters.format != SANE_FRAME_GRAY)
        return 24;
    return parameters.depth == 1 ? 1 : 8;
}

std::int64_t MinimumBytesPerLine(const SANE_Parameters& parameters)
{
    const std::int64_t channels = parameters.format == SANE_FRAME_RGB ? 3 : 1;
    return (std::int64_t(parameters.pixels_per_line) * channels * parameters.depth + 7) / 8;
}

// Sample `index` of a line as 8 bits. 16-bit samples come in the machine's
// byte order; a colour bit at depth 1 is full intensity.
std::uint8_t Sample(const std::uint8_t* line, std::int64_t index, int depth)
{
    if (depth == 8)
        return line[index];
    if (depth == 16) {
        std::uint16_t value;
        std::memcpy(&value, line + 2 * index, 2);
        return std::uint8_t(value >> 8);
    }
    return (line[index >> 3] >> (7 - (index & 7))) & 1 ? 255 : 0;
}

void ConvertGray(const std::uint8_t* line, std::uint8_t* row, int width, int depth)
{
    if (depth == 1) {
        // The scanner's 1 is black; in our line art index 0 is black.
        for (int i = 0; i < (width + 7) / 8; ++i)
            row[i] = std::uint8_t(~line[i]);
    } else if (depth == 8) {
        std::memcpy(row, line, std::size_t(width));
    } else {
        for (int x = 0; x < width; ++x)
            row[x] = Sample(line, x, depth);
    }
}

// Red,green,blue to blue,green,red for the first `width` pixels; returns
// how many it did. Colour scans are the big ones, and the byte-by-byte swap
// was most of a scan's own cost.
#if defined(__x86_64__)
__attribute__((target("ssse3"))) int SwapRedBlueSsse3(const std::uint8_t* line, std::uint8_t* row, int width)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 12, 13, 14, 15);
    int x = 0;
    // Four pixels at a time; the 16-byte load and store stay inside the line.
    for (; 3 * (x + 4) + 4 <= 3 * width; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + 3 * x), _mm_shuffle_epi8(pixels, order));
    }
    return x;
}

int SwapRedBlueFast(const std::uint8_t* line, std::uint8_t* row, int width)
{
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3 ? SwapRedBlueSsse3(line, row, width) : 0;
}
#else
int SwapRedBlueFast(const std::uint8_t*, std::uint8_t*, int) { return 0; }
#endif

void ConvertRgb(const std::uint8_t* line, std::uint8_t* row, int width, int depth)
{
    if (depth == 8) {
        for (int x = SwapRedBlueFast(line, row, width); x < width; ++x) {
            row[3 * x] = line[3 * x + 2];
            row[3 * x + 1] = line[3 * x + 1];
            row[3 * x + 2] = line[3 * x];
        }
        return;
    }
    for (int x = 0; x < width; ++x) {
        for (int c = 0; c < 3; ++c)
            row[3 * x + 2 - c] = Sample(line, 3 * std::int64_t(x) + c, depth);
    }
}

void ConvertChannel(const std::uint8_t* line, std::uint8_t* row, int width, int depth, int offset)
{
    for (int x = 0; x < width; ++x)
        row[3 * x + offset] = Sample(line, x, depth);
}

// Line art: 0 black, 1 white; grey: index = grey level.
std::vector<COLORREF> PaletteFor(int bitCount)
{
    std::vector<COLORREF> table;
    for (int i = 0; i < DibLayout::TableEntries(bitCount); ++i) {
        const int level = bitCount == 1 ? i * 255 : i;
        table.push_back(RGB(level, level, level));
    }
    return table;
}

} // namespace

bool CScanFrameAssembler::Fail(const QString& error)
{
    m_error = error;
    return false;
}

bool CScanFrameAssembler::BeginFrame(const SANE_Parameters& parameters)
{
    if (m_inFrame)
        return Fail(tr("The scanner started a new frame before ending the last one."));
    if (!CheckParameters(parameters))
        return false;
    if (m_framesDone == 0 ? !StartPicture(parameters) : !FitsEarlierFrames(parameters))
        return false;
    m_frame = parameters;
    m_inFrame = true;
    m_rowInFrame = 0;
    m_frameBytes = 0;
    m_partialFill = 0;
    try {
        m_partial.resize(std::size_t(parameters.bytes_per_line));
    } catch (const std::bad_alloc&) {
        return Fail(tr("There is not enough memory for the scanned picture."));
    }
    return true;
}

bool CScanFrameAssembler::CheckParameters(const SANE_Parameters& p)
{
    const bool knownFormat = p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB || IsSingleColour(p.format);
    if (!knownFormat || (p.depth != 1 && p.depth != 8 && p.depth != 16))
        return Fail(tr("The scanner sends pictures in a format this program cannot read."));
    if (p.pixels_per_line <= 0 || p.bytes_per_line <= 0 || p.lines == 0 || p.lines < -1)
        return Fail(tr("The scanner reported an impossible picture size."));
    // Some devices pad their lines; no honest one pads them to twice their length.
    const std::int64_t minimum = MinimumBytesPerLine(p);
    if (p.bytes_per_line < minimum || p.bytes_per_line > 2 * minimum + 1024)
        return Fail(tr("The scanner reported a line length that does not match its picture width."));
    const int rows = p.lines > 0 ? p.lines : 1;
    if (std::int64_t(p.pixels_per_line) * rows > maxPixels
        || !DibLayout::IsAcceptableSize(p.pixels_per_line, rows, OutputBitCount(p)))
        return Fail(tr("The scanned picture would be too large."));
    return true;
}

bool CScanFrameAssembler::StartPicture(const SANE_Parameters& p)
{
    m_bitCount = OutputBitCount(p);
    m_width = p.pixels_per_line;
    m_height = 0;
    m_framesExpected = IsSingleColour(p.format) ? 3 : 1;
    return Resize(p.lines > 0 ? p.lines : 64);
}

bool CScanFrameAssembler::Resize(int rows)
{
    const std::vector<COLORREF> table = PaletteFor(m_bitCount);
    CDibImage resized;
    if (!resized.Create(m_width, rows, m_bitCount, colorNone, table.empty() ? nullptr : table.data()))
        return Fail(tr("There is not enough memory for the scanned picture."));
    // Same width, same stride: the rows so far move in one piece.
    if (m_height > 0)
        std::memcpy(resized.Bits(), m_picture.Bits(), resized.Stride() * std::size_t(std::min(rows, m_height)));
    m_picture = std::move(resized);
    return true;
}

bool CScanFrameAssembler::AddRow()
{
    if (m_frame.lines > 0 && m_rowInFrame >= m_frame.lines)
        return Fail(tr("The scanner sent more lines than it announced."));
    if (m_height == m_picture.Height()) {
        const int rows = int(std::min<std::int64_t>({std::int64_t(m_height) * 2, DibLayout::maxSide,
                                                     maxPixels / m_width}));
        if (rows <= m_height || !DibLayout::IsAcceptableSize(m_width, rows, m_bitCount))
            return Fail(tr("The scanned picture would be too large."));
        if (!Resize(rows))
            return false;
    }
    ++m_height;
    return true;
}

bool CScanFrameAssembler::FitsEarlierFrames(const SANE_Parameters& p)
{
    if (!IsSingleColour(m_frame.format) || !IsSingleColour(p.format) || p.pixels_per_line != m_width
        || (p.lines != -1 && p.lines < m_height))
        return Fail(tr("The scanner's colour frames do not fit together."));
    return true;
}

bool CScanFrameAssembler::Append(const std::uint8_t* data, std::size_t length)
{
    if (!m_inFrame)
        return Fail(tr("The scanner sent data outside a frame."));
    m_frameBytes += std::int64_t(length);
    const std::size_t lineBytes = std::size_t(m_frame.bytes_per_line);
    if (m_partialFill > 0) {
        const std::size_t take = std::min(lineBytes - m_partialFill, length);
        std::memcpy(m_partial.data() + m_partialFill, data, take);
        m_partialFill += take;
        data += take;
        length -= take;
        if (m_partialFill < lineBytes)
            return true;
        m_partialFill = 0;
        if (!TakeLine(m_partial.data()))
            return false;
    }
    for (; length >= lineBytes; data += lineBytes, length -= lineBytes) {
        if (!TakeLine(data))
            return false;
    }
    std::memcpy(m_partial.data(), data, length);
    m_partialFill = length;
    return true;
}

bool CScanFrameAssembler::TakeLine(const std::uint8_t* line)
{
    if (m_framesDone > 0) {
        if (m_rowInFrame >= m_height)
            return Fail(tr("The scanner's colour frames do not fit together."));
    } else if (!AddRow()) {
        return false;
    }
    ConvertLine(line, m_picture.Row(m_rowInFrame));
    ++m_rowInFrame;
    return true;
}

void CScanFrameAssembler::ConvertLine(const std::uint8_t* line, std::uint8_t* row) const
{
    if (m_frame.format == SANE_FRAME_GRAY)
        ConvertGray(line, row, m_width, m_frame.depth);
    else if (m_frame.format == SANE_FRAME_RGB)
        ConvertRgb(line, row, m_width, m_frame.depth);
    else
        ConvertChannel(line, row, m_width, m_frame.depth, ChannelOffset(m_frame.format));
}

bool CScanFrameAssembler::EndFrame()
{
    if (!m_inFrame)
        return Fail(tr("The scanner ended a frame it never started."));
    m_inFrame = false;
    // A broken last line is dropped; a device may end early, but the colour
    // frames of one picture must agree.
    if (m_rowInFrame == 0)
        return Fail(tr("The scanner sent no picture."));
    if (m_framesDone > 0 && m_rowInFrame != m_height)
        return Fail(tr("The scanner's colour frames do not fit together."));
    ++m_framesDone;
    return true;
}

bool CScanFrameAssembler::Finish(CDibImage& image)
{
    if (m_inFrame || m_framesDone == 0)
        return Fail(tr("The scanner sent no picture."));
    // A device that ended early, or one of unknown length, leaves spare rows.
    if (m_height < m_picture.Height() && !Resize(m_height))
        return false;
    image = std::move(m_picture);
    m_framesDone = 0;
    return true;
}

int CScanFrameAssembler::Percent() const
{
    if (m_frame.lines <= 0)
        return -1;
    const std::int64_t frameTotal = std::int64_t(m_frame.lines) * m_frame.bytes_per_line;
    const std::int64_t inFrame = m_inFrame ? std::min<std::int64_t>(100, m_frameBytes * 100 / frameTotal) : 0;
    return int(std::min<std::int64_t>(100, (m_framesDone * 100 + inFrame) / m_framesExpected));
}
