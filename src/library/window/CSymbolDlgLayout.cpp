#include "CSymbolDlgLayout.h"

#include <algorithm>

CSymbolDlgLayout CSymbolDlgLayout::For(QSize client, QSize button)
{
    const int w = client.width(), h = client.height(), a = button.width(), b = button.height();
    const int top = h - b - 4;
    CSymbolDlgLayout layout;
    layout.ok = QRect(w - 2 * a - 12, top, a, b);
    layout.cancel = QRect(w - a - 6, top, a, b);
    layout.add = QRect(6, top, a, b);
    layout.remove = QRect(a + 12, top, a, b);
    layout.list = QRect(0, 0, w, std::max(0, h - b - 10));
    return layout;
}

QSize CSymbolDlgLayout::MinimumClient(QSize button)
{
    return {4 * button.width() + 30, button.height() + 76};
}
