#include "CColorPopup.h"

#include "imaging/QtColor.h"

#include <QColorDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

namespace {

constexpr int gridWidth = 97;
constexpr int otherButtonWidth = 72;
constexpr int otherButtonHeight = 24;

} // namespace

CColorPopup::CColorPopup(QWidget* owner)
    // A pop-up window holds the mouse while it is open, clicks outside it
    // included. It shows no lengths, so the unit does not matter.
    : CBaseDlg(CUnitFormat::millimetres, owner, Qt::Popup | Qt::FramelessWindowHint)
    , m_pSeparator(new QFrame(this))
    , m_pOtherButton(new QPushButton(tr("&Other..."), this))
    , m_chooseOther(&CColorPopup::RunColorDialog)
{
    m_pSeparator->setFrameShape(QFrame::HLine);
    m_pSeparator->setFrameShadow(QFrame::Sunken);
    // The pop-up itself decides what a press on the button means.
    m_pOtherButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pOtherButton->setAutoDefault(false);
    connect(m_pOtherButton, &QPushButton::clicked, this, &CColorPopup::ChooseOther);
    setMouseTracking(true);
    LayOut();
}

void CColorPopup::SetPalette(const QList<COLORREF>& palette)
{
    m_palette = palette;
    LayOut();
}

void CColorPopup::Prepare(COLORREF color, const QRect& ownerScreenRect)
{
    LayOut();
    m_nHot = int(m_palette.indexOf(color)) + 1;
    m_bExtraColor = m_nHot == 0;
    m_items[0].color = color;
    const QScreen* screen = QGuiApplication::screenAt(ownerScreenRect.center());
    if (!screen)
        screen = this->screen();
    move(PlaceAt(ownerScreenRect, size(), screen->geometry()));
    update();
}

QRect CColorPopup::GridRect() const
{
    return QRect(0, 0, gridWidth, RowCount() * swatchPitch + 1);
}

QRect CColorPopup::OtherButtonRect() const
{
    return m_pOtherButton->geometry();
}

std::optional<COLORREF> CColorPopup::HotColor() const
{
    if (m_nHot < 0)
        return std::nullopt;
    return m_items[m_nHot].color;
}

QPoint CColorPopup::PlaceAt(const QRect& ownerRect, const QSize& size, const QRect& screenRect)
{
    int x = qMax(ownerRect.left(), screenRect.left());
    if (x + size.width() > screenRect.left() + screenRect.width())
        x = screenRect.left() + screenRect.width() - size.width();
    int y = ownerRect.top() + ownerRect.height();
    if (y + size.height() > screenRect.top() + screenRect.height())
        y = ownerRect.top() - size.height();
    return QPoint(x, y);
}

void CColorPopup::LayOut()
{
    m_items.resize(m_palette.size() + 1);
    for (int i = 1; i < ItemCount(); ++i) {
        const int column = (i - 1) % swatchesPerRow;
        const int row = (i - 1) / swatchesPerRow;
        m_items[i] = {m_palette[i - 1], QRect(1 + column * swatchPitch, 1 + row * swatchPitch, swatchSize, swatchSize)};
    }
    const int gridBottom = GridRect().height();
    m_items[0].rect = QRect(73, gridBottom + 6, swatchSize, swatchSize);
    m_pSeparator->setGeometry(0, gridBottom + 1, gridWidth, 2);
    m_pOtherButton->setGeometry(0, gridBottom + 5, otherButtonWidth, otherButtonHeight);
    setFixedSize(gridWidth, gridBottom + 30);
}

int CColorPopup::ItemAt(QPoint point) const
{
    for (int i = m_bExtraColor ? 0 : 1; i < ItemCount(); ++i) {
        if (m_items[i].rect.contains(point))
            return i;
    }
    return -1;
}

void CColorPopup::SetHot(int index)
{
    if (index == m_nHot)
        return;
    if (m_nHot >= 0)
        update(m_items[m_nHot].rect);
    m_nHot = index;
    if (m_nHot >= 0)
        update(m_items[m_nHot].rect);
}

void CColorPopup::ChooseOther()
{
    QWidget* owner = parentWidget();
    // The colour dialog belongs to the owner's window, not to this pop-up.
    hide();
    if (owner) {
        owner->window()->raise();
        owner->window()->activateWindow();
    }
    const std::optional<COLORREF> chosen = m_chooseOther(m_items[0].color, owner);
    if (!chosen) {
        done(Rejected);
        return;
    }
    m_items[0].color = *chosen;
    m_bExtraColor = true;
    m_nHot = 0;
    done(Accepted);
}

void CColorPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int i = m_bExtraColor ? 0 : 1; i < ItemCount(); ++i)
        PaintItem(painter, i);
}

void CColorPopup::PaintItem(QPainter& painter, int index) const
{
    const QRect rect = m_items[index].rect;
    painter.fillRect(rect, ToQColor(m_items[index].color));
    if (index == m_nHot)
        qDrawShadePanel(&painter, rect, palette(), false, 1);
    else
        qDrawWinPanel(&painter, rect, palette(), true);
}

void CColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    const int item = ItemAt(point);
    if (item >= 0)
        SetHot(item);
    else if (OtherButtonRect().contains(point))
        SetHot(-1);
}

void CColorPopup::mousePressEvent(QMouseEvent* event)
{
    if (OtherButtonRect().contains(event->position().toPoint()))
        ChooseOther();
}

void CColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    // Inside the grid but with nothing hot (the mouse last crossed
    // "Other..."), there is nothing to take.
    if (GridRect().contains(event->position().toPoint()) && m_nHot >= 0)
        accept();
    else
        reject();
}

std::optional<COLORREF> CColorPopup::RunColorDialog(COLORREF initial, QWidget* parent)
{
    const QColor color = QColorDialog::getColor(ToQColor(initial), parent);
    if (!color.isValid())
        return std::nullopt;
    return FromQColor(color);
}
