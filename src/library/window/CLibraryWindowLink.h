#pragma once

#include <QPointer>

class CSymbolDlg;

// The layout's hold on the library window while one is open, so that a
// command which added an entry can have the window list it.
class CLibraryWindowLink
{
public:
    void Publish(CSymbolDlg* window);
    void Withdraw(CSymbolDlg* window);
    CSymbolDlg* OpenWindow() const;
    // Asks the open window, if any, to refresh once the current command is
    // over.
    void PostRefresh() const;

private:
    QPointer<CSymbolDlg> m_window;
};
