#include "CViewComposer.h"

#include "CGridPainter.h"

#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"
#include "imaging/DibStretcher.h"
#include "imaging/QtColor.h"
#include "objects/CPointPath.h"
#include "objects/CSymbolObj.h"

#include <QPainter>
#include <QPolygon>
#include <QRegion>

namespace {

QRect ToQRect(const CRect& rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

CRect ToCRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

constexpr int handleHalf = 3;

} // namespace

void CViewComposer::Paint(QPainter& painter, const Scene& scene)
{
    const QRect visible = VisiblePlate(scene);
    PaintOutside(painter, scene, visible.translated(-scene.scroll));
    if (!visible.isEmpty()) {
        QImage part = StretchVisible(scene, visible);
        if (scene.grid && scene.grid->shown)
            PaintGrid(part, scene, visible);
        painter.drawImage(visible.topLeft() - scene.scroll, part);
    }
    if (scene.selection)
        PaintSelection(painter, scene);
}

QRect CViewComposer::VisiblePlate(const Scene& scene)
{
    if (!scene.plate || scene.plate->IsEmpty())
        return {};
    const QRect client(scene.scroll, scene.client);
    return client.intersected(ToQRect(scene.geometry->PlateRect()));
}

void CViewComposer::PaintOutside(QPainter& painter, const Scene& scene, const QRect& plateClient) const
{
    QRegion outside(QRect(QPoint(0, 0), scene.client));
    outside -= plateClient;
    for (const QRect& rect : outside)
        painter.fillRect(rect, ToQColor(scene.outside));
}

QImage CViewComposer::StretchVisible(const Scene& scene, const QRect& visible)
{
    const CViewGeometry& geometry = *scene.geometry;
    const StretchMode mode = geometry.Zoom() < 100 ? StretchMode::Halftone : StretchMode::ColorOnColor;
    return m_stretch.Stretch(*scene.plate, geometry.PlateRect(), ToCRect(visible), mode);
}

void CViewComposer::PaintGrid(QImage& image, const Scene& scene, const QRect& visible) const
{
    const CSize margin = scene.geometry->Margins();
    CGridPainter::Frame frame;
    frame.materialSize = m_doc.GetMaterialSize();
    frame.resolution = m_doc.GetResolution();
    frame.factor = scene.geometry->Factor();
    frame.offset = {std::max(0, visible.left() - margin.cx), std::max(0, visible.top() - margin.cy)};
    QPainter painter(&image);
    CGridPainter::Draw(painter, *scene.grid, frame);
}

QPolygon CViewComposer::ToClient(const Scene& scene, const CPointPath& path) const
{
    QPolygon polygon;
    polygon.reserve(path.GetSize());
    for (int i = 0; i < path.GetSize(); ++i) {
        const CPoint view = scene.geometry->DeviceToView(m_doc.DocToDevice(path[i]));
        polygon << QPoint(view.x, view.y) - scene.scroll;
    }
    return polygon;
}

void CViewComposer::PaintSelection(QPainter& painter, const Scene& scene) const
{
    CPointPath outline;
    scene.selection->GetOutline(outline);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawPolyline(ToClient(scene, outline));
    painter.restore();

    if (!scene.handle)
        return;
    CPointPath handles;
    scene.selection->GetHandles(handles);
    for (const QPoint& point : ToClient(scene, handles))
        painter.drawImage(point - QPoint(handleHalf, handleHalf), *scene.handle);
}
