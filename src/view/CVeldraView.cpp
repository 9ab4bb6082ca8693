#include "CVeldraView.h"

#include "CGridPainter.h"
#include "CViewCommands.h"
#include "CViewComposer.h"
#include "CViewEditCommands.h"
#include "artwork/CArtwork.h"
#include "tools/CFillPaintTool.h"
#include "tools/CPenTool.h"
#include "tools/CScrollTool.h"
#include "tools/CSelectTool.h"
#include "tools/CTextPlacementTool.h"
#include "tools/CZoomTool.h"

#include "document/CPenCommands.h"
#include "document/CVeldraDoc.h"
#include "document/UpdateHint.h"
#include "imaging/DibStretcher.h"
#include "objects/CPointPath.h"
#include "objects/CSymbolObj.h"
#include "objects/ObjectFlags.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int hitTolerancePixels = 5;

} // namespace

CVeldraView::CVeldraView(CVeldraDoc& doc, GridSettings& grid, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_grid(grid), m_renderer(doc), m_composer(doc),
      m_edit(std::make_unique<CViewEditCommands>(*this)), m_commands(std::make_unique<CViewCommands>(*this))
{
    // A pitch that was never set is 5 mm, in the settings themselves so that
    // the grid dialog starts from it too.
    if (m_grid.pitch.x < 0)
        m_grid.pitch.x = 500;
    if (m_grid.pitch.y < 0)
        m_grid.pitch.y = 500;
    m_tools[toolSelect] = std::make_unique<CSelectTool>(*this);
    m_tools[toolZoom] = std::make_unique<CZoomTool>(*this);
    m_tools[toolScroll] = std::make_unique<CScrollTool>(*this);
    m_tools[toolTextBlock] = std::make_unique<CTextPlacementTool>(*this);
    m_tools[toolPen] = std::make_unique<CPenTool>(*this);
    m_tools[toolFillPaint] = std::make_unique<CFillPaintTool>(*this);
    m_tools[toolHorizontalText] = std::make_unique<CTextPlacementTool>(*this);
    m_tools[toolFanText] = std::make_unique<CTextPlacementTool>(*this);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    m_doc.AddObserver(this);
}

CVeldraView::~CVeldraView()
{
    m_doc.RemoveObserver(this);
}

// ------------------------------------------------------------------ set-up

void CVeldraView::OnInitialUpdate(int zoomSetting)
{
    m_pSelection = nullptr;
    m_geometry.SetClientSize({viewport()->width(), viewport()->height()});
    DeviceCaps caps;
    if (m_deviceQuery && m_deviceQuery(caps))
        SetDevice(caps.resolution, caps.pageWidth * 10, caps.pageHeight * 10);
    else
        // No engraver to ask: the document keeps its resolution and page,
        // but is bound to them again all the same, because a layout just
        // read has its own material size and objects to size for them.
        SetDevice(m_doc.GetResolution(), m_doc.GetPrintableSize().cx, m_doc.GetPrintableSize().cy);
    m_nFollowedFit = 0;
    if (zoomSetting == fitZoom) {
        FitToScreen();
        m_nFollowedFit = m_geometry.Zoom();
    } else {
        SetZoom(std::clamp(zoomSetting, CViewGeometry::minZoom, CViewGeometry::maxZoom));
    }
    SetTool(toolSelect);
}

void CVeldraView::SetDevice(int resolution, int width, int height)
{
    m_doc.SetDevice(resolution, width, height);
    RebuildPlateCache();
}

void CVeldraView::RebuildPlateCache()
{
    const CSize size = m_doc.GetDeviceSize();
    if (!m_pPlateCache)
        m_pPlateCache = std::make_unique<CDibImage>();
    if (!m_pPlateCache->Create(size.cx, size.cy, 24))
        m_pPlateCache.reset();
    m_geometry.SetPlateSize(m_pPlateCache ? size : CSize{});
}

// -------------------------------------------------------------------- zoom

void CVeldraView::SetZoom(int percent)
{
    m_geometry.SetClientSize({viewport()->width(), viewport()->height()});
    m_geometry.SetZoom(percent);
    UpdateScrollBars();
    viewport()->update();
    emit StatusChanged();
}

void CVeldraView::UpdateScrollBars()
{
    const CSize scroll = m_geometry.ScrollSize();
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, scroll.cx - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    horizontalScrollBar()->setSingleStep(std::max(1, client.width() / 10));
    verticalScrollBar()->setRange(0, std::max(0, scroll.cy - client.height()));
    verticalScrollBar()->setPageStep(client.height());
    verticalScrollBar()->setSingleStep(std::max(1, client.height() / 10));
}

void CVeldraView::ZoomInAt(QPoint client)
{
    ZoomAbout(m_geometry.NextZoomIn(), client);
}

void CVeldraView::ZoomOutAt(QPoint client)
{
    ZoomAbout(m_geometry.NextZoomOut(), client);
}

void CVeldraView::ZoomAbout(int zoom, QPoint client)
{
    if (zoom == 0)
        return;
    // The plate point under the client point stays there where the view
    // can scroll.
    const CPoint device = ClientToDevice(client);
    SetZoom(zoom);
    const CPoint scroll = m_geometry.ScrollToKeep(device, {client.x(), client.y()});
    ScrollTo({scroll.x, scroll.y});
}

void CVeldraView::FitToScreen()
{
    m_geometry.SetClientSize({viewport()->width(), viewport()->height()});
    SetZoom(m_geometry.FitZoom());
}

void CVeldraView::SetPresetZoom(CommandId id)
{
    static constexpr int presets[] = {50, 100, 200, 400};
    const int index = int(id) - int(CommandId::Zoom50);
    if (index < 0 || index > 3)
        return;
    ZoomAbout(presets[index], viewport()->rect().center());
}

// --------------------------------------------------------------- mapping

QPoint CVeldraView::ScrollPosition() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CVeldraView::ScrollTo(QPoint position)
{
    // The bars clamp to their ranges, so an axis that fits stays at 0.
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

CPoint CVeldraView::ClientToDevice(QPoint client) const
{
    const QPoint view = client + ScrollPosition();
    return m_geometry.ViewToDevice(CPoint{view.x(), view.y()});
}

QPoint CVeldraView::DeviceToClient(CPoint device) const
{
    const CPoint view = m_geometry.DeviceToView(device);
    return QPoint(view.x, view.y) - ScrollPosition();
}

CPoint CVeldraView::ClientToLayout(QPoint client) const
{
    return m_doc.DeviceToDoc(ClientToDevice(client));
}

CSize CVeldraView::HitTolerance() const
{
    const int pixels = std::max(1, int(hitTolerancePixels / m_geometry.Factor()));
    return m_doc.DeviceToDocSize({pixels, pixels});
}

// --------------------------------------------------------- selection, tool

void CVeldraView::SetSelection(CSymbolObj* object)
{
    m_pSelection = object;
    viewport()->update();
    emit StatusChanged();
}

void CVeldraView::SetTool(int tool)
{
    if (tool < toolSelect || tool > toolFanText)
        return;
    m_nTool = tool;
    if (tool >= toolTextBlock)
        SetSelection(nullptr);
    UpdateCursor(viewport()->mapFromGlobal(QCursor::pos()));
}

CViewTool& CVeldraView::ToolObject()
{
    return *m_tools[std::size_t(m_nTool)];
}

void CVeldraView::SetTextPlacer(int tool, std::function<bool(CPoint device)> placer)
{
    if (tool != toolTextBlock && tool != toolHorizontalText && tool != toolFanText)
        return;
    // A text placed, the view goes back to Select; the tool itself knows
    // nothing of the view's tools.
    auto& placing = static_cast<CTextPlacementTool&>(*m_tools[std::size_t(tool)]);
    if (!placer) {
        placing.SetPlacer({});
        return;
    }
    placing.SetPlacer([this, placer = std::move(placer)](CPoint device) {
        if (!placer(device))
            return false;
        SetTool(toolSelect);
        return true;
    });
}

void CVeldraView::RunCommand(CommandId id)
{
    if (m_commandSink)
        m_commandSink(id);
}

void CVeldraView::ShowContextMenu(QPoint global)
{
    if (m_contextMenu)
        m_contextMenu(global);
}

// ------------------------------------------------------------ the document

void CVeldraView::OnUpdate(void*, int hint, CSymbolObj* object)
{
    switch (hint) {
    case hintOrderChanged:
        viewport()->update();
        break;
    case hintSelect:
        if (object && (m_nTool == toolPen || m_nTool == toolFillPaint || object->HasFlag(SOF_LOCKED)))
            object = nullptr;
        SetSelection(object);
        break;
    case hintAboutToDelete:
        if (object && m_pSelection) {
            if (object->HasFlag(SOF_CLIPOUTSIDE))
                viewport()->update();
            if (object == m_pSelection)
                SetSelection(nullptr);
        }
        break;
    case hintPreferences:
        SetZoom(m_geometry.Zoom());
        break;
    case hintDeviceChanged:
        RebuildPlateCache();
        SetZoom(m_geometry.Zoom());
        break;
    default:
        viewport()->update();
        break;
    }
}

// ---------------------------------------------------------------- painting

QImage CVeldraView::ComposeVisible()
{
    QImage image(viewport()->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintScene(painter);
    return image;
}

void CVeldraView::PaintScene(QPainter& painter)
{
    if (m_pPlateCache) {
        CPlateRenderer* shown = m_plateSource ? m_plateSource() : nullptr;
        (shown ? *shown : m_renderer).RenderPlate(*m_pPlateCache, CPlateRenderer::screen);
    }
    CViewComposer::Scene scene;
    scene.geometry = &m_geometry;
    scene.scroll = ScrollPosition();
    scene.client = viewport()->size();
    scene.plate = m_pPlateCache.get();
    scene.grid = &m_grid;
    scene.selection = m_pSelection;
    scene.outside = m_doc.Settings().outsideColor;
    scene.handle = &CArtwork::HandleImage();
    m_composer.Paint(painter, scene);
    m_stroke.Paint(painter);
}

void CVeldraView::paintEvent(QPaintEvent*)
{
    if (m_bPrinting)
        return;
    QPainter painter(viewport());
    if (!m_pPlateCache) {
        painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
        return;
    }
    // The plate with its grid is composed off-screen, and the window's
    // backing store takes the rest before anything reaches the screen: the
    // window never shows a half-drawn plate.
    PaintScene(painter);
}

void CVeldraView::AddStrokeDisc(QPoint client, int diameter, QColor colour)
{
    viewport()->update(m_stroke.AddDisc(client, diameter, colour));
}

void CVeldraView::AddStrokeLine(QPoint from, QPoint to, int width, QColor colour)
{
    viewport()->update(m_stroke.AddLine(from, to, width, colour));
}

void CVeldraView::ClearStrokeFeedback()
{
    m_stroke.Clear();
    viewport()->update();
}

void CVeldraView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_geometry.Factor() == 0)
        return;
    // A plate fitted when the layout opened stays fitted while the window
    // finds its size, until the user picks another zoom.
    if (m_nFollowedFit != 0 && m_nFollowedFit == m_geometry.Zoom()) {
        FitToScreen();
        m_nFollowedFit = m_geometry.Zoom();
    } else {
        m_nFollowedFit = 0;
        SetZoom(m_geometry.Zoom());
    }
}

void CVeldraView::scrollContentsBy(int, int)
{
    viewport()->update();
    emit StatusChanged();
}

// ------------------------------------------------------------ mouse, keys

ViewMouse CVeldraView::MakeMouse(const QMouseEvent& event) const
{
    const QPoint client = event.position().toPoint();
    return {client, ClientToDevice(client), event.modifiers(), event.buttons()};
}

void CVeldraView::BeginHandScroll(QPoint client)
{
    m_bHandScroll = true;
    m_handAnchor = client + ScrollPosition();
    viewport()->setCursor(CArtwork::Cursor(CursorKind::HandScroll));
}

void CVeldraView::HandScrollTo(QPoint client)
{
    const CSize scroll = m_geometry.ScrollSize();
    const QSize size = viewport()->size();
    ScrollTo({scroll.cx > size.width() ? m_handAnchor.x() - client.x() : 0,
              scroll.cy > size.height() ? m_handAnchor.y() - client.y() : 0});
}

void CVeldraView::EndHandScroll()
{
    m_bHandScroll = false;
    viewport()->update();
    UpdateCursor(viewport()->mapFromGlobal(QCursor::pos()));
}

void CVeldraView::mousePressEvent(QMouseEvent* event)
{
    const ViewMouse mouse = MakeMouse(*event);
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && mouse.modifiers & Qt::AltModifier)) {
        BeginHandScroll(mouse.client);
        return;
    }
    if (event->button() == Qt::LeftButton)
        ToolObject().LeftDown(mouse);
    else if (event->button() == Qt::RightButton)
        ToolObject().RightDown(mouse);
}

void CVeldraView::mouseReleaseEvent(QMouseEvent* event)
{
    const ViewMouse mouse = MakeMouse(*event);
    if (m_bHandScroll) {
        if (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)
            EndHandScroll();
        return;
    }
    if (event->button() == Qt::LeftButton)
        ToolObject().LeftUp(mouse);
    else if (event->button() == Qt::RightButton)
        ToolObject().RightUp(mouse);
}

void CVeldraView::mouseMoveEvent(QMouseEvent* event)
{
    const ViewMouse mouse = MakeMouse(*event);
    if (m_bHandScroll) {
        // Without a button held the grab is gone: the scroll is over.
        if (mouse.buttons & (Qt::LeftButton | Qt::MiddleButton))
            HandScrollTo(mouse.client);
        else
            EndHandScroll();
    } else {
        ToolObject().Move(mouse);
        if (!(mouse.buttons & (Qt::LeftButton | Qt::RightButton)))
            UpdateCursor(mouse.client);
    }
    emit StatusChanged();
}

void CVeldraView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_nTool == toolSelect)
        ToolObject().DoubleClick(MakeMouse(*event));
    else
        mousePressEvent(event);
}

void CVeldraView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const QPoint client = event->position().toPoint();
    if (event->angleDelta().y() > 0)
        ZoomInAt(client);
    else if (event->angleDelta().y() < 0)
        ZoomOutAt(client);
    event->accept();
}

bool CVeldraView::focusNextPrevChild(bool)
{
    // Tab belongs to the view: it walks through the objects.
    return false;
}

void CVeldraView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (m_nTool == toolSelect)
            m_doc.SelectNext(m_pSelection, event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier));
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (m_pSelection) {
            NudgeSelection(*event);
            return;
        }
        break;
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CVeldraView::NudgeSelection(const QKeyEvent& event)
{
    const int zoom = m_geometry.Zoom();
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    // Below 100 % a step is at least one window pixel (ten with Shift).
    const int step = zoom < 100 ? (zoom + (shift ? 999 : 99)) / zoom : (shift ? 10 : 1);
    CSize move;
    switch (event.key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    default: move = {0, step}; break;
    }
    // A held key repeats: one undo step for the whole run.
    if (!event.isAutoRepeat())
        m_doc.RecordUndo(UndoKind::bounds, m_pSelection, true);
    const CSize layout = m_doc.DeviceToDocSize(move);
    m_pSelection->Offset(layout.cx, -layout.cy);
    SetSelection(m_pSelection);
}

bool CVeldraView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        m_hint.clear();
        emit StatusChanged();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CVeldraView::UpdateCursor(QPoint client)
{
    if (m_bHandScroll)
        return;
    const ViewMouse mouse{client, ClientToDevice(client), QGuiApplication::keyboardModifiers(), {}};
    viewport()->setCursor(ToolObject().Cursor(mouse));
    m_hint = ToolObject().Hint(mouse);
}

// ----------------------------------------------------------------- commands

bool CVeldraView::OnCommand(CommandId id)
{
    return m_commands->OnCommand(id) || m_edit->OnCommand(id);
}

bool CVeldraView::OnUpdateCommand(CommandId id, CCommandState& state)
{
    return m_commands->OnUpdateCommand(id, state) || m_edit->OnUpdateCommand(id, state);
}

bool CVeldraView::CanPlaceText(int tool) const
{
    return (tool == toolTextBlock || tool == toolHorizontalText || tool == toolFanText)
        && static_cast<const CTextPlacementTool&>(*m_tools[std::size_t(tool)]).CanPlace();
}
