#include "CEngraverDevice.h"

#include "CCupsClass.h"
#include "CCupsDestinations.h"
#include "CCupsPpd.h"
#include "CCupsPrinter.h"

#include <cmath>

CEngraverDevice::CEngraverDevice(QString device)
    : m_strDevice(std::move(device))
{
}

int CEngraverDevice::PointsToTenthMm(double points)
{
    return int(std::lround(points * 254.0 / 72.0));
}

bool CEngraverDevice::IsEngraver() const
{
    return CCupsPrinter::IsEngraverQueue(m_strDevice, m_strDriver);
}

int CEngraverDevice::PageWidthDots() const
{
    return int(std::lround(m_pagePoints.width() * m_nResolution / 72.0));
}

int CEngraverDevice::PageHeightDots() const
{
    return int(std::lround(m_pagePoints.height() * m_nResolution / 72.0));
}

bool CEngraverDevice::Query()
{
    QString queue;
    QString driver;
    QString ppdQueue;
    QString chosenPaper;
    {
        const CCupsDestinations destinations;
        const cups_dest_t* dest = destinations.Find(m_strDevice);
        if (!dest)
            return false;
        queue = QString::fromUtf8(dest->name);
        driver = CCupsClass::MakeAndModel(destinations, *dest);
        ppdQueue = CCupsClass::PpdQueue(destinations, *dest);
        chosenPaper = CCupsDestinations::Option(*dest, "PageSize");
    }
    const CCupsPpd ppd(ppdQueue);
    const int resolution = ppd.DefaultResolution();
    const CCupsPpd::PaperSize paper = ppd.Paper(chosenPaper);
    if (resolution <= 0 || paper.points.isEmpty())
        return false;
    m_strDevice = queue;
    m_strDriver = driver;
    m_nResolution = resolution;
    m_strPaper = paper.name;
    m_pagePoints = paper.points;
    m_printablePoints = paper.printable;
    m_nPageWidth = PointsToTenthMm(paper.points.width());
    m_nPageHeight = PointsToTenthMm(paper.points.height());
    return true;
}
