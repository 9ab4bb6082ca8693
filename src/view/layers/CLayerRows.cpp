#include "CLayerRows.h"

#include "objects/CCodePicture.h"
#include "objects/CSymbolObj.h"
#include "objects/ObjectName.h"

#include <algorithm>
#include <cmath>

bool CLayerRows::HasMaterialRow(const std::vector<CSymbolObj*>& objects)
{
    return !objects.empty() && objects.front()->Kind() == SOK_MATERIAL;
}

std::optional<int> CLayerRows::UpTarget(int row, bool material)
{
    if (row < (material ? 2 : 1))
        return std::nullopt;
    return row - 1;
}

std::optional<int> CLayerRows::DownTarget(int row, int rowCount, bool material)
{
    if (row < (material ? 1 : 0) || row + 2 > rowCount)
        return std::nullopt;
    return row + 2;
}

std::optional<CLayerRows::ListMove> CLayerRows::MoveToRow(int row, int target, int rowCount, bool material)
{
    const int first = material ? 1 : 0;
    if (row < first || row >= rowCount || target < first || target > rowCount || target == row || target == row + 1)
        return std::nullopt;
    // Rows are list positions, and MoveObject too inserts before `to`.
    return ListMove{row, target};
}

int CLayerRows::DropTarget(const DropGeometry& g, int y, bool material)
{
    const double offset = g.rowHeight > 0 ? double(y - g.topOfRow) / g.rowHeight : 0.0;
    const int target = g.topRow + int(std::floor(offset + 0.5));
    // Only row 0 is the material's: a scrolled list may still drop above its
    // top visible row.
    const int lowest = std::max(g.topRow, material ? 1 : 0);
    const int highest = std::min(g.topRow + g.visibleRows, g.rowCount);
    return std::clamp(target, lowest, std::max(lowest, highest));
}

QString CLayerRows::KindName(const CSymbolObj& object)
{
    if (CCodePicture::DefinitionOf(object))
        return tr("Code");
    switch (object.Kind()) {
    case SOK_PICTURE: return tr("Picture");
    case SOK_FRAME: return tr("Frame");
    case SOK_SYMBOL: return tr("Symbol");
    case SOK_TEXT: return tr("Text");
    case SOK_PEN: return tr("Drawing pen");
    case SOK_MATERIAL: return tr("Material");
    default: return {};
    }
}

QString CLayerRows::RowText(const CSymbolObj& object)
{
    QString text = KindName(object);
    if (object.m_strName.isEmpty())
        return text;
    QString name = ObjectName::Decoded(object).left(nameChars);
    // A row is one line: the line breaks of a text block show as blanks.
    name.replace(QLatin1String("\r\n"), QLatin1String(" "));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text + QLatin1String(" (") + name + QLatin1Char(')');
}

std::vector<CSymbolObj*> CLayerRows::DisplayedForJoin(const std::vector<CSymbolObj*>& objects)
{
    std::vector<CSymbolObj*> joined;
    const std::size_t first = HasMaterialRow(objects) ? 1 : 0;
    for (std::size_t i = first; i < objects.size(); ++i)
        if (objects[i]->m_bVisible)
            joined.push_back(objects[i]);
    return joined;
}
