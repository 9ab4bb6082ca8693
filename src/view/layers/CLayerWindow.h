#pragma once

#include "document/IDocumentObserver.h"
#include "document/ILayerList.h"
#include "view/ICommandTarget.h"
#include "view/controls/CBaseDlg.h"

#include <functional>

class CLayerDrag;
class CVeldraDoc;
class QListWidget;
class QListWidgetItem;
class QToolButton;

// The "Layer" tool window: a row per object with its thumbnail, kind and
// name and a check box that shows or hides it. Rows select, reorder,
// delete and join objects through the document. It stays alive with the
// main window; the Layer command shows and hides it, and only while it is
// shown does the document keep its rows in step (hidden, it holds none).
class CLayerWindow : public CBaseDlg, public ILayerList, public IDocumentObserver, public ICommandTarget
{
    Q_OBJECT

public:
    CLayerWindow(CVeldraDoc& doc, QWidget* parent);
    ~CLayerWindow() override;

    // Runs a command of the main window (Properties on a double click).
    void SetCommandSink(std::function<void(CommandId)> sink) { m_commandSink = std::move(sink); }
    // Shows the object menu at a screen point.
    void SetContextMenuSource(std::function<void(QPoint)> show) { m_contextMenu = std::move(show); }
    // The view's selection, for the row to select when the window opens.
    void SetSelectionSource(std::function<CSymbolObj*()> selection) { m_selection = std::move(selection); }

    void ShowWindow();
    // Ends a drag in progress; otherwise hides the window and drops its rows.
    void CloseWindow();
    bool IsShown() const { return isVisible(); }

    QListWidget& List() { return *m_pList; }
    CSymbolObj* ObjectOfRow(int row) const;
    int RowOf(const CSymbolObj* object) const;
    bool HasMaterialRow() const;

    // What the buttons do, for the keys and the tests as well.
    void MoveUp();
    void MoveDown();
    void MoveRowBefore(int row, int target);
    void DeleteSelected();
    void JoinWithLower();
    void JoinDisplayed();
    void ToggleShown(int row);

    // ILayerList
    void AddRow(CSymbolObj* object, int index) override;
    void RemoveRow(CSymbolObj* object) override;
    void RefreshRow(CSymbolObj* object) override;
    void MoveRow(int from, int to) override;
    void Fill(const std::vector<CSymbolObj*>& objects) override;
    void Clear() override;

    // IDocumentObserver
    void OnUpdate(void* sender, int hint, CSymbolObj* object) override;

    // ICommandTarget: the Layer command.
    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QToolButton* AddButton(const char* icon, int width, const QString& tip);
    QListWidgetItem* MakeItem(CSymbolObj* object);
    void Describe(QListWidgetItem& item, CSymbolObj& object);
    void Attach(bool attach);
    void SyncOrder();
    void SelectRowOf(CSymbolObj* object);
    void OnSelectionChanged();
    void SelectInViews(CSymbolObj* object);
    void UpdateButtons();
    void Join(const std::vector<CSymbolObj*>& objects);
    bool OnListMouse(QEvent* event);

    CVeldraDoc& m_doc;
    QListWidget* m_pList = nullptr;
    CLayerDrag* m_pDrag = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    QToolButton* m_pDelete = nullptr;
    QToolButton* m_pJoinLower = nullptr;
    QToolButton* m_pJoinDisplayed = nullptr;
    bool m_bAttached = false;
    // Set while the window changes its own rows: no selection goes out.
    bool m_bQuiet = false;
    std::function<void(CommandId)> m_commandSink;
    std::function<void(QPoint)> m_contextMenu;
    std::function<CSymbolObj*()> m_selection;
};
