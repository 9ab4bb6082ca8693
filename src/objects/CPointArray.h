#pragma once

#include "platform/CObject.h"
#include "platform/CPoint.h"

#include <memory>

// A growable array of integer points with the classic growth policy: when
// more room is needed the capacity grows by the step (automatic: an eighth of
// the size, 4 to 1024 points), and at least to the size asked for.
class CPointArray : public CObject
{
    VELDRA_DECLARE_SERIAL(CPointArray)

public:
    CPointArray() = default;
    CPointArray(const CPointArray& other);
    CPointArray& operator=(const CPointArray& other);
    ~CPointArray() override = default;

    int GetSize() const { return m_nSize; }
    int GetCapacity() const { return m_nMaxSize; }
    bool IsEmpty() const { return m_nSize == 0; }
    // growBy -1 keeps the current step; 0 is automatic.
    void SetSize(int newSize, int growBy = -1);
    void RemoveAll() { SetSize(0); }
    int Add(int x, int y);
    int Add(CPoint point) { return Add(point.x, point.y); }

    CPoint& operator[](int index) { return m_pData[index]; }
    const CPoint& operator[](int index) const { return m_pData[index]; }
    CPoint* GetData() { return m_pData.get(); }
    const CPoint* GetData() const { return m_pData.get(); }

    // The array's own record: a Count, then the points as 8-byte pairs.
    void Serialize(CArchive& ar) override;

protected:
    // Reads count points (x, y little-endian) without trusting count for
    // the allocation.
    void ReadPoints(CArchive& ar, std::uint32_t count);
    void WritePoints(CArchive& ar) const;

    std::unique_ptr<CPoint[]> m_pData;
    int m_nSize = 0;
    int m_nMaxSize = 0;
    int m_nGrowBy = 0;
};
