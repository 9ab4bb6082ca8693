#include "CPrintCommands.h"

#include "CDocumentManager.h"
#include "CVeldraApp.h"

#include "document/CVeldraDoc.h"
#include "output/CCupsConnection.h"
#include "output/CCupsQueueList.h"
#include "output/CEngraverDevice.h"
#include "output/CPlatePrint.h"
#include "output/CPrintTargets.h"
#include "view/CVeldraView.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

CPrintCommands::CPrintCommands(CVeldraApp& app, CVeldraDoc& doc, CVeldraView& view, CDocumentManager& documents,
                               QMainWindow* window)
    : m_app(app), m_doc(doc), m_view(view), m_documents(documents), m_pWindow(window)
{
    // Printing waits for the scheduler in the window's own thread: a
    // scheduler that is slow to answer is told in the status bar, painted
    // at once, so the pause has a reason.
    CCupsConnection::SetWaitNotice([this](int boundSeconds) {
        m_pWindow->statusBar()->showMessage(tr("Waiting for the print scheduler to answer (at most %1 s)...").arg(boundSeconds));
        m_pWindow->statusBar()->repaint();
    });
}

CPrintCommands::~CPrintCommands()
{
    CCupsConnection::SetWaitNotice({});
}

bool CPrintCommands::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::FilePrintDirect:
        PrintLayout(1);
        return true;
    case CommandId::FilePrint:
        PrintWithDialog();
        return true;
    case CommandId::FilePrintSetup:
        PrintSetup();
        return true;
    default:
        return false;
    }
}

bool CPrintCommands::OnUpdateCommand(CommandId id, CCommandState&)
{
    return id == CommandId::FilePrintDirect || id == CommandId::FilePrint || id == CommandId::FilePrintSetup;
}

bool CPrintCommands::QueryDevice(CVeldraView::DeviceCaps& caps) const
{
    CEngraverDevice device(m_app.Settings().printer.device);
    if (!device.Query())
        return false;
    caps = {device.Resolution(), device.PageWidth(), device.PageHeight()};
    return true;
}

// Nothing of the layout changes before the printer is known to be there,
// running and taking jobs (CPlatePrint asks the target first): a failed
// print leaves the window as it was.
bool CPrintCommands::PrintLayout(int copies)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_pWindow->statusBar()->showMessage(tr("Sending %1 to the printer...").arg(m_documents.Title()));
    CEngraverDevice device(m_app.Settings().printer.device);
    bool printed = device.Query();
    QString outcome = tr("Could not start print job.");
    if (printed) {
        const std::unique_ptr<IPrintTarget> target =
            CPrintTargets::For(device, m_documents.Title(), copies, m_doc.Adjustments().Get());
        m_view.SetPrinting(true);
        printed = CPlatePrint::Print(
            m_doc, device,
            [this](int resolution, int width, int height) {
                m_view.SetDevice(resolution, width, height);
                m_view.SetZoom(m_view.Zoom());
            },
            *target);
        m_view.SetPrinting(false);
        m_view.Repaint();
        outcome = printed ? tr("Sent %1 to %2, job %3.").arg(m_documents.Title(), device.DeviceName()).arg(target->JobId())
                          : tr("Could not print %1 on %2: %3").arg(m_documents.Title(), device.DeviceName(), target->Error());
    }
    // What went where stays in the status bar until the next message.
    m_pWindow->statusBar()->showMessage(outcome);
    QGuiApplication::restoreOverrideCursor();
    if (!printed)
        QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), tr("Could not start print job."));
    return printed;
}

void CPrintCommands::ChoosePrinter(const QString& queue)
{
    m_app.ChoosePrinter(queue);
    m_doc.Adjustments().SetPrinter(m_app.CurrentPrinter());
}

// The dialog stores the paper and the engraver's adjustments itself on OK;
// the queue it hands back becomes the program's printer.
bool CPrintCommands::RunPrinterDialog(CPrintSetupDlg::Mode mode, int& copies)
{
    CPrintSetupDlg dialog(mode, CCupsQueueList().Queues(), m_app.Settings().printer.device, m_pWindow);
    if (dialog.exec() != QDialog::Accepted || dialog.QueueName().isEmpty())
        return false;
    ChoosePrinter(dialog.QueueName());
    copies = dialog.Copies();
    return true;
}

// What Print Setup's OK does after the choice: the selection goes, the
// layout takes the printer's dots and page, and a new layout starts from the
// printer's page rather than the material size remembered from before.
void CPrintCommands::BindToPrinter()
{
    CEngraverDevice device(m_app.Settings().printer.device);
    if (!device.Query())
        return;
    m_view.SetSelection(nullptr);
    m_view.SetDevice(device.Resolution(), device.PageWidth() * 10, device.PageHeight() * 10);
    m_app.Settings().materialSize = {0, 0};
    m_doc.SetSettings(m_app.Settings().DocumentSettings());
    m_view.SetZoom(m_view.Zoom());
}

void CPrintCommands::PrintSetup()
{
    int copies = 1;
    if (RunPrinterDialog(CPrintSetupDlg::Mode::setup, copies))
        BindToPrinter();
}

void CPrintCommands::PrintWithDialog()
{
    int copies = 1;
    if (RunPrinterDialog(CPrintSetupDlg::Mode::print, copies))
        PrintLayout(copies);
}
