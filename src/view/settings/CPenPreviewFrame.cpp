#include "CPenPreviewFrame.h"

#include "CPenSetupRules.h"

#include "imaging/QtColor.h"

#include <QPainter>

CPenPreviewFrame::CPenPreviewFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void CPenPreviewFrame::SetPen(int widthMm100, COLORREF color)
{
    m_nWidth = widthMm100;
    m_crColor = color;
    update();
}

void CPenPreviewFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(CPenSetupRules::PreviewClip(rect()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(m_crColor));
    painter.drawRects(CPenSetupRules::PreviewRows(CPenSetupRules::Preview(rect(), m_nWidth)));
}
