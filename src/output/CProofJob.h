#pragma once

#include "IPrintTarget.h"

#include <QCoreApplication>
#include <QString>

// The plate on an ordinary printer, for a proof on paper: at its physical
// size (one plate pixel is one dot of the layout's resolution), centred on
// the printable page. Images go into the job lossless: the printing system
// would otherwise store them as JPEG and smear the dots.
class CProofJob : public IPrintTarget
{
    Q_DECLARE_TR_FUNCTIONS(CProofJob)

public:
    // plateResolution: the plate's dots per inch.
    CProofJob(QString queue, QString title, int copies, int plateResolution);

    // Writes the job's document (PDF) to this file instead of the queue.
    void SetOutputFile(const QString& path) { m_strOutputFile = path; }

    bool CanStart() override;
    bool PrintPage(const CDibImage& plate, CSize offset) override;
    QString Error() const override { return m_strError; }

private:
    QString m_strQueue;
    QString m_strTitle;
    int m_nCopies;
    int m_nPlateResolution;
    QString m_strOutputFile;
    QString m_strError;
};
