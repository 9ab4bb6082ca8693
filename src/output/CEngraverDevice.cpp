#include "CEngraverDevice.h"

#include "CCupsDestinations.h"
#include "CCupsPpd.h"

#include <cmath>

CEngraverDevice::CEngraverDevice(QString device)
    : m_strDevice(std::move(device))
{
}

int CEngraverDevice::PointsToTenthMm(double points)
{
    return int(std::lround(points * 254.0 / 72.0));
}

bool CEngraverDevice::Query()
{
    QString queue;
    {
        const CCupsDestinations destinations;
        const cups_dest_t* dest = destinations.Find(m_strDevice);
        if (!dest)
            return false;
        queue = QString::fromUtf8(dest->name);
    }
    const CCupsPpd ppd(queue);
    const int resolution = ppd.DefaultResolution();
    const QSizeF paper = ppd.DefaultPaperPoints();
    if (resolution <= 0 || paper.isEmpty())
        return false;
    m_strDevice = queue;
    m_nResolution = resolution;
    m_nPageWidth = PointsToTenthMm(paper.width());
    m_nPageHeight = PointsToTenthMm(paper.height());
    return true;
}
