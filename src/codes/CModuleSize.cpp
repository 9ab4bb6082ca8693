#include "CModuleSize.h"

#include <algorithm>
#include <cmath>

int CModuleSize::Dots(double millimetres, int dpi)
{
    if (!(millimetres > 0) || dpi <= 0 || millimetres > 1000)
        return 0;
    return int(std::lround(millimetres * dpi / 25.4));
}

double CModuleSize::Millimetres(int dots, int dpi)
{
    return dpi > 0 ? dots * 25.4 / dpi : 0;
}

double CModuleSize::SmallestMillimetres(int dpi)
{
    // Half a dot under the minimum already rounds up to it.
    double millimetres = std::ceil((minimumDots - 0.5) * 25.4 / std::max(dpi, 1) * 1000) / 1000;
    while (Dots(millimetres, dpi) < minimumDots)
        millimetres += 0.001;
    return millimetres;
}

QString CModuleSize::Problem(double millimetres, int dpi)
{
    if (Dots(millimetres, dpi) >= minimumDots)
        return {};
    return tr("A module of %1 mm is less than %2 dots at %3 dpi; the smallest module that works is %4 mm.")
        .arg(millimetres, 0, 'f', 3)
        .arg(minimumDots)
        .arg(dpi)
        .arg(SmallestMillimetres(dpi), 0, 'f', 3);
}
