#pragma once

#include "IPrintTarget.h"

#include <QCoreApplication>
#include <QRectF>
#include <QSizeF>
#include <QString>

class CEngraverDevice;

// The plate on an ordinary printer, for a proof on paper: at its physical
// size (one plate pixel is one dot of the layout's resolution), centred on
// the printable area of the paper the user chose for the queue. The proof
// is made as PDF and sent through the scheduler like the engraver's jobs,
// so its job number is known. Images go into it lossless: the printing
// system would otherwise store them as JPEG and smear the dots.
class CProofJob : public IPrintTarget
{
    Q_DECLARE_TR_FUNCTIONS(CProofJob)

public:
    // plateResolution: the plate's dots per inch.
    CProofJob(const CEngraverDevice& device, QString title, int copies, int plateResolution);

    // Writes the job's document (PDF) to this file instead of the queue.
    void SetOutputFile(const QString& path) { m_strOutputFile = path; }

    bool CanStart() override;
    bool PrintPage(const CDibImage& plate, CSize offset) override;
    int JobId() const override { return m_nJobId; }
    QString Error() const override { return m_strError; }

private:
    bool MakePdf(const CDibImage& plate, const QString& path);
    bool SendToQueue(const QByteArray& pdf);

    QString m_strQueue;
    QString m_strTitle;
    int m_nCopies;
    int m_nPlateResolution;
    QString m_strPaper;
    QSizeF m_paperPoints;
    QRectF m_printablePoints;
    QString m_strOutputFile;
    int m_nJobId = 0;
    QString m_strError;
};
