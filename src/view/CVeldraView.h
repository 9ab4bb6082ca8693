#pragma once

#include "CStrokeFeedback.h"
#include "CViewComposer.h"
#include "CViewGeometry.h"
#include "settings/GridSettings.h"
#include "ICommandTarget.h"

#include "document/CPlateRenderer.h"
#include "document/IDocumentObserver.h"
#include "imaging/CDibImage.h"
#include "objects/DragState.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPolygon>

#include <array>
#include <functional>
#include <memory>

class CSymbolObj;
class CVeldraDoc;
class CViewCommands;
class CViewEditCommands;
class CViewTool;
class CDibImage;
class IObjectEditor;
struct ViewMouse;

// The scrolling view of the plate: the material at a zoom, centred when it
// fits, with the grid and the selection's outline and handles on top. It
// keeps the selection, hands mouse and keys to the current tool and runs
// the view's commands.
class CVeldraView : public QAbstractScrollArea, public IDocumentObserver, public ICommandTarget
{
    Q_OBJECT

public:
    enum Tool { toolSelect, toolZoom, toolScroll, toolTextBlock, toolPen, toolFillPaint, toolHorizontalText, toolFanText };

    // What the engraver says about itself: dots per inch and the printable
    // page in 0.1 mm.
    struct DeviceCaps
    {
        int resolution = 0;
        int pageWidth = 0;
        int pageHeight = 0;
    };
    using DeviceQuery = std::function<bool(DeviceCaps&)>;

    CVeldraView(CVeldraDoc& doc, GridSettings& grid, QWidget* parent = nullptr);
    ~CVeldraView() override;

    // After a document was made or opened: device, zoom, tool.
    // The zoom a layout opens at: fitZoom fits the plate to the window and
    // keeps it fitted as the window is sized, until the user zooms.
    static constexpr int fitZoom = 0;
    void OnInitialUpdate(int zoomSetting);
    void SetDeviceQuery(DeviceQuery query) { m_deviceQuery = std::move(query); }
    // Where the plate shown comes from instead of the layout itself (a copy
    // holding a record's values); null from it: the layout.
    using PlateSource = std::function<CPlateRenderer*()>;
    void SetPlateSource(PlateSource source) { m_plateSource = std::move(source); }
    void SetDevice(int resolution, int width, int height);
    // While the plate is rendered for the printer, screen paints draw
    // nothing; the next paint after it renders for the screen again.
    void SetPrinting(bool printing) { m_bPrinting = printing; }
    void RebuildPlateCache();

    // Zoom.
    void SetZoom(int percent);
    void ZoomInAt(QPoint client);
    void ZoomOutAt(QPoint client);
    // Zooms to a step keeping the plate point under a client point; 0 does nothing.
    void ZoomAbout(int zoom, QPoint client);
    void FitToScreen();
    void SetPresetZoom(CommandId id);
    int Zoom() const { return m_geometry.Zoom(); }
    const CViewGeometry& Geometry() const { return m_geometry; }

    // Selection and tool.
    // What a drag from under the cursor would do, for the status bar.
    const QString& Hint() const { return m_hint; }
    CSymbolObj* Selection() const { return m_pSelection; }
    void SetSelection(CSymbolObj* object);
    int CurrentTool() const { return m_nTool; }
    void SetTool(int tool);

    // Mapping between the window and the plate.
    QPoint ScrollPosition() const;
    void ScrollTo(QPoint position);
    CPoint ClientToDevice(QPoint client) const;
    QPoint DeviceToClient(CPoint device) const;
    CPoint ClientToLayout(QPoint client) const;
    // The hit tolerance (5 window pixels) in layout units.
    CSize HitTolerance() const;

    // For the tools.
    CVeldraDoc& Document() { return m_doc; }
    GridSettings& Grid() { return m_grid; }
    DragState& Drag() { return m_drag; }
    void Repaint() { viewport()->update(); }
    void SetCapture(bool on) { m_bCaptured = on; }
    bool HasCapture() const { return m_bCaptured; }
    void BeginHandScroll(QPoint client);
    // Feedback of a pen stroke before the document has it: discs and lines
    // in window pixels, cleared when the stroke ends.
    void AddStrokeDisc(QPoint client, int diameter, QColor colour);
    void AddStrokeLine(QPoint from, QPoint to, int width, QColor colour);
    void ClearStrokeFeedback();
    void ShowContextMenu(QPoint global);
    // The menu shown on a right click with the Select tool; set by the frame.
    void SetContextMenuSource(std::function<void(QPoint)> show) { m_contextMenu = std::move(show); }
    // Placing text with one of the text tools; set by whoever provides the
    // text properties dialogs. Until then the text tools stay disabled.
    void SetTextPlacer(int tool, std::function<bool(CPoint device)> placer);
    // True when the text tool has someone to place its text.
    bool CanPlaceText(int tool) const;
    // Who edits an object's properties (the dialogs); null: nobody yet.
    void SetObjectEditor(IObjectEditor* editor) { m_pObjectEditor = editor; }
    IObjectEditor* ObjectEditor() const { return m_pObjectEditor; }
    // Who lets the user cut a picture (the Crop Image dialog); empty: nobody yet.
    void SetPictureCropper(std::function<bool(CDibImage&)> cropper) { m_cropPicture = std::move(cropper); }
    const std::function<bool(CDibImage&)>& PictureCropper() const { return m_cropPicture; }
    // Runs a command through the program's router; set by the frame.
    void SetCommandSink(std::function<void(CommandId)> sink) { m_commandSink = std::move(sink); }
    void RunCommand(CommandId id);

    // IDocumentObserver
    void OnUpdate(void* sender, int hint, CSymbolObj* object) override;
    // ICommandTarget
    bool OnCommand(CommandId id) override;
    bool OnUpdateCommand(CommandId id, CCommandState& state) override;

    // The picture of the visible part as it is painted, for tests and the
    // benchmark: plate, grid, selection.
    QImage ComposeVisible();

signals:
    // The cursor moved or the zoom, scroll or selection changed: the status
    // bar has something new to show.
    void StatusChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool viewportEvent(QEvent* event) override;

private:
    void PaintScene(QPainter& painter);
    ViewMouse MakeMouse(const QMouseEvent& event) const;
    CViewTool& ToolObject();
    void UpdateCursor(QPoint client);
    void UpdateScrollBars();
    void HandScrollTo(QPoint client);
    void EndHandScroll();
    void NudgeSelection(const QKeyEvent& event);

    CVeldraDoc& m_doc;
    GridSettings& m_grid;
    CViewGeometry m_geometry;
    // The zoom the plate was last fitted at while it follows the window; 0: none.
    int m_nFollowedFit = 0;
    CPlateRenderer m_renderer;
    PlateSource m_plateSource;
    CViewComposer m_composer;
    std::unique_ptr<CDibImage> m_pPlateCache;
    int m_nTool = toolSelect;
    CSymbolObj* m_pSelection = nullptr;
    DragState m_drag;
    bool m_bCaptured = false;
    bool m_bPrinting = false;
    bool m_bHandScroll = false;
    QString m_hint;
    QPoint m_handAnchor;
    std::array<std::unique_ptr<CViewTool>, 8> m_tools;
    std::unique_ptr<CViewEditCommands> m_edit;
    std::unique_ptr<CViewCommands> m_commands;
    DeviceQuery m_deviceQuery;
    IObjectEditor* m_pObjectEditor = nullptr;
    std::function<bool(CDibImage&)> m_cropPicture;
    std::function<void(QPoint)> m_contextMenu;
    std::function<void(CommandId)> m_commandSink;

    CStrokeFeedback m_stroke;
};
