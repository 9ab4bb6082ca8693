#pragma once

#include "view/CCommandRouter.h"
#include "view/ICommandTarget.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class CAppCommands;
class CBatchCommands;
class CCommandActions;
class CDocumentCommands;
class CDocumentManager;
class CLayerWindow;
class CLibraryCommands;
class CScanCommands;
class CPrintCommands;
class CRecoveryLink;
class CCodeCommand;
class CTrimCommand;
class CObjectEditor;
class CRecentFileList;
class CSettingsCommands;
class CStartupLogoWnd;
class CVeldraApp;
class CVeldraDoc;
class CVeldraView;
class CZoomStatusBar;
class QToolBar;

// The program's main window: menus, the standard and extended toolbars, the
// status bar with its position, size and zoom panes, around the view. It
// remembers its placement and toolbar layout, takes dropped files, and
// routes every command to the view, the document, itself and the
// application in turn.
class CMainFrame : public QMainWindow, public ICommandTarget
{
    Q_OBJECT

public:
    // Status pane ids.
    static constexpr int paneZoom = 134;
    static constexpr int panePosition = 136;
    static constexpr int paneSize = 137;

    CMainFrame(CVeldraApp& app, CVeldraDoc& doc, CRecentFileList& recent, bool showLogo, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVeldraView& View() { return *m_pView; }
    CDocumentManager& Documents() { return *m_pDocuments; }
    CDocumentCommands& DocumentCommands() { return *m_pDocumentCommands; }
    CCommandRouter& Router() { return m_router; }
    CCommandActions& Actions() { return *m_pActions; }
    CZoomStatusBar& StatusPanes() { return *m_pStatusBar; }
    CLayerWindow& LayerWindow() { return *m_pLayers; }
    CLibraryCommands& LibraryCommands() { return *m_pLibraryCommands; }
    QToolBar& StandardBar() { return *m_pStandardBar; }
    QToolBar& ExtendedBar() { return *m_pExtendedBar; }
    CRecoveryLink& Recovery() { return *m_pRecovery; }
    CBatchCommands& BatchCommands() { return *m_pBatchCommands; }

    // Brings the status panes up to date (also done on idle).
    void RefreshStatus();
    // A dropped file: a picture is imported, anything else opened as a
    // document.
    void OpenDroppedFile(const QString& path);
    // The file the command line names: a layout is opened, a picture is
    // imported into a new layout as a drop imports it; whatever fails, the
    // window shows a normal new layout.
    void OpenOnStart(const QString& path);

    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateBars();
    void ConnectView();
    void ConnectEditors();
    void RestorePlacement();
    void SavePlacement();
    void UpdateTitle();
    QWidget* BarOf(CommandId id) const;
    void ShowTextToolMenu();
    void ShowContextMenu(QPoint global);
    void StartLogo(bool showLogo);
    void CreateLayerWindow();

    CVeldraApp& m_app;
    CVeldraDoc& m_doc;
    CCommandRouter m_router;
    CVeldraView* m_pView = nullptr;
    CLayerWindow* m_pLayers = nullptr;
    std::unique_ptr<CDocumentCommands> m_pDocumentCommands;
    std::unique_ptr<CSettingsCommands> m_pSettingsCommands;
    std::unique_ptr<CDocumentManager> m_pDocuments;
    std::unique_ptr<CAppCommands> m_pAppCommands;
    std::unique_ptr<CPrintCommands> m_pPrintCommands;
    std::unique_ptr<CTrimCommand> m_pTrimCommand;
    std::unique_ptr<CCodeCommand> m_pCodeCommand;
    std::unique_ptr<CLibraryCommands> m_pLibraryCommands;
    std::unique_ptr<CScanCommands> m_pScanCommands;
    std::unique_ptr<CObjectEditor> m_pObjectEditor;
    std::unique_ptr<CRecoveryLink> m_pRecovery;
    std::unique_ptr<CBatchCommands> m_pBatchCommands;
    CCommandActions* m_pActions = nullptr;
    CZoomStatusBar* m_pStatusBar = nullptr;
    QToolBar* m_pStandardBar = nullptr;
    QToolBar* m_pExtendedBar = nullptr;
    CStartupLogoWnd* m_pLogo = nullptr;
    QTimer m_idle;
    // The layer window was opened as the settings ask (at the first showing).
    bool m_bLayersOpened = false;
};
