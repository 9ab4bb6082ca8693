#include "CBatchCommands.h"

#include "CDocumentManager.h"
#include "settings/CSettingsStore.h"
#include "CVeldraApp.h"

#include "batch/CBatchPrint.h"
#include "batch/window/CDataSourceDlg.h"
#include "batch/window/CPrintBatchDlg.h"
#include "batch/window/CRecordNavigator.h"
#include "document/CVeldraDoc.h"
#include "output/CEngraverDevice.h"
#include "output/CPrintTargets.h"
#include "view/CCommandState.h"
#include "view/CVeldraView.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>
#include <QUrl>

namespace {

const QString sourcesSection = QStringLiteral("DataSources");

} // namespace

CBatchCommands::CBatchCommands(CVeldraApp& app, CVeldraDoc& doc, CVeldraView& view, CDocumentManager& documents,
                               QMainWindow* window)
    : m_app(app), m_doc(doc), m_view(view), m_documents(documents), m_pWindow(window), m_display(doc)
{
    m_documents.AddSettledListener([this](bool replaced) { LayoutSettled(replaced); });
}

CBatchCommands::~CBatchCommands() = default;

bool CBatchCommands::OnCommand(CommandId id)
{
    const int record = m_display.Record();
    switch (id) {
    case CommandId::DataSource: AskForSource(); return true;
    case CommandId::PrintBatch: AskAndPrint(); return true;
    case CommandId::RecordFirst: ShowRecord(1); return true;
    case CommandId::RecordPrevious: ShowRecord(record - 1); return true;
    case CommandId::RecordNext: ShowRecord(record + 1); return true;
    case CommandId::RecordLast: ShowRecord(m_display.RecordCount()); return true;
    default: return false;
    }
}

bool CBatchCommands::OnUpdateCommand(CommandId id, CCommandState& state)
{
    const int record = m_display.Record();
    const int count = m_display.RecordCount();
    switch (id) {
    case CommandId::DataSource:
    case CommandId::PrintBatch: return true;
    case CommandId::RecordFirst:
    case CommandId::RecordPrevious: state.enabled = count > 0 && record > 1; return true;
    case CommandId::RecordNext:
    case CommandId::RecordLast: state.enabled = count > 0 && record < count; return true;
    default: return false;
    }
}

void CBatchCommands::SetNavigator(CRecordNavigator* navigator)
{
    m_pNavigator = navigator;
    m_pNavigator->SetRecordSink([this](int record) { ShowRecord(record); });
    m_pNavigator->SetCloseSink([this] { CloseSource(); });
    Refresh();
}

CPlateRenderer* CBatchCommands::ShownPlate()
{
    CRecordLayout* shown = m_display.Shown();
    return shown ? &shown->Renderer() : nullptr;
}

void CBatchCommands::AskForSource()
{
    const QString start = m_display.Source() ? m_display.Source()->Path() : QFileInfo(m_documents.PathName()).path();
    const QString path = QFileDialog::getOpenFileName(
        m_pWindow, tr("Data Source"), start,
        tr("Data files (*.csv *.tsv *.txt *.tab)") + QStringLiteral(";;") + tr("All files (*)"));
    if (path.isEmpty())
        return;
    // The columns the file holds, read as its header suggests; the user
    // may read it with another separator.
    CDataSourceDlg dialog(path, m_pWindow);
    if (dialog.exec() == QDialog::Accepted && dialog.Source())
        ChooseSource(*dialog.Source());
}

bool CBatchCommands::ChooseSource(CDataSource source)
{
    QString error;
    const QString path = source.Path();
    if (!m_display.SetSource(std::move(source), &error)) {
        Warn(error);
        return false;
    }
    if (!m_documents.PathName().isEmpty())
        Remember(m_documents.PathName(), path);
    Refresh();
    return true;
}

bool CBatchCommands::ShowRecord(int record)
{
    QString error;
    if (!m_display.ShowRecord(record, &error)) {
        Warn(error);
        Refresh();
        return false;
    }
    Refresh();
    return true;
}

void CBatchCommands::CloseSource()
{
    m_display.Clear();
    if (!m_documents.PathName().isEmpty())
        Remember(m_documents.PathName(), {});
    Refresh();
}

void CBatchCommands::Refresh()
{
    if (m_pNavigator) {
        const CDataSource* source = m_display.Source();
        m_pNavigator->ShowPosition(m_display.Record(), m_display.RecordCount(),
                                   source ? QFileInfo(source->Path()).fileName() : QString(),
                                   CBatchRun::ShrunkText(m_display.ShrunkRecords()));
    }
    m_view.viewport()->update();
}

// A layout saved under a name keeps its source, now remembered for that
// name too; a layout opened or made new gets its own, if one was chosen
// for its path before.
void CBatchCommands::LayoutSettled(bool replaced)
{
    const QString path = m_documents.PathName();
    if (!replaced) {
        if (m_display.Source() && !path.isEmpty())
            Remember(path, m_display.Source()->Path());
        return;
    }
    m_display.Clear();
    const QString remembered = path.isEmpty() ? QString() : RememberedSource(path);
    QString error;
    std::optional<CDataSource> source = remembered.isEmpty() ? std::nullopt : CDataSource::Load(remembered, &error);
    if (source && !m_display.SetSource(std::move(*source), &error))
        m_pWindow->statusBar()->showMessage(error, 10000);
    Refresh();
}

void CBatchCommands::AskAndPrint()
{
    const QString printer = m_app.Settings().printer.device;
    CPrintBatchDlg dialog(m_display.IsActive() ? m_display.RecordCount() : 0, m_display.Record(),
                          printer.isEmpty() ? tr("the default printer") : printer, m_pWindow);
    if (dialog.exec() == QDialog::Accepted)
        PrintBatch(dialog.Range());
}

bool CBatchCommands::PrintBatch(const CRecordRange& range)
{
    QString error;
    std::unique_ptr<CRecordLayout> layout = CRecordLayout::Make(m_doc, &error);
    const CDataSource data = m_display.Source() ? *m_display.Source() : CDataSource::Counted(range.last);
    if (layout && !layout->HasFields())
        error = tr("The layout has no fields: write {Column}, {#}, {serial} or {date} in a text.");
    else if (layout)
        error = layout->MissingColumns(data);
    CEngraverDevice device(m_app.Settings().printer.device);
    if (error.isEmpty() && !device.Query())
        error = tr("Could not start print job.");
    if (!error.isEmpty()) {
        Warn(error);
        return false;
    }
    QProgressDialog progress(tr("Printing the batch..."), tr("Cancel"), 0, range.Count(), m_pWindow);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const CEngraverAdjustments adjustments = m_doc.Adjustments().Get();
    const CBatchPrint::Result result = CBatchPrint::Run(
        *layout, data, range, QDate::currentDate(), device, m_documents.Title(),
        [&](const QString& title) { return CPrintTargets::For(device, title, 1, adjustments); },
        [&](int done, int total) {
            progress.setValue(done);
            progress.setLabelText(tr("Printing record %1 of %2...").arg(range.first + done).arg(range.last));
            QApplication::processEvents();
            return done == total || !progress.wasCanceled();
        });
    progress.reset();
    const QString shrunk = CBatchRun::ShrunkText(result.run.shrunkRecords);
    m_pWindow->statusBar()->showMessage(
        tr("%1 of %2 plates sent to %3.").arg(result.run.done).arg(range.Count()).arg(device.DeviceName())
        + (shrunk.isEmpty() ? QString() : QLatin1Char(' ') + shrunk));
    if (result.run.failedRecord > 0)
        Warn(tr("Could not print record %1.\n%2\n%3 plates were sent before it.")
                 .arg(result.run.failedRecord)
                 .arg(result.run.error)
                 .arg(result.run.done));
    return result.run.Ok();
}

void CBatchCommands::Warn(const QString& message) const
{
    QMessageBox::warning(m_pWindow, QCoreApplication::applicationName(), message);
}

QString CBatchCommands::RememberedSource(const QString& layoutPath) const
{
    return CSettingsStore().ReadString(sourcesSection, QString::fromLatin1(QUrl::toPercentEncoding(layoutPath)));
}

void CBatchCommands::Remember(const QString& layoutPath, const QString& dataPath) const
{
    CSettingsStore store;
    const QString key = QString::fromLatin1(QUrl::toPercentEncoding(layoutPath));
    if (dataPath.isEmpty())
        store.DeleteValue(sourcesSection, key);
    else
        store.WriteString(sourcesSection, key, dataPath);
}
