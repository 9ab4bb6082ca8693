#pragma once

#include "CStretchCache.h"
#include "CViewGeometry.h"
#include "settings/GridSettings.h"

#include "imaging/ColorRef.h"

#include <QImage>
#include <QPoint>
#include <QSize>

class CDibImage;
class CSymbolObj;
class CVeldraDoc;
class QPainter;

// Composes what the view shows of a rendered plate: the outside colour
// around it, the visible part stretched to the zoom (area-averaged below
// 100 %, pixels repeated above) with the grid drawn into it, and the
// selection's dotted outline and handles on top.
class CViewComposer
{
public:
    struct Scene
    {
        const CViewGeometry* geometry = nullptr;
        QPoint scroll;
        QSize client;
        const CDibImage* plate = nullptr;
        const GridSettings* grid = nullptr;
        CSymbolObj* selection = nullptr;
        COLORREF outside = RGB(0xFF, 0xFF, 0xFF);
        const QImage* handle = nullptr;
    };

    explicit CViewComposer(CVeldraDoc& doc) : m_doc(doc) {}

    // Paints the whole client area; the painter's origin is the client's.
    // The stretched plate is kept for the next paint.
    void Paint(QPainter& painter, const Scene& scene);

private:
    void PaintOutside(QPainter& painter, const Scene& scene, const QRect& plateClient) const;
    // The visible part of the plate in scroll space; empty when none.
    static QRect VisiblePlate(const Scene& scene);
    QImage StretchVisible(const Scene& scene, const QRect& visible);
    void PaintGrid(QImage& image, const Scene& scene, const QRect& visible) const;
    void PaintSelection(QPainter& painter, const Scene& scene) const;
    QPolygon ToClient(const Scene& scene, const class CPointPath& path) const;

    CVeldraDoc& m_doc;
    CStretchCache m_stretch;
};
