#pragma once

#include "batch/CRecordDisplay.h"
#include "batch/CRecordRange.h"
#include "view/ICommandTarget.h"

#include <QCoreApplication>
#include <QString>

class CDocumentManager;
class CPlateRenderer;
class CRecordNavigator;
class CVeldraApp;
class CVeldraDoc;
class CVeldraView;
class QMainWindow;

// Plates from a data source: Data Source (the file chosen is remembered
// for the layout's path), the record shown in the view, the preview and
// Output to Bmp, and Print Batch, one job per record with progress and
// Cancel, stopping at the first job that fails.
class CBatchCommands : public ICommandTarget
{
    Q_DECLARE_TR_FUNCTIONS(CBatchCommands)

public:
    CBatchCommands(CVeldraApp& app, CVeldraDoc& doc, CVeldraView& view, CDocumentManager& documents,
                   QMainWindow* window);
    ~CBatchCommands();

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    void SetNavigator(CRecordNavigator* navigator);
    // What renders the plate the window shows; null: the layout itself.
    CPlateRenderer* ShownPlate();

    // Uses the data for the layout; tells the user why not.
    bool ChooseSource(CDataSource source);
    bool ShowRecord(int record);
    void CloseSource();
    // Prints the records; false when a job failed or the user cancelled.
    bool PrintBatch(const CRecordRange& range);

    CRecordDisplay& Display() { return m_display; }

private:
    void AskForSource();
    void AskAndPrint();
    void LayoutSettled(bool replaced);
    void Refresh();
    void Warn(const QString& message) const;
    QString RememberedSource(const QString& layoutPath) const;
    void Remember(const QString& layoutPath, const QString& dataPath) const;

    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    CVeldraView& m_view;
    CDocumentManager& m_documents;
    QMainWindow* m_pWindow;
    CRecordDisplay m_display;
    CRecordNavigator* m_pNavigator = nullptr;
};
