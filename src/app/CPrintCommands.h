#pragma once

#include "output/dialogs/CPrintSetupDlg.h"
#include "view/CVeldraView.h"
#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

class CDocumentManager;
class CVeldraApp;
class CVeldraDoc;
class QMainWindow;

// Print, print without asking, and Print Setup: the printer is chosen in our
// own dialog, the layout bound to the printer so that its pixels are the
// printer's dots, and the plate sent 1:1, as a raster job to the engraver or
// as a lossless proof to any other printer.
class CPrintCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CPrintCommands)

public:
    CPrintCommands(CVeldraApp& app, CVeldraDoc& doc, CVeldraView& view, CDocumentManager& documents,
                   QMainWindow* window);
    ~CPrintCommands();

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The chosen printer's dots per inch and page, for a new or opened
    // layout; false without one.
    bool QueryDevice(CVeldraView::DeviceCaps& caps) const;
    // Prints the layout on the chosen printer; tells the user when the job
    // could not start. False then, with the layout as it was.
    bool PrintLayout(int copies);

private:
    void PrintSetup();
    void PrintWithDialog();
    // Runs the printer dialog; true, with the copies, when the user chose a
    // queue, which is then the program's printer.
    bool RunPrinterDialog(CPrintSetupDlg::Mode mode, int& copies);
    // Makes the queue the program's printer and the document's.
    void ChoosePrinter(const QString& queue);
    void BindToPrinter();

    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    CVeldraView& m_view;
    CDocumentManager& m_documents;
    QMainWindow* m_pWindow;
};
