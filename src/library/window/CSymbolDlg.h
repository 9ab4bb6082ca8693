#pragma once

#include "library/CLibraryModel.h"
#include "view/CommandId.h"
#include "view/controls/CBaseDlg.h"

#include <QPoint>

#include <functional>
#include <optional>

class CAppSettings;
class CLibraryGrid;
class CLibraryWindowLink;
class QMenu;
class QPushButton;

// The library window of one kind (materials, frames or symbols): the
// folder's entries as thumbnails to choose one from, and the folder's
// upkeep: adding, renaming, deleting, refreshing. OK hands back the chosen
// entry's name; the caller reads its file.
class CSymbolDlg : public CBaseDlg
{
    Q_OBJECT

public:
    struct Services
    {
        CAppSettings* settings = nullptr;
        CLibraryWindowLink* link = nullptr;
        // The main window's commands the Add button gives (Add Frame, Add
        // Symbol, Add Material from a file or the scanner), and whether each
        // can run now.
        std::function<void(CommandId)> send;
        std::function<bool(CommandId)> canSend;
        // A picture file dropped on the window: the add dialog of this kind.
        std::function<void(int kind, const QString& path)> addFromFile;
        // The layout's plate, for frames and symbols shown as they land on it.
        std::optional<CPlateLook> plate;
    };

    CSymbolDlg(int kind, QString folder, Services services, QWidget* parent = nullptr);
    ~CSymbolDlg() override;

    int Kind() const { return m_nKind; }
    const QString& Folder() const { return m_strFolder; }
    // Empty until the window closed with OK.
    const QString& ChosenName() const { return m_strChosen; }
    // Where on the screen the chosen entry was dropped, if it was dragged out.
    std::optional<QPoint> DropPoint() const { return m_dropPoint; }

    CLibraryModel& Model() { return m_model; }
    CLibraryGrid* Grid() const { return m_pGrid; }
    QPushButton* OkButton() const { return m_pOk; }
    QMenu* ContextMenu() const { return m_pContext; }

public slots:
    void Refresh();
    // Shift held as the command runs deletes for good.
    void DeleteSelected();
    void DeleteEntry(bool forGood);
    void RenameSelected();
    void accept() override;
    void reject() override;
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void BuildContextMenu();
    void ShowContextMenu(QPoint point);
    void OnAdd();
    void OnNameEdited(int row, const QString& text);
    void LayOut();
    void Tell(const QString& message);
    QString SelectedName() const;

    int m_nKind;
    QString m_strFolder;
    Services m_services;
    CLibraryModel m_model;
    QString m_strChosen;
    std::optional<QPoint> m_dropPoint;
    CLibraryGrid* m_pGrid = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pDelete = nullptr;
    QMenu* m_pContext = nullptr;
    QAction* m_pContextRename = nullptr;
    QAction* m_pContextDelete = nullptr;
    QSize m_button;
    bool m_bClosed = false;
};
