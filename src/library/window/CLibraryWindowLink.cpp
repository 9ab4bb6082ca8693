#include "CLibraryWindowLink.h"

#include "CSymbolDlg.h"

void CLibraryWindowLink::Publish(CSymbolDlg* window)
{
    m_window = window;
}

CSymbolDlg* CLibraryWindowLink::OpenWindow() const
{
    return m_window.data();
}

void CLibraryWindowLink::Withdraw(CSymbolDlg* window)
{
    if (m_window == window)
        m_window.clear();
}

void CLibraryWindowLink::PostRefresh() const
{
    if (m_window)
        QMetaObject::invokeMethod(m_window.data(), &CSymbolDlg::Refresh, Qt::QueuedConnection);
}
