#pragma once

#include "DragState.h"
#include "ObjectFlags.h"

#include "platform/CObject.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class CDibImage;
class CDocumentContext;
class CPointPath;
class QPainter;

// Everything that can be placed on the plate: a centre and size in layout
// units (0.01 mm, y up), a name, a visibility switch and a flag word, with
// moving, resizing by handles, hit testing and outlines done once for all
// kinds. Pictures, text blocks, horizontal and fan text derive from it.
class CSymbolObj : public CObject
{
    VELDRA_DECLARE_SERIAL(CSymbolObj)

public:
    CSymbolObj() = default;
    ~CSymbolObj() override = default;

    // Reads or writes the common record body: name, flags, visibility,
    // centre, size. Refuses records of schema 0 and 1, and a centre or size
    // that no layout holds (damaged bytes), so no later sum overflows.
    void Serialize(CArchive& ar) override;
    // Whether a stored length (a size, a margin, a material side) is one a
    // layout can hold; past it a flipped bit makes later sums overflow.
    static bool IsPlausibleExtent(std::int32_t value);

    // A new object of the same class and state (caches not copied); null
    // for the base.
    virtual std::unique_ptr<CSymbolObj> Clone() const;
    virtual void CopyFrom(const CSymbolObj& source);
    virtual void Draw(QPainter& painter, const CRect* dest, int mode);
    // The stored image (source) or the display image when there is one.
    virtual CDibImage* GetImage(bool source);

    virtual void SetBounds(int x, int y, int cx, int cy);
    virtual void SetPosition(int x, int y);
    virtual void SetSize(int cx, int cy);
    virtual void Offset(int dx, int dy);
    virtual CPoint GetPosition() const { return m_ptCenter; }
    virtual CSize GetSize() const { return m_size; }
    // left = x - cx/2, right = left + cx, top = y + cy/2, bottom = top - cy.
    virtual void GetRect(CRect* rect) const;
    // Rebuilds what depends on the document's resolution or material.
    virtual void Refresh(CDocumentContext* document);

    virtual int HitTest(CPoint point, CSize tolerance, bool withHandles);
    virtual int GetOutline(CPointPath& path);
    virtual int GetHandles(CPointPath& path);
    virtual void BeginTrack(DragState& drag);
    virtual void EndTrack(DragState& drag);
    virtual void TrackTo(const DragState& drag);

    std::uint32_t Kind() const { return m_dwFlags & SOK_MASK; }
    bool HasFlag(std::uint32_t flag) const { return (m_dwFlags & flag) != 0; }
    // The handle point of a handle number 0-7.
    CPoint HandlePoint(int handle) const;

    QByteArray m_strName;
    std::uint32_t m_dwFlags = 0;
    std::int32_t m_bVisible = 1;
    CPoint m_ptCenter;
    CSize m_size;
    int m_nSchema = 0;

protected:
    CSymbolObj(const CSymbolObj&) = default;
    CSymbolObj& operator=(const CSymbolObj&) = default;

    void CopyCommon(const CSymbolObj& source);
    // The resize part of TrackTo for handles 0-7.
    void TrackResize(const DragState& drag);
};
