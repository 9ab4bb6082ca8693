#include "CMainFrame.h"

#include "CAppCommands.h"
#include "CBatchCommands.h"
#include "batch/window/CRecordNavigator.h"
#include "CDocumentCommands.h"
#include "CPrintCommands.h"
#include "CCodeCommand.h"
#include "CTrimCommand.h"
#include "CDocumentManager.h"
#include "CLibraryCommands.h"
#include "CScanCommands.h"
#include "CMenuLayout.h"
#include "CSettingsCommands.h"
#include "recovery/CRecoveryLink.h"
#include "settings/CSettingsStore.h"
#include "CVeldraApp.h"

#include "document/CTextCommands.h"
#include "document/CVeldraDoc.h"
#include "objects/CArcTextObj.h"
#include "view/CCommandActions.h"
#include "view/CStatusTexts.h"
#include "view/CVeldraView.h"
#include "view/artwork/CArtwork.h"
#include "view/controls/CStartupLogoWnd.h"
#include "view/crop/CCropImageDlg.h"
#include "view/dialogs/CObjectEditor.h"
#include "view/layers/CLayerWindow.h"
#include "view/controls/CZoomStatusBar.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr auto barStateSection = "CtrlBar";
constexpr auto barStateName = "BarState";
constexpr int idleMilliseconds = 250;

} // namespace

CMainFrame::CMainFrame(CVeldraApp& app, CVeldraDoc& doc, CRecentFileList& recent, bool showLogo, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_doc(doc)
{
    setWindowIcon(CArtwork::ProgramIcon());
    setAcceptDrops(true);
    m_pView = new CVeldraView(doc, app.Settings().grid, this);
    setCentralWidget(m_pView);
    m_pDocumentCommands = std::make_unique<CDocumentCommands>(doc, app.Settings(), this,
                                                              [this] { m_router.Execute(CommandId::FilePrint); });
    m_pSettingsCommands = std::make_unique<CSettingsCommands>(app.Settings(), doc, this,
                                                              [this] { m_pView->viewport()->update(); });
    m_pDocuments = std::make_unique<CDocumentManager>(doc, recent, this);
    m_pRecovery = std::make_unique<CRecoveryLink>(doc, *m_pDocuments, app.Settings(), this);
    m_pBatchCommands = std::make_unique<CBatchCommands>(app, doc, *m_pView, *m_pDocuments, this);
    // While a data source is chosen, the window shows a record's plate.
    m_pView->SetPlateSource([this] { return m_pBatchCommands->ShownPlate(); });
    m_pDocumentCommands->SetPlateSource([this] { return m_pBatchCommands->ShownPlate(); });
    m_pAppCommands = std::make_unique<CAppCommands>(this);
    m_pPrintCommands = std::make_unique<CPrintCommands>(app, doc, *m_pView, *m_pDocuments, this);
    m_pTrimCommand = std::make_unique<CTrimCommand>(app.Settings(), doc, *m_pView, this);
    m_pCodeCommand = std::make_unique<CCodeCommand>(app.Settings(), doc, this);
    m_pLibraryCommands = std::make_unique<CLibraryCommands>(app, doc, m_router, this);
    m_pScanCommands = std::make_unique<CScanCommands>(app.Settings(), doc, this);
    m_pLibraryCommands->SetScanner([this](QWidget* parent) { return m_pScanCommands->Scan(parent); });
    m_pDocuments->SetNewLayoutSetup([this] { m_pLibraryCommands->MaterialSetup(true); });
    m_pLayers = new CLayerWindow(doc, this);
    // Each new or opened document asks the chosen printer for its dots per
    // inch and page (the plate) before it is shown.
    if (app.Printers())
        m_pView->SetDeviceQuery([this](CVeldraView::DeviceCaps& caps) { return m_pPrintCommands->QueryDevice(caps); });
    // The order commands are offered in; printing is the view's business.
    m_router.AddTarget(m_pView);
    m_router.AddTarget(m_pPrintCommands.get());
    m_router.AddTarget(m_pBatchCommands.get());
    m_router.AddTarget(m_pTrimCommand.get());
    m_router.AddTarget(m_pCodeCommand.get());
    m_router.AddTarget(m_pLibraryCommands.get());
    m_router.AddTarget(m_pScanCommands.get());
    m_router.AddTarget(m_pDocumentCommands.get());
    m_router.AddTarget(m_pSettingsCommands.get());
    m_router.AddTarget(m_pLayers);
    m_router.AddTarget(this);
    m_router.AddTarget(m_pDocuments.get());
    m_router.AddTarget(m_pAppCommands.get());
    m_pActions = new CCommandActions(m_router, &CArtwork::CommandIcon, this);

    RestorePlacement();
    CMenuLayout::BuildMenuBar(*this, *m_pActions, recent);
    CreateBars();
    ConnectView();
    ConnectEditors();
    CreateLayerWindow();
    UpdateTitle();
    // The title's mark follows every edit, undo, redo and save at once.
    m_doc.SetModifiedListener([this](bool modified) { setWindowModified(modified); });

    // Menus refresh as they open; buttons and panes on idle.
    connect(&m_idle, &QTimer::timeout, this, [this] {
        m_pActions->Refresh();
        RefreshStatus();
        setWindowModified(m_doc.IsModified());
        m_pRecovery->Autosaver().FollowSetting();
    });
    m_idle.start(idleMilliseconds);
    // Once the window is up, so that the logo opens above it.
    QTimer::singleShot(0, this, [this, showLogo] { StartLogo(showLogo); });
}

CMainFrame::~CMainFrame()
{
    m_doc.SetModifiedListener(nullptr);
    m_router.RemoveTarget(m_pView);
    m_router.RemoveTarget(m_pLayers);
}

void CMainFrame::CreateLayerWindow()
{
    m_pLayers->SetCommandSink([this](CommandId id) { m_router.Execute(id); });
    m_pLayers->SetContextMenuSource([this](QPoint global) { ShowContextMenu(global); });
    m_pLayers->SetSelectionSource([this] { return m_pView->Selection(); });
    // Undo and Redo keys work in the tool window as in the main window.
    m_pLayers->addActions({m_pActions->Action(CommandId::EditUndo), m_pActions->Action(CommandId::EditRedo)});
    const CPoint position = m_app.Settings().layerListDlgPos;
    m_pLayers->MoveTo(position.x, position.y);
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // A tool window mapped before its main window lies under it: the layer
    // window comes once the main window is on its way to the screen.
    if (m_bLayersOpened)
        return;
    m_bLayersOpened = true;
    if (m_app.Settings().layerListShown)
        QTimer::singleShot(0, m_pLayers, [this] { m_pLayers->ShowWindow(); });
}

void CMainFrame::CreateBars()
{
    m_pStandardBar = addToolBar(tr("Standard"));
    m_pStandardBar->setObjectName(QStringLiteral("StandardBar"));
    CMenuLayout::FillStandardBar(*m_pStandardBar, *m_pActions);
    m_pExtendedBar = new QToolBar(tr("Extended"), this);
    m_pExtendedBar->setObjectName(QStringLiteral("ExtendedBar"));
    CMenuLayout::FillExtendedBar(*m_pExtendedBar, *m_pActions);
    addToolBar(Qt::LeftToolBarArea, m_pExtendedBar);
    auto* records = new CRecordNavigator(*m_pActions, this);
    addToolBar(Qt::TopToolBarArea, records);
    m_pBatchCommands->SetNavigator(records);
    for (QToolBar* bar : {m_pStandardBar, m_pExtendedBar}) {
        bar->setIconSize(QSize(24, 24));
        bar->setAllowedAreas(Qt::AllToolBarAreas);
    }

    m_pStatusBar = new CZoomStatusBar(this);
    setStatusBar(m_pStatusBar);
    m_pStatusBar->SetZoomActions({m_pActions->Action(CommandId::FitToScreen), m_pActions->Action(CommandId::Zoom50),
                                  m_pActions->Action(CommandId::Zoom100), m_pActions->Action(CommandId::Zoom200),
                                  m_pActions->Action(CommandId::Zoom400)});

    CSettingsStore store;
    const QByteArray state = QByteArray::fromBase64(store.ReadString(barStateSection, barStateName).toLatin1());
    if (!state.isEmpty())
        restoreState(state);
}

void CMainFrame::ConnectView()
{
    m_pView->SetCommandSink([this](CommandId id) { m_router.Execute(id); });
    m_pView->SetContextMenuSource([this](QPoint global) { ShowContextMenu(global); });
    connect(m_pView, &CVeldraView::StatusChanged, this, &CMainFrame::RefreshStatus);
    m_pDocuments->SetInitialUpdate([this] {
        const CAppSettings& settings = m_app.Settings();
        m_pView->OnInitialUpdate(settings.zoomChosen ? settings.textDefaults.zoom : CVeldraView::fitZoom);
    });
    m_pDocuments->SetTitleChanged([this] { UpdateTitle(); });
    // A library entry dragged onto the plate goes where it was dropped.
    m_pLibraryCommands->SetPlateLocator([this](QPoint global) -> std::optional<CPoint> {
        const QPoint client = m_pView->viewport()->mapFromGlobal(global);
        if (!m_pView->viewport()->rect().contains(client))
            return std::nullopt;
        return m_pView->ClientToLayout(client);
    });
    m_pView->setFocus();
}

void CMainFrame::ConnectEditors()
{
    m_pObjectEditor = std::make_unique<CObjectEditor>(m_app.Settings(), this);
    CObjectEditor* editor = m_pObjectEditor.get();
    CVeldraDoc& doc = m_doc;
    m_pView->SetObjectEditor(editor);
    editor->SetCodeEditor([this](CDibObj& code) { return m_pCodeCommand->Edit(code); });
    m_pView->SetPictureCropper([this](CDibImage& picture) { return CCropImageDlg::Run(picture, m_app.Settings(), this); });
    m_pView->SetTextPlacer(CVeldraView::toolTextBlock,
                           [&doc, editor](CPoint device) { return CTextCommands::AddText(doc, device, true, *editor); });
    m_pView->SetTextPlacer(CVeldraView::toolHorizontalText,
                           [&doc, editor](CPoint device) { return CTextCommands::AddText(doc, device, false, *editor); });
    m_pView->SetTextPlacer(CVeldraView::toolFanText,
                           [&doc, editor](CPoint device) { return CTextCommands::AddFanText(doc, device, *editor); });
}

void CMainFrame::StartLogo(bool showLogo)
{
    m_pLogo = showLogo ? CStartupLogoWnd::Open() : nullptr;
    if (!m_pLogo) {
        m_router.Execute(CommandId::CreatePalette);
        return;
    }
    connect(m_pLogo, &CStartupLogoWnd::closed, this, [this] {
        m_pLogo = nullptr;
        m_router.Execute(CommandId::CreatePalette);
    });
}

// --------------------------------------------------------------- placement

void CMainFrame::RestorePlacement()
{
    const CAppSettings::WindowPlacement& placement = m_app.Settings().mainWindow;
    const bool stored = placement.position.x != -1 && placement.position.y != -1 && placement.size.cx != -1
        && placement.size.cy != -1;
    if (stored) {
        // The client area's place and size, as saved: the frame is the
        // window manager's and known only once it has framed the window.
        setGeometry(placement.position.x, placement.position.y, placement.size.cx, placement.size.cy);
    } else {
        resize(1000, 760);
    }
    if (placement.showCmd == 3)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::SavePlacement()
{
    CAppSettings::WindowPlacement& placement = m_app.Settings().mainWindow;
    // A minimised window comes back as a normal one.
    placement.showCmd = isMaximized() ? 3 : 1;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    placement.position = {normal.x(), normal.y()};
    placement.size = {normal.width(), normal.height()};
    m_app.Settings().layerListShown = m_pLayers->IsShown();
    // A window never shown has no position of its own to keep.
    if (m_pLayers->windowHandle())
        m_app.Settings().layerListDlgPos = m_pLayers->GetTopLeft();
    CSettingsStore store;
    m_app.Settings().SaveMainWindowPlacement(store);
    store.WriteString(barStateSection, barStateName, QString::fromLatin1(saveState().toBase64()));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_pDocuments->SaveModified()) {
        event->ignore();
        return;
    }
    SavePlacement();
    m_idle.stop();
    event->accept();
}

void CMainFrame::UpdateTitle()
{
    // "[*]" is where the desktop shows that there are unsaved changes.
    setWindowTitle(tr("%1[*] - Veldra2").arg(m_pDocuments->Title()));
    setWindowModified(m_doc.IsModified());
}

// ------------------------------------------------------------------ status

void CMainFrame::RefreshStatus()
{
    if (!m_pStatusBar || !m_pStatusBar->isVisibleTo(this))
        return;
    m_pStatusBar->SetPaneText(paneZoom, CStatusTexts::Zoom(m_pView->Zoom()));
    const CStatusTexts texts(m_app.Settings().inch);
    const QPoint client = m_pView->viewport()->mapFromGlobal(QCursor::pos());
    const QString& hint = m_pView->Hint();
    m_pStatusBar->SetPaneText(CZoomStatusBar::promptPane,
                              hint.isEmpty() ? texts.Cursor(m_pView->ClientToLayout(client)) : hint);
    CSymbolObj* selection = m_pView->Selection();
    m_pStatusBar->SetPaneText(panePosition, selection ? texts.Position(selection->GetPosition()) : QString());
    const bool sized = selection && !dynamic_cast<CArcTextObj*>(selection);
    m_pStatusBar->SetPaneText(paneSize, sized ? texts.Size(selection->GetSize().cx, selection->GetSize().cy) : QString());
}

// ------------------------------------------------------------------- drops

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    activateWindow();
    raise();
    OpenDroppedFile(urls.first().toLocalFile());
}

void CMainFrame::OpenOnStart(const QString& path)
{
    const bool document = QFileInfo(path).suffix().compare(QLatin1String("vlz"), Qt::CaseInsensitive) == 0;
    if (!path.isEmpty() && document && m_pDocuments->OpenDocument(path))
        return;
    m_pDocuments->NewDocument();
    // Not a picture either: the layout reader says why, and the new layout
    // stays as it is.
    if (!path.isEmpty() && !document && !m_pDocumentCommands->ImportFile(path, false))
        m_pDocuments->OpenDocument(path);
}

void CMainFrame::OpenDroppedFile(const QString& path)
{
    const bool document = QFileInfo(path).suffix().compare(QLatin1String("vlz"), Qt::CaseInsensitive) == 0;
    if (!document && m_pDocumentCommands->ImportFile(path, false))
        return;
    m_pDocuments->OpenDocument(path);
}

// ---------------------------------------------------------------- commands

void CMainFrame::ShowTextToolMenu()
{
    QMenu menu(this);
    CMenuLayout::FillTextToolMenu(menu, *m_pActions);
    m_pActions->Refresh();
    QWidget* button = m_pExtendedBar->widgetForAction(m_pActions->Action(CommandId::TextToolDropDown));
    const QRect rect = button ? QRect(button->mapToGlobal(QPoint(0, 0)), button->size()) : QRect(QCursor::pos(), QSize());
    menu.exec(QPoint(rect.right() - 5, rect.bottom() - 5));
}

void CMainFrame::ShowContextMenu(QPoint global)
{
    QMenu menu(this);
    CMenuLayout::FillObjectMenu(menu, *m_pActions);
    m_pActions->Refresh();
    menu.exec(global);
}

QWidget* CMainFrame::BarOf(CommandId id) const
{
    switch (id) {
    case CommandId::ViewToolbar: return m_pStandardBar;
    case CommandId::ViewExtendedBar: return m_pExtendedBar;
    case CommandId::ViewStatusBar: return m_pStatusBar;
    default: return nullptr;
    }
}

bool CMainFrame::OnCommand(CommandId id)
{
    if (QWidget* bar = BarOf(id)) {
        bar->setVisible(!bar->isVisibleTo(this));
        return true;
    }
    switch (id) {
    case CommandId::TextToolDropDown: ShowTextToolMenu(); return true;
    // Screens here have no palettes to realise: nothing to create.
    case CommandId::CreatePalette: return true;
    default: return false;
    }
}

bool CMainFrame::OnUpdateCommand(CommandId id, CCommandState& state)
{
    switch (id) {
    case CommandId::ViewToolbar:
    case CommandId::ViewExtendedBar:
    case CommandId::ViewStatusBar:
        // The bars are made after the menus that show their state.
        state.SetCheck(BarOf(id) && BarOf(id)->isVisibleTo(this));
        return true;
    case CommandId::CreatePalette: return true;
    default: return false;
    }
}
