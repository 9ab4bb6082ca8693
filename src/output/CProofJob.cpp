#include "CProofJob.h"

#include "CCupsJob.h"
#include "CEngraverDevice.h"

#include "imaging/CDibImage.h"
#include "platform/CSafeSave.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Dots of the PDF's own grid; the plate's image keeps its pixels whatever
// this is.
constexpr int pdfResolution = 1200;

} // namespace

CProofJob::CProofJob(const CEngraverDevice& device, QString title, int copies, int plateResolution)
    : m_strQueue(device.DeviceName())
    , m_strTitle(std::move(title))
    , m_nCopies(std::max(1, copies))
    , m_nPlateResolution(plateResolution > 0 ? plateResolution : 529)
    , m_strPaper(device.PaperName())
    , m_paperPoints(device.PagePoints())
    , m_printablePoints(device.PrintablePoints())
{
    // A printer that names no paper gets A4, as an office's would.
    if (m_paperPoints.isEmpty()) {
        m_paperPoints = QPageSize(QPageSize::A4).size(QPageSize::Point);
        m_printablePoints = QRectF(QPointF(), m_paperPoints);
    }
}

// A job written to a file needs no printer.
bool CProofJob::CanStart()
{
    return !m_strOutputFile.isEmpty() || CCupsJob::QueueIsReady(m_strQueue, &m_strError);
}

bool CProofJob::PrintPage(const CDibImage& plate, CSize)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("proof.pdf"));
    if (!scratch.isValid() || !MakePdf(plate, path)) {
        m_strError = tr("The job could not be written.");
        return false;
    }
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly)) {
        m_strError = pdf.errorString();
        return false;
    }
    const QByteArray bytes = pdf.readAll();
    if (!m_strOutputFile.isEmpty())
        return CSafeSave::WriteBytes(m_strOutputFile, bytes, &m_strError);
    return SendToQueue(bytes);
}

bool CProofJob::MakePdf(const CDibImage& plate, const QString& path)
{
    QPdfWriter writer(path);
    writer.setTitle(m_strTitle);
    writer.setResolution(pdfResolution);
    const QPageSize paper(m_paperPoints, QPageSize::Point, m_strPaper, QPageSize::ExactMatch);
    const QMarginsF margins(m_printablePoints.left(), m_printablePoints.top(),
                            m_paperPoints.width() - m_printablePoints.right(),
                            m_paperPoints.height() - m_printablePoints.bottom());
    writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // The painter's origin is the printable area's corner.
    const QRect area = writer.pageLayout().paintRectPixels(pdfResolution);
    const double scale = double(pdfResolution) / m_nPlateResolution;
    const QSizeF size(plate.Width() * scale, plate.Height() * scale);
    painter.drawImage(QRectF(QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size),
                      plate.ToQImage());
    return painter.end();
}

bool CProofJob::SendToQueue(const QByteArray& pdf)
{
    CCupsJob::Options options = {{QStringLiteral("copies"), QString::number(m_nCopies)}};
    if (!m_strPaper.isEmpty()) {
        options.emplace_back(QStringLiteral("PageSize"), m_strPaper);
        options.emplace_back(QStringLiteral("media"), m_strPaper);
    }
    CCupsJob job;
    const auto* bytes = reinterpret_cast<const unsigned char*>(pdf.constData());
    if (!job.Start(m_strQueue, m_strTitle, options, "application/pdf") || !job.Write(bytes, std::size_t(pdf.size()))
        || !job.Finish()) {
        m_strError = job.Error().isEmpty() ? tr("The job could not be written.") : job.Error();
        return false;
    }
    m_nJobId = job.JobId();
    return true;
}
