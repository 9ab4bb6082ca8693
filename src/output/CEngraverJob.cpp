#include "CEngraverJob.h"

#include "CCupsJob.h"
#include "CEngraverDevice.h"

#include "platform/CSafeSave.h"

#include <cmath>

namespace {

constexpr const char* rasterType = "application/vnd.cups-raster";

} // namespace

CEngraverJob::CEngraverJob(const CEngraverDevice& device, QString title, int copies,
                           const CEngraverAdjustments& adjustments)
    : m_strQueue(device.DeviceName())
    , m_strTitle(std::move(title))
    , m_format(PageFormat(device, copies))
    , m_adjustments(adjustments.Clamped())
{
}

CRasterPage::Format CEngraverJob::PageFormat(const CEngraverDevice& device, int copies)
{
    const QSizeF points = device.PagePoints();
    return {device.Resolution(), device.PageWidthDots(), device.PageHeightDots(),
            int(std::lround(points.width())), int(std::lround(points.height())), device.PaperName(), copies};
}

// A job written to a file needs no printer.
bool CEngraverJob::CanStart()
{
    return !m_strOutputFile.isEmpty() || CCupsJob::QueueIsReady(m_strQueue, &m_strError);
}

bool CEngraverJob::PrintPage(const CDibImage& plate, CSize offset)
{
    return m_strOutputFile.isEmpty() ? SendToQueue(plate, offset) : WriteToFile(plate, offset);
}

bool CEngraverJob::WriteToFile(const CDibImage& plate, CSize offset)
{
    return CSafeSave::Write(
        m_strOutputFile,
        [&](QIODevice& file) {
            return CRasterPage::Write(plate, offset, m_format, [&file](const unsigned char* bytes, std::size_t length) {
                return file.write(reinterpret_cast<const char*>(bytes), qint64(length)) == qint64(length);
            });
        },
        &m_strError);
}

bool CEngraverJob::SendToQueue(const CDibImage& plate, CSize offset)
{
    CCupsJob::Options options = {
        {QStringLiteral("copies"), QString::number(std::max(1, m_format.copies))},
        {QStringLiteral("Brightness"), QString::number(m_adjustments.brightness)},
        {QStringLiteral("Contrast"), QString::number(m_adjustments.contrast)},
        {QStringLiteral("Gamma"), QString::number(m_adjustments.gamma)},
    };
    if (!m_format.paperName.isEmpty())
        options.emplace_back(QStringLiteral("PageSize"), m_format.paperName);
    CCupsJob job;
    if (!job.Start(m_strQueue, m_strTitle, options, rasterType)) {
        m_strError = job.Error();
        return false;
    }
    const bool sent = CRasterPage::Write(plate, offset, m_format, [&job](const unsigned char* bytes, std::size_t length) {
        return job.Write(bytes, length);
    });
    if (!sent || !job.Finish()) {
        m_strError = job.Error().isEmpty() ? tr("The job could not be written.") : job.Error();
        job.Cancel();
        return false;
    }
    m_nJobId = job.JobId();
    return true;
}
