#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;

// Reordering the layer list by dragging a row: the row's picture follows
// the mouse, the list scrolls by 32 pixels while the mouse is above or below
// it, and the release tells where the row lands. A right button press or the
// list losing the focus ends the drag with nothing moved.
class CLayerDrag : public QObject
{
public:
    static constexpr int scrollStep = 32;

    struct Hooks
    {
        std::function<bool(int row)> canDrag;
        std::function<bool()> hasMaterialRow;
        // row is to go before target.
        std::function<void(int row, int target)> drop;
    };

    CLayerDrag(QListWidget& list, Hooks hooks);
    ~CLayerDrag() override;

    bool IsDragging() const { return m_bDragging; }
    void Cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnPress(QPoint point, Qt::MouseButton button);
    bool OnMove(QPoint point);
    bool OnRelease(QPoint point);
    void Begin();
    void Follow(QPoint point);
    int TargetAt(int y) const;

    QListWidget& m_list;
    Hooks m_hooks;
    int m_nRow = -1;
    QPoint m_ptPress;
    bool m_bDragging = false;
    std::unique_ptr<QLabel> m_pImage;
};
