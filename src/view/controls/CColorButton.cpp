#include "CColorButton.h"

#include "imaging/QtColor.h"

#include "CColorPopup.h"

#include "imaging/QtColor.h"

#include <QPainter>
#include <QPolygon>
#include <QStyleOptionButton>

namespace {

// Room the groove and the arrow take at the right.
constexpr int arrowArea = 12;

} // namespace

CColorButton::CColorButton(QWidget* parent)
    : QAbstractButton(parent)
    , m_pPopup(new CColorPopup(this))
{
    setFocusPolicy(Qt::StrongFocus);
}

void CColorButton::SetColor(COLORREF color)
{
    if (color == m_crColor)
        return;
    m_crColor = color;
    update();
    emit colorChanged(color);
}

void CColorButton::SetKeepSwatchWhenDisabled(bool keep)
{
    m_bKeepSwatchWhenDisabled = keep;
    update();
}

bool CColorButton::Choose()
{
    CColorPopup& popup = Popup();
    popup.Prepare(m_crColor, QRect(mapToGlobal(QPoint(0, 0)), size()));
    if (popup.exec() != QDialog::Accepted)
        return false;
    const std::optional<COLORREF> chosen = popup.HotColor();
    if (!chosen)
        return false;
    SetColor(*chosen);
    return true;
}

CColorPopup& CColorButton::Popup()
{
    if (!m_bPaletteLoaded) {
        m_bPaletteLoaded = true;
        LoadPalette(*m_pPopup);
    }
    return *m_pPopup;
}

QSize CColorButton::sizeHint() const
{
    return QSize(48, 23);
}

QList<COLORREF> CColorButton::StandardPalette()
{
    return {0xFFFFFF, 0x000000, 0xC0C0C0, 0x808080, 0x0000FF, 0x000080, 0x00FFFF, 0x008080,
            0x00FF00, 0x008000, 0xFFFF00, 0x808000, 0xFF0000, 0x800000, 0xFF00FF, 0x800080};
}

void CColorButton::LoadPalette(CColorPopup& popup)
{
    popup.SetPalette(StandardPalette());
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    QRect frame = rect();
    // A pressed button's face moves with it.
    if (isDown())
        frame.translate(1, 1);
    PaintGroove(painter, frame);
    PaintArrow(painter, frame);
    if (isEnabled() && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = frame.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    if (isEnabled() || m_bKeepSwatchWhenDisabled)
        PaintSwatch(painter, frame);
}

void CColorButton::PaintGroove(QPainter& painter, const QRect& frame) const
{
    const int x = frame.left() + frame.width() - arrowArea;
    const int top = frame.top() + 4;
    const int bottom = frame.top() + frame.height() - 4;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(x, top, x, bottom - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(x + 1, top, x + 1, bottom - 1);
}

void CColorButton::PaintArrow(QPainter& painter, const QRect& frame) const
{
    // A short bar with a point below it, 8 pixels in from the right.
    const int x = frame.left() + frame.width() - 8;
    const int y = frame.top() + frame.height() / 2;
    const QPolygon arrow({QPoint(x - 3, y - 2), QPoint(x + 3, y - 2), QPoint(x + 3, y - 1), QPoint(x, y + 2),
                          QPoint(x - 3, y - 1)});
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (isEnabled()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setBrush(palette().color(QPalette::ButtonText));
        painter.drawPolygon(arrow);
        return;
    }
    // Embossed: the highlight, then the shadow one pixel up and left of it.
    painter.setPen(palette().color(QPalette::Light));
    painter.setBrush(palette().color(QPalette::Light));
    painter.drawPolygon(arrow.translated(1, 1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(palette().color(QPalette::Dark));
    painter.drawPolygon(arrow);
}

void CColorButton::PaintSwatch(QPainter& painter, const QRect& frame) const
{
    const QRect swatch = frame.adjusted(3, 3, -3, -3).adjusted(1, 1, -arrowArea, -1);
    if (swatch.isEmpty())
        return;
    painter.fillRect(swatch, ToQColor(m_crColor));
    painter.setBrush(Qt::NoBrush);
    const QPalette::ColorRole outline = isEnabled() ? QPalette::ButtonText : QPalette::Dark;
    painter.setPen(palette().color(outline));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}
