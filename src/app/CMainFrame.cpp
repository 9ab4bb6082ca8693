#include "CMainFrame.h"

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Veldra2"));
    resize(900, 700);
}
