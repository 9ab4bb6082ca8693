#include "CLibraryDrag.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

CLibraryDrag::CLibraryDrag(QAbstractItemView& list, QWidget* target, std::function<void(QPoint)> dropped)
    : QObject(&list), m_list(list), m_target(target), m_dropped(std::move(dropped))
{
    m_list.viewport()->installEventFilter(this);
}

CLibraryDrag::~CLibraryDrag()
{
    Cancel();
    delete m_pImage;
}

bool CLibraryDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return OnPress(mouse->position().toPoint(), mouse->globalPosition().toPoint(), mouse->button());
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return OnMove(mouse->globalPosition().toPoint(), mouse->buttons());
    }
    case QEvent::MouseButtonRelease:
        return OnRelease(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    case QEvent::FocusOut:
    case QEvent::Hide:
        Cancel();
        return false;
    default:
        return false;
    }
}

bool CLibraryDrag::OnPress(QPoint local, QPoint global, Qt::MouseButton button)
{
    if (m_bDragging) {
        // Another button while dragging ends the drag with nothing dropped.
        Cancel();
        return true;
    }
    const QModelIndex index = m_list.indexAt(local);
    m_nRow = button == Qt::LeftButton && index.isValid() ? index.row() : -1;
    m_ptPress = global;
    const QRect cell = m_list.visualRect(index);
    m_ptHotSpot = local - QPoint(cell.center().x() - m_list.iconSize().width() / 2, cell.top());
    return false; // the list selects the row as usual
}

bool CLibraryDrag::OnMove(QPoint global, Qt::MouseButtons buttons)
{
    if (m_bDragging) {
        Follow(global);
        return true;
    }
    if (m_nRow < 0 || !(buttons & Qt::LeftButton)
        || (global - m_ptPress).manhattanLength() < QApplication::startDragDistance())
        return false;
    Begin(global);
    return true;
}

bool CLibraryDrag::OnRelease(QPoint global)
{
    m_nRow = -1;
    if (!m_bDragging)
        return false;
    const bool over = IsOverTarget(global);
    End();
    if (over && m_dropped)
        m_dropped(global);
    return true;
}

void CLibraryDrag::Begin(QPoint global)
{
    const QModelIndex index = m_list.model()->index(m_nRow, 0);
    m_list.setCurrentIndex(index);
    if (!m_pImage) {
        m_pImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
        m_pImage->setAttribute(Qt::WA_TranslucentBackground);
        m_pImage->setAttribute(Qt::WA_ShowWithoutActivating);
        m_pImage->setObjectName(QStringLiteral("LibraryDragImage"));
    }
    const QPixmap picture = QPixmap::fromImage(index.data(Qt::DecorationRole).value<QImage>());
    m_pImage->setPixmap(picture);
    m_pImage->resize(picture.size());
    m_ptHotSpot = {std::clamp(m_ptHotSpot.x(), 0, std::max(0, picture.width() - 1)),
                   std::clamp(m_ptHotSpot.y(), 0, std::max(0, picture.height() - 1))};
    m_bDragging = true;
    m_list.viewport()->grabMouse();
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    m_pImage->show();
    Follow(global);
}

void CLibraryDrag::Follow(QPoint global)
{
    if (m_pImage)
        m_pImage->move(global - m_ptHotSpot);
    QGuiApplication::changeOverrideCursor(IsOverTarget(global) ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

void CLibraryDrag::End()
{
    if (!m_bDragging)
        return;
    m_bDragging = false;
    m_nRow = -1;
    m_list.viewport()->releaseMouse();
    QGuiApplication::restoreOverrideCursor();
    if (m_pImage)
        m_pImage->hide();
}

void CLibraryDrag::Cancel()
{
    End();
}

bool CLibraryDrag::IsOverTarget(QPoint global) const
{
    // By the windows' places rather than the window system's idea of what is
    // under the cursor, which would be the picture following it.
    if (!m_target || m_list.window()->frameGeometry().contains(global))
        return false;
    const auto belongsToTarget = [this](const QWidget* window) {
        for (const QWidget* w = window; w; w = w->parentWidget())
            if (w == m_target)
                return true;
        return false;
    };
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [&](const QWidget* window) {
        return window->isVisible() && window->frameGeometry().contains(global) && belongsToTarget(window);
    });
}
