#pragma once

#include "CRasterPage.h"
#include "IPrintTarget.h"

#include "platform/CEngraverAdjustments.h"

#include <QCoreApplication>
#include <QString>

class CEngraverDevice;

// The plate as a raster job on the engraver's queue, with the document's
// title as the job's name and the copies and the three adjustments as its
// options; or, given a file, the very bytes that job would carry.
class CEngraverJob : public IPrintTarget
{
    Q_DECLARE_TR_FUNCTIONS(CEngraverJob)

public:
    CEngraverJob(const CEngraverDevice& device, QString title, int copies, const CEngraverAdjustments& adjustments);

    // Writes the job's document to this file instead of the queue.
    void SetOutputFile(const QString& path) { m_strOutputFile = path; }

    bool CanStart() override;
    bool PrintPage(const CDibImage& plate, CSize offset) override;

    // The scheduler's number for the job sent; 0 before or for a file.
    int JobId() const override { return m_nJobId; }
    // Why the job could not be sent, for the log or the tool's message.
    QString Error() const override { return m_strError; }

    static CRasterPage::Format PageFormat(const CEngraverDevice& device, int copies);

private:
    bool SendToQueue(const CDibImage& plate, CSize offset);
    bool WriteToFile(const CDibImage& plate, CSize offset);

    QString m_strQueue;
    QString m_strTitle;
    CRasterPage::Format m_format;
    CEngraverAdjustments m_adjustments;
    QString m_strOutputFile;
    int m_nJobId = 0;
    QString m_strError;
};
