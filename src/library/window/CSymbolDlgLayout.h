#pragma once

#include <QRect>
#include <QSize>

// Where the library window's controls go in a client area of a given size,
// for buttons a wide and b high: Add and Delete at the bottom left, OK and
// Cancel at the bottom right, the list above them.
struct CSymbolDlgLayout
{
    QRect list;
    QRect ok;
    QRect cancel;
    QRect add;
    QRect remove;

    static CSymbolDlgLayout For(QSize client, QSize button);
    // The smallest client area: four buttons and their gaps wide, one button
    // and the list's least height high.
    static QSize MinimumClient(QSize button);
};
