#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

// What a printer says about itself when the layout is bound to it: its
// resolution and its page, read from its queue's PPD: the paper the user
// chose for the queue (Print Setup keeps it among the user's options), else
// the PPD's default. For the engraver the page is the plate; for any other
// printer it is its physical paper, which is the same PPD entry.
class CEngraverDevice
{
public:
    // device: the queue name; empty means the system's default queue.
    explicit CEngraverDevice(QString device);

    // False when there is no such queue or its PPD cannot be had.
    bool Query();

    const QString& DeviceName() const { return m_strDevice; }
    // The queue's make and model, the driver's name.
    const QString& DriverName() const { return m_strDriver; }
    // The engraver by its queue name or its driver's name.
    bool IsEngraver() const;
    int Resolution() const { return m_nResolution; }
    // The page in 0.1 mm.
    int PageWidth() const { return m_nPageWidth; }
    int PageHeight() const { return m_nPageHeight; }
    // The same page as the PPD has it: its keyword and its size in points.
    const QString& PaperName() const { return m_strPaper; }
    QSizeF PagePoints() const { return m_pagePoints; }
    // Where the printer can print on that page, in points from its top-left.
    QRectF PrintablePoints() const { return m_printablePoints; }
    // The page in device pixels at the resolution, as a raster page has it.
    int PageWidthDots() const;
    int PageHeightDots() const;

    static int PointsToTenthMm(double points);

private:
    QString m_strDevice;
    QString m_strDriver;
    int m_nResolution = 0;
    int m_nPageWidth = 0;
    int m_nPageHeight = 0;
    QString m_strPaper;
    QSizeF m_pagePoints;
    QRectF m_printablePoints;
};
