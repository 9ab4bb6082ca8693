#include "CPointArray.h"

#include "platform/CArchive.h"

#include <algorithm>

VELDRA_IMPLEMENT_SERIAL(CPointArray, nullptr, 1, false)

CPointArray::CPointArray(const CPointArray& other)
    : CObject(other)
{
    *this = other;
}

CPointArray& CPointArray::operator=(const CPointArray& other)
{
    if (this == &other)
        return *this;
    m_nGrowBy = other.m_nGrowBy;
    SetSize(other.m_nSize);
    std::copy(other.m_pData.get(), other.m_pData.get() + other.m_nSize, m_pData.get());
    return *this;
}

void CPointArray::SetSize(int newSize, int growBy)
{
    if (growBy >= 0)
        m_nGrowBy = growBy;
    if (newSize <= 0) {
        m_pData.reset();
        m_nSize = m_nMaxSize = 0;
        return;
    }
    if (newSize <= m_nMaxSize) {
        std::fill(m_pData.get() + std::min(m_nSize, newSize), m_pData.get() + newSize, CPoint{});
        m_nSize = newSize;
        return;
    }
    int step = m_nGrowBy;
    if (step == 0)
        step = std::clamp(m_nSize / 8, 4, 1024);
    const long long wanted = std::max<long long>((long long)m_nMaxSize + step, newSize);
    const int capacity = int(std::min<long long>(wanted, 0x7FFFFFFF));
    std::unique_ptr<CPoint[]> data(new CPoint[std::size_t(capacity)]());
    std::copy(m_pData.get(), m_pData.get() + m_nSize, data.get());
    m_pData = std::move(data);
    m_nMaxSize = capacity;
    m_nSize = newSize;
}

int CPointArray::Add(int x, int y)
{
    const int index = m_nSize;
    SetSize(m_nSize + 1);
    m_pData[index] = {x, y};
    return index;
}

void CPointArray::ReadPoints(CArchive& ar, std::uint32_t count)
{
    const qint64 left = ar.BytesLeft();
    if (count > 0x7FFFFFFF || (left >= 0 && std::uint64_t(left) < std::uint64_t(count) * 8))
        throw CArchiveException(CArchiveException::endOfFile);
    SetSize(0);
    // Grows as points arrive, so a lying count costs no more than the stream holds.
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int32_t xy[2];
        ar >> xy[0] >> xy[1];
        Add(xy[0], xy[1]);
    }
}

void CPointArray::WritePoints(CArchive& ar) const
{
    for (int i = 0; i < m_nSize; ++i)
        ar << std::int32_t(m_pData[i].x) << std::int32_t(m_pData[i].y);
}

void CPointArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(std::uint32_t(m_nSize));
        WritePoints(ar);
    } else {
        ReadPoints(ar, ar.ReadCount());
    }
}
