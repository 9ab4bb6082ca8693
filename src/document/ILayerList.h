#pragma once

#include <vector>

class CSymbolObj;

// The layer window as the document drives it: one row per object, in list
// order. The window itself comes with the program window.
class ILayerList
{
public:
    virtual ~ILayerList() = default;
    virtual void AddRow(CSymbolObj* object, int index) = 0;
    virtual void RemoveRow(CSymbolObj* object) = 0;
    virtual void RefreshRow(CSymbolObj* object) = 0;
    virtual void MoveRow(int from, int to) = 0;
    virtual void Fill(const std::vector<CSymbolObj*>& objects) = 0;
    virtual void Clear() = 0;
};
