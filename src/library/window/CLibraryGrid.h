#pragma once

#include <QListView>

// The library window's grid of 64 x 64 thumbnails with their names: one
// selection, a name edited in place on request, Delete, F2 and F5 handed to
// the window, and an entry dragged out as a real drag that carries the
// entry's kind and name.
class CLibraryGrid : public QListView
{
    Q_OBJECT

public:
    // The drag's data: "<kind>\n<name>" in UTF-8.
    static constexpr char mimeType[] = "application/x-veldra2-library-entry";
    static constexpr int thumbnailSide = 64;

    CLibraryGrid(int kind, QWidget* parent = nullptr);

    int SelectedRow() const;
    void SelectRow(int row);
    bool IsEditing() const { return state() == QAbstractItemView::EditingState; }
    // Puts the selected row's name into edit mode.
    void StartRename();
    // Ends an edit without taking its text.
    void CancelEdit();

    // Reads a drag's data: false when it is not a library entry.
    static bool ReadEntry(const QMimeData* data, int& kind, QString& name);

signals:
    void deleteRequested();
    void renameRequested();
    void refreshRequested();
    // The edit of a row's name ended with this text (which the model does
    // not take by itself).
    void nameEdited(int row, const QString& text);
    // The entry was dropped where it was wanted: on the main window.
    void entryDropped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    int m_nKind;
};
