#pragma once

#include "imaging/CDibImage.h"

#include <QCoreApplication>
#include <QString>

#include <sane/sane.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Turns the frames a scanner sends into one DIB: grey (1, 8 or 16 bits per
// sample), interleaved RGB (1, 8 or 16 bits per sample) or three single-colour
// frames. Line art becomes a 1-bit image (black = 0, white = 1), grey an 8-bit
// grey-palette image, colour 24 bits; 16-bit samples keep their high byte.
//
// The frame parameters come from a device we do not trust: sizes that
// disagree with each other, that exceed what a picture can be, or lines that
// never end (a hand scanner announces -1 lines) fail cleanly instead of
// allocating without bound.
class CScanFrameAssembler
{
    Q_DECLARE_TR_FUNCTIONS(CScanFrameAssembler)

public:
    static constexpr std::int64_t maxPixels = 600'000'000;

    // Starts the next frame; false when its parameters cannot be a picture
    // or do not fit the frames before it.
    bool BeginFrame(const SANE_Parameters& parameters);
    // Takes the next bytes of the current frame in any slicing.
    bool Append(const std::uint8_t* data, std::size_t length);
    // The device ended the frame; false when it sent no whole line or fewer
    // lines than an earlier frame.
    bool EndFrame();
    // Hands the finished picture over; false (image untouched) when no frame
    // was completed or the image could not be made.
    bool Finish(CDibImage& image);

    // How far the scan is, 0..100, counting the frames still to come; -1
    // while the length is unknown.
    int Percent() const;
    const QString& Error() const { return m_error; }

private:
    bool Fail(const QString& error);
    bool CheckParameters(const SANE_Parameters& parameters);
    bool FitsEarlierFrames(const SANE_Parameters& parameters);
    bool StartPicture(const SANE_Parameters& parameters);
    bool TakeLine(const std::uint8_t* line);
    bool AddRow();
    bool Resize(int rows);
    void ConvertLine(const std::uint8_t* line, std::uint8_t* row) const;

    SANE_Parameters m_frame{};
    bool m_inFrame = false;
    int m_framesDone = 0;
    int m_framesExpected = 1;
    int m_rowInFrame = 0;
    std::int64_t m_frameBytes = 0;

    // The picture, written row by row as lines arrive: made at the announced
    // height, or grown by doubling while the height is unknown. m_height
    // counts the rows the first frame filled.
    CDibImage m_picture;
    int m_bitCount = 0;
    int m_width = 0;
    int m_height = 0;

    // The start of a line split across two reads.
    std::vector<std::uint8_t> m_partial;
    std::size_t m_partialFill = 0;

    QString m_error;
};
