#pragma once

#include <QListView>

class CLibraryDrag;

// The library window's grid of 64 x 64 thumbnails with their names: one
// selection, a name edited in place on request, Delete, F2 and F5 handed to
// the window, and an entry dragged out onto the main window.
class CLibraryGrid : public QListView
{
    Q_OBJECT

public:
    static constexpr int thumbnailSide = 64;

    // dropTarget: the window an entry is dragged onto (the main window).
    CLibraryGrid(QWidget* dropTarget, QWidget* parent = nullptr);

    int SelectedRow() const;
    // The selected row, else the one with the keyboard focus (-1: none).
    int FocusedRow() const;
    void SelectRow(int row);
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    // Puts the selected row's name into edit mode.
    void StartRename();
    // Ends an edit without taking its text.
    void CancelEdit();

    CLibraryDrag& Drag() const { return *m_pDrag; }

signals:
    void deleteRequested(bool forGood);
    void renameRequested();
    void refreshRequested();
    // The edit of a row's name ended with this text (which the model does
    // not take by itself).
    void nameEdited(int row, const QString& text);
    // The entry was dropped where it was wanted: on the main window, at a
    // screen point.
    void entryDropped(QPoint global);
    // Enter or Insert on the focused entry.
    void chooseRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CLibraryDrag* m_pDrag;
};
