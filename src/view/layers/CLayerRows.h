#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

class CSymbolObj;

// Where each object stands in the layer window and what the window's
// buttons may do with it, without any widget. Rows follow the drawing
// order, topmost first: the material (which covers everything) on top, then
// the list from its head, the front-most object. The material row is pinned
// there, so no move may take it or land above it.
class CLayerRows
{
    Q_DECLARE_TR_FUNCTIONS(CLayerRows)

public:
    // The list's positions for CVeldraDoc::MoveObject: from, and the object
    // it goes before.
    struct ListMove
    {
        int from;
        int to;
    };

    static constexpr int nameChars = 32;

    // Row r shows the list's object r.
    static bool HasMaterialRow(const std::vector<CSymbolObj*>& objects);

    // The row to move before, or nothing where the button does nothing.
    static std::optional<int> UpTarget(int row, bool material);
    static std::optional<int> DownTarget(int row, int rowCount, bool material);
    // Row `row` taken out and put before row `target`, as a list move;
    // nothing when the row would stay or the material row would move.
    static std::optional<ListMove> MoveToRow(int row, int target, int rowCount, bool material);

    // Where a dragged row lands for a release y inside the list: the rows
    // from topRow are visibleRows tall, the first starting at topOfRow.
    struct DropGeometry
    {
        int topRow;
        int topOfRow;
        int rowHeight;
        int visibleRows;
        int rowCount;
    };
    static int DropTarget(const DropGeometry& geometry, int y, bool material);

    // Kind name, then the name (a text object's text) in parentheses, cut
    // to nameChars characters.
    static QString RowText(const CSymbolObj& object);
    static QString KindName(const CSymbolObj& object);

    // What "Join with Displayed Layer" joins: every displayed object in list
    // order, the material left out.
    static std::vector<CSymbolObj*> DisplayedForJoin(const std::vector<CSymbolObj*>& objects);
};
