#include "CProofJob.h"

#include "CCupsJob.h"

#include "imaging/CDibImage.h"
#include "platform/CSafeSave.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>

CProofJob::CProofJob(QString queue, QString title, int copies, int plateResolution)
    : m_strQueue(std::move(queue))
    , m_strTitle(std::move(title))
    , m_nCopies(std::max(1, copies))
    , m_nPlateResolution(plateResolution > 0 ? plateResolution : 529)
{
}

// A job written to a file needs no printer.
bool CProofJob::CanStart()
{
    return !m_strOutputFile.isEmpty() || CCupsJob::QueueIsReady(m_strQueue, &m_strError);
}

bool CProofJob::PrintPage(const CDibImage& plate, CSize)
{
    QTemporaryDir scratch;
    QPrinter printer(QPrinter::HighResolution);
    if (m_strOutputFile.isEmpty()) {
        printer.setPrinterName(m_strQueue);
    } else {
        // Qt writes the file itself: into a scratch folder first, so that
        // the user's file is replaced only by a complete one.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(scratch.filePath(QStringLiteral("proof.pdf")));
    }
    printer.setDocName(m_strTitle);
    printer.setCopyCount(m_nCopies);
    printer.setFullPage(false);
    // The plate as laid out, pictures in their colours; a grey printer's
    // own filters make grey of them.
    printer.setColorMode(QPrinter::Color);

    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        m_strError = tr("The printer %1 cannot be used.").arg(m_strQueue);
        return false;
    }
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = double(printer.resolution()) / m_nPlateResolution;
    const QSizeF size(plate.Width() * scale, plate.Height() * scale);
    const QRectF target(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size);
    painter.drawImage(target, plate.ToQImage());
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        m_strError = tr("The job could not be written.");
        return false;
    }
    if (m_strOutputFile.isEmpty())
        return true;
    QFile pdf(printer.outputFileName());
    return pdf.open(QIODevice::ReadOnly) && CSafeSave::WriteBytes(m_strOutputFile, pdf.readAll(), &m_strError);
}
