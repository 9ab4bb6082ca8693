#include "CSymbolObj.h"

#include "CPointPath.h"

#include "imaging/CDibImage.h"
#include "platform/CArchive.h"

#include <algorithm>
#include <cstdlib>

VELDRA_IMPLEMENT_SERIAL(CSymbolObj, nullptr, 3, true)

namespace {

// Direction of each resize handle: which edges it pulls.
struct HandleSign
{
    int sx, sy;
};
constexpr HandleSign handleSigns[8] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}};

constexpr int minimumSize = 50; // 0.5 mm

// Plates are at most 90 mm (9000 units) a side, and older layouts may keep
// objects beside the plate, but none a kilometre away: a centre or size
// beyond 20 m comes from damaged bytes. Within these bounds the rectangle,
// handle and device sums stay far from the 32-bit limit; past them a single
// flipped bit makes them overflow.
constexpr std::int32_t maximumCoordinate = 2'000'000;
constexpr std::int32_t maximumExtent = 2'000'000;

bool IsPlausible(std::int32_t value, std::int32_t limit)
{
    return value >= -limit && value <= limit;
}

} // namespace

bool CSymbolObj::IsPlausibleExtent(std::int32_t value)
{
    return IsPlausible(value, maximumExtent);
}

void CSymbolObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar << m_dwFlags << m_bVisible << std::int32_t(m_ptCenter.x) << std::int32_t(m_ptCenter.y)
           << std::int32_t(m_size.cx) << std::int32_t(m_size.cy);
        return;
    }
    m_nSchema = ar.GetObjectSchema();
    if (m_nSchema == 0 || m_nSchema == 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_strName = ar.ReadString();
    std::int32_t x, y, cx, cy;
    ar >> m_dwFlags >> m_bVisible >> x >> y >> cx >> cy;
    if (!IsPlausible(x, maximumCoordinate) || !IsPlausible(y, maximumCoordinate) || !IsPlausible(cx, maximumExtent)
        || !IsPlausible(cy, maximumExtent))
        throw CArchiveException(CArchiveException::genericException);
    m_ptCenter = {x, y};
    m_size = {cx, cy};
}

std::unique_ptr<CSymbolObj> CSymbolObj::Clone() const
{
    return nullptr;
}

void CSymbolObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
}

void CSymbolObj::CopyCommon(const CSymbolObj& source)
{
    m_strName = source.m_strName;
    m_dwFlags = source.m_dwFlags;
    m_bVisible = source.m_bVisible;
    m_ptCenter = source.m_ptCenter;
    m_size = source.m_size;
}

void CSymbolObj::Draw(QPainter&, const CRect*, int)
{
}

CDibImage* CSymbolObj::GetImage(bool)
{
    return nullptr;
}

void CSymbolObj::SetBounds(int x, int y, int cx, int cy)
{
    m_ptCenter = {x, y};
    m_size = {cx, cy};
}

void CSymbolObj::SetPosition(int x, int y)
{
    m_ptCenter = {x, y};
}

void CSymbolObj::SetSize(int cx, int cy)
{
    m_size = {cx, cy};
}

void CSymbolObj::Offset(int dx, int dy)
{
    SetPosition(m_ptCenter.x + dx, m_ptCenter.y + dy);
}

void CSymbolObj::GetRect(CRect* rect) const
{
    if (!rect)
        return;
    rect->left = m_ptCenter.x - m_size.cx / 2;
    rect->right = rect->left + m_size.cx;
    rect->top = m_ptCenter.y + m_size.cy / 2;
    rect->bottom = rect->top - m_size.cy;
}

void CSymbolObj::Refresh(CDocumentContext*)
{
}

CPoint CSymbolObj::HandlePoint(int handle) const
{
    const int left = m_ptCenter.x - m_size.cx / 2, right = m_ptCenter.x + m_size.cx / 2;
    const int top = m_ptCenter.y + m_size.cy / 2, bottom = m_ptCenter.y - m_size.cy / 2;
    const int midX = (left + right) / 2, midY = (top + bottom) / 2;
    switch (handle) {
    case 0: return {left, top};
    case 1: return {right, top};
    case 2: return {right, bottom};
    case 3: return {left, bottom};
    case 4: return {midX, top};
    case 5: return {right, midY};
    case 6: return {midX, bottom};
    default: return {left, midY};
    }
}

int CSymbolObj::HitTest(CPoint point, CSize tolerance, bool withHandles)
{
    if (!m_bVisible || HasFlag(SOF_LOCKED))
        return hitNothing;
    CRect r;
    GetRect(&r);
    // Layout y grows upward: the rectangle's "top" is its larger y.
    const int left = std::min(r.left, r.right), right = std::max(r.left, r.right);
    const int low = std::min(r.top, r.bottom), high = std::max(r.top, r.bottom);
    const bool inside = point.x >= left && point.x < right && point.y >= low && point.y < high;
    if (!withHandles)
        return inside ? hitBody : hitNothing;

    for (int handle = 0; handle < 8; ++handle) {
        const CPoint h = HandlePoint(handle);
        if (h.x >= point.x - tolerance.cx && h.x < point.x + tolerance.cx
            && h.y >= point.y - tolerance.cy && h.y < point.y + tolerance.cy)
            return handle;
    }
    if (!inside)
        return hitNothing;
    const CDibImage* image = GetImage(false);
    if (!image)
        return hitNothing;
    // A transparent pixel under the point is no hit.
    const long long px = (long long)(point.x - r.left) * image->Width() / m_size.cx;
    const long long py = (long long)(r.top - point.y) * image->Height() / m_size.cy;
    return image->GetPixel(int(px), int(py)) == transparentKey ? hitNothing : hitBody;
}

int CSymbolObj::GetOutline(CPointPath& path)
{
    CRect r;
    GetRect(&r);
    path.Add(r.left, r.top);
    path.Add(r.right, r.top);
    path.Add(r.right, r.bottom);
    path.Add(r.left, r.bottom);
    path.Add(r.left, r.top);
    return path.GetSize();
}

int CSymbolObj::GetHandles(CPointPath& path)
{
    if (HasFlag(SOF_NOHANDLES))
        return path.GetSize();
    const int count = HasFlag(SOF_KEEPASPECT) ? 4 : 8;
    for (int handle = 0; handle < count; ++handle)
        path.Add(HandlePoint(handle));
    return path.GetSize();
}

void CSymbolObj::BeginTrack(DragState& drag)
{
    drag.bActive = 1;
    drag.ptOrg = m_ptCenter;
    drag.sizeOrg = m_size;
}

void CSymbolObj::EndTrack(DragState& drag)
{
    drag.bActive = 0;
}

void CSymbolObj::TrackTo(const DragState& drag)
{
    if (drag.nHandle == hitBody || drag.nHandle == hitMoveHandle) {
        const int newX = drag.ptCur.x - (drag.ptStart.x - drag.ptOrg.x);
        const int newY = drag.ptCur.y - (drag.ptStart.y - drag.ptOrg.y);
        if (!drag.Shift())
            SetPosition(newX, newY);
        else if (std::abs(newX - drag.ptOrg.x) < std::abs(newY - drag.ptOrg.y))
            SetPosition(drag.ptOrg.x, newY);
        else
            SetPosition(newX, drag.ptOrg.y);
        return;
    }
    if (drag.nHandle >= 0 && drag.nHandle < 8)
        TrackResize(drag);
}

void CSymbolObj::TrackResize(const DragState& drag)
{
    const HandleSign sign = handleSigns[drag.nHandle];
    int dx = (drag.ptCur.x - drag.ptStart.x) * sign.sx;
    int dy = (drag.ptCur.y - drag.ptStart.y) * sign.sy;
    const bool anchored = drag.Control();
    if (!anchored) {
        // Without Ctrl the object grows symmetrically about its centre.
        dx *= 2;
        dy *= 2;
    }
    const int anchorX = drag.ptOrg.x - (drag.sizeOrg.cx * sign.sx) / 2;
    const int anchorY = drag.ptOrg.y - (drag.sizeOrg.cy * sign.sy) / 2;
    int newCx = std::max(drag.sizeOrg.cx + dx, minimumSize);
    int newCy = std::max(drag.sizeOrg.cy + dy, minimumSize);
    if ((drag.Shift() || HasFlag(SOF_KEEPASPECT)) && drag.sizeOrg.cx != 0 && drag.sizeOrg.cy != 0) {
        // The dimension that grew relatively more decides.
        const double ratio = double(drag.sizeOrg.cy) / drag.sizeOrg.cx;
        if (newCy / double(float(newCx)) < ratio)
            newCy = int(newCx * ratio);
        else
            newCx = int(newCy / ratio);
    }
    if (anchored)
        SetPosition(anchorX + (newCx * sign.sx) / 2, anchorY + (newCy * sign.sy) / 2);
    SetSize(newCx, newCy);
}
