#pragma once

#include <QCoreApplication>
#include <QString>

// A module is a whole number of engraver dots, so that no module of a
// code is a dot wider than its neighbour: a size in millimetres snaps to
// the nearest whole dots at the layout's resolution.
class CModuleSize
{
    Q_DECLARE_TR_FUNCTIONS(CModuleSize)

public:
    static constexpr int minimumDots = 2;

    static int Dots(double millimetres, int dpi);
    static double Millimetres(int dots, int dpi);
    // The smallest size in millimetres (to a thousandth) that snaps to the
    // minimum.
    static double SmallestMillimetres(int dpi);
    // Empty when the size snaps to at least the minimum; otherwise why
    // not, with the smallest size that works.
    static QString Problem(double millimetres, int dpi);
};
