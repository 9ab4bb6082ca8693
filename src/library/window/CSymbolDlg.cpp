#include "CSymbolDlg.h"

#include "CLibraryDrag.h"
#include "CLibraryGrid.h"
#include "CLibraryWindowLink.h"
#include "CSymbolDlgLayout.h"

#include "settings/CAppSettings.h"
#include "library/CLibraryFiles.h"
#include "library/CLibraryRefresh.h"
#include "platform/AnsiCodec.h"

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

QString TitleOf(int kind)
{
    switch (kind) {
    case CLibraryModel::material: return CSymbolDlg::tr("Material");
    case CLibraryModel::frame: return CSymbolDlg::tr("Frame");
    default: return CSymbolDlg::tr("Symbol");
    }
}

QPushButton* NewButton(QWidget* parent, int id, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CSymbolDlg::CSymbolDlg(int kind, QString folder, Services services, QWidget* parent)
    : CBaseDlg(services.settings && services.settings->inch ? CUnitFormat::inches : CUnitFormat::millimetres, parent,
               Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      m_nKind(kind), m_strFolder(std::move(folder)), m_services(std::move(services))
{
    setWindowTitle(TitleOf(kind));
    setSizeGripEnabled(true);
    setAcceptDrops(true);
    BuildControls();
    BuildContextMenu();
    if (m_services.link)
        m_services.link->Publish(this);
    // The least size: four buttons and their gaps wide, each as wide as the
    // widest text needs (some languages say "Add" at length).
    m_button = QSize(80, 0);
    for (QPushButton* button : {m_pOk, m_pCancel, m_pAdd, m_pDelete})
        m_button = m_button.expandedTo(button->sizeHint());
    setMinimumSize(CSymbolDlgLayout::MinimumClient(m_button));
    resize(std::max(480, minimumWidth()), 360);
    if (m_services.plate && m_nKind != CLibraryModel::material)
        m_model.ShowOnPlate(*m_services.plate);
    Refresh();
    if (m_services.settings)
        RestorePlacement(m_services.settings->symbolDlg);
    LayOut();
}

CSymbolDlg::~CSymbolDlg()
{
    if (m_services.link)
        m_services.link->Withdraw(this);
}

void CSymbolDlg::BuildControls()
{
    m_pGrid = new CLibraryGrid(parentWidget() ? parentWidget()->window() : nullptr, this);
    m_pGrid->setModel(&m_model);
    m_pOk = NewButton(this, 1, m_nKind == CLibraryModel::material ? tr("Select") : tr("Insert"));
    m_pOk->setDefault(true);
    m_pCancel = NewButton(this, 2, tr("Cancel"));
    m_pAdd = NewButton(this, 1143, tr("&Add..."));
    m_pDelete = NewButton(this, 1051, tr("&Delete"));
    connect(m_pOk, &QPushButton::clicked, this, &CSymbolDlg::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &CSymbolDlg::reject);
    connect(m_pAdd, &QPushButton::clicked, this, &CSymbolDlg::OnAdd);
    connect(m_pDelete, &QPushButton::clicked, this, &CSymbolDlg::DeleteSelected);
    connect(m_pGrid, &QAbstractItemView::doubleClicked, this, &CSymbolDlg::accept);
    connect(m_pGrid, &CLibraryGrid::deleteRequested, this, &CSymbolDlg::DeleteEntry);
    connect(m_pGrid, &CLibraryGrid::renameRequested, this, &CSymbolDlg::RenameSelected);
    connect(m_pGrid, &CLibraryGrid::refreshRequested, this, &CSymbolDlg::Refresh);
    connect(m_pGrid, &CLibraryGrid::nameEdited, this, &CSymbolDlg::OnNameEdited);
    connect(m_pGrid, &CLibraryGrid::entryDropped, this, [this](QPoint global) {
        m_dropPoint = global;
        accept();
    });
    // A keyboard user chooses the entry with the focus: no click needed.
    connect(m_pGrid, &CLibraryGrid::chooseRequested, this, [this] {
        m_pGrid->SelectRow(m_pGrid->FocusedRow());
        accept();
    });
    connect(m_pGrid, &QWidget::customContextMenuRequested, this, &CSymbolDlg::ShowContextMenu);
    m_pGrid->setFocus();
}

void CSymbolDlg::BuildContextMenu()
{
    m_pContext = new QMenu(this);
    m_pContext->setObjectName(QStringLiteral("SymbolDlg"));
    QAction* refresh = m_pContext->addAction(tr("&Reflesh\tF5"), this, &CSymbolDlg::Refresh);
    refresh->setObjectName(QString::number(int(CommandId::LibraryRefresh)));
    m_pContextRename = m_pContext->addAction(tr("Rena&me\tF2"), this, &CSymbolDlg::RenameSelected);
    m_pContextRename->setObjectName(QString::number(int(CommandId::LibraryRename)));
    m_pContextDelete = m_pContext->addAction(tr("&Delete\tDelete"), this, &CSymbolDlg::DeleteSelected);
    m_pContextDelete->setObjectName(QString::number(int(CommandId::LibraryDelete)));
}

void CSymbolDlg::ShowContextMenu(QPoint point)
{
    const bool selected = m_pGrid->SelectedRow() >= 0;
    m_pContextRename->setEnabled(selected);
    m_pContextDelete->setEnabled(selected);
    m_pContext->popup(m_pGrid->viewport()->mapToGlobal(point));
}

// ---------------------------------------------------------------- refresh

void CSymbolDlg::Refresh()
{
    const QString selected = SelectedName();
    CLibraryRefresh::Options options;
    options.kind = m_nKind;
    options.screenDepth = screen() ? screen()->depth() : 24;
    options.ignoreIndex = (QGuiApplication::queryKeyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
                          == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QColor face = palette().color(QPalette::Button);
    options.buttonFace = RGB(face.red(), face.green(), face.blue());
    // Decoding hundreds of files takes a while: the window shows how far it
    // got and may stop, and keeps answering meanwhile.
    QProgressDialog progress(tr("Reading the library..."), tr("Cancel"), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    options.progress = [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CLibraryRefresh::Refresh(m_strFolder, m_model, options);
    QGuiApplication::restoreOverrideCursor();
    m_pGrid->SelectRow(m_model.RowOf(selected));
}

QString CSymbolDlg::SelectedName() const
{
    const int row = m_pGrid->SelectedRow();
    return row < 0 ? QString() : m_model.Entries()[std::size_t(row)].Name();
}

// ------------------------------------------------------------- the files

void CSymbolDlg::DeleteSelected()
{
    DeleteEntry((QGuiApplication::queryKeyboardModifiers() | QGuiApplication::keyboardModifiers()) & Qt::ShiftModifier);
}

void CSymbolDlg::DeleteEntry(bool forGood)
{
    m_pGrid->Drag().Cancel();
    m_pGrid->CancelEdit();
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    // For good only after asking.
    if (forGood
        && QMessageBox::question(this, windowTitle(),
                                 tr("Delete \"%1\" for good? It cannot be brought back from the trash.").arg(name))
               != QMessageBox::Yes)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const CLibraryFiles::Outcome outcome = CLibraryFiles(m_strFolder).Delete(name, forGood);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.done) {
        Tell(outcome.error);
        return;
    }
    Refresh();
}

void CSymbolDlg::RenameSelected()
{
    m_pGrid->StartRename();
}

void CSymbolDlg::OnNameEdited(int row, const QString& text)
{
    if (row < 0 || row >= m_model.rowCount() || text.isEmpty())
        return;
    const QString old = m_model.Entries()[std::size_t(row)].Name();
    if (text == old)
        return;
    const CLibraryFiles::Outcome outcome = CLibraryFiles(m_strFolder).Rename(old, text);
    if (!outcome.done) {
        // Told once the edit has closed, not from inside it.
        QTimer::singleShot(0, this, [this, error = outcome.error] { Tell(error); });
        return;
    }
    m_model.SetName(row, AnsiCodec::Encode(text));
}

void CSymbolDlg::Tell(const QString& message)
{
    QMessageBox::warning(this, windowTitle(), message);
}

// ------------------------------------------------------------------- adding

void CSymbolDlg::OnAdd()
{
    m_pGrid->CancelEdit();
    auto send = [this](CommandId id) {
        if (m_services.send)
            QTimer::singleShot(0, this, [this, id] { m_services.send(id); });
    };
    if (m_nKind != CLibraryModel::material) {
        send(m_nKind == CLibraryModel::frame ? CommandId::AddFrame : CommandId::AddSymbol);
        return;
    }
    QMenu popup(this);
    popup.setObjectName(QStringLiteral("RegistMaterial"));
    for (const auto& [id, text] : {std::pair{CommandId::AddMaterialFile, tr("&File...")},
                                   std::pair{CommandId::AddMaterialScan, tr("&Scan...")}}) {
        QAction* action = popup.addAction(text);
        action->setObjectName(QString::number(int(id)));
        action->setEnabled(!m_services.canSend || m_services.canSend(id));
        connect(action, &QAction::triggered, this, [send, id] { send(id); });
    }
    popup.exec(m_pAdd->mapToGlobal(m_pAdd->rect().bottomLeft()));
}

void CSymbolDlg::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile())
        event->acceptProposedAction();
}

void CSymbolDlg::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile())
        return;
    event->acceptProposedAction();
    activateWindow();
    raise();
    // Only the first file: one add dialog at a time.
    const QString path = urls.constFirst().toLocalFile();
    QTimer::singleShot(0, this, [this, path] {
        if (m_services.addFromFile)
            m_services.addFromFile(m_nKind, path);
        Refresh();
    });
}

// ---------------------------------------------------------------- closing

void CSymbolDlg::accept()
{
    m_pGrid->Drag().Cancel();
    m_pGrid->CancelEdit();
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    m_strChosen = name;
    CBaseDlg::accept();
}

void CSymbolDlg::reject()
{
    m_pGrid->Drag().Cancel();
    // Esc while a name is being edited ends only the edit.
    if (m_pGrid->IsEditing()) {
        m_pGrid->CancelEdit();
        m_pOk->setFocus();
        m_pGrid->setFocus();
        return;
    }
    CBaseDlg::reject();
}

void CSymbolDlg::done(int result)
{
    if (!m_bClosed && m_services.settings)
        SavePlacement(m_services.settings->symbolDlg);
    m_bClosed = true;
    if (m_services.link)
        m_services.link->Withdraw(this);
    CBaseDlg::done(result);
}

// ----------------------------------------------------------------- layout

void CSymbolDlg::resizeEvent(QResizeEvent* event)
{
    CBaseDlg::resizeEvent(event);
    LayOut();
}

void CSymbolDlg::LayOut()
{
    const CSymbolDlgLayout layout = CSymbolDlgLayout::For(size(), m_button);
    m_pGrid->setGeometry(layout.list);
    m_pOk->setGeometry(layout.ok);
    m_pCancel->setGeometry(layout.cancel);
    m_pAdd->setGeometry(layout.add);
    m_pDelete->setGeometry(layout.remove);
}
