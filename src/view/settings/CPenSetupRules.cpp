#include "CPenSetupRules.h"

#include "platform/MulDiv.h"

#include <algorithm>
#include <cmath>

CPenSetupRules::CPenSetupRules(int unit, const Pen& pen)
    : m_width(unit, minimumWidth, maximumWidth, pen.width), m_crColor(pen.color)
{
}

int CPenSetupRules::TrackPosition() const
{
    return std::clamp(m_width.Value() - 1, 0, trackMaximum);
}

void CPenSetupRules::SetTrackPosition(int position)
{
    m_width.SetValue(std::clamp(position, 0, trackMaximum) + 1);
}

QString CPenSetupRules::AcceptWidthText(const QString& text)
{
    const CLengthField::Reading reading = m_width.Read(text);
    if (reading.Ok())
        m_width.SetValue(reading.valueMm100);
    return reading.refusal;
}

CPenSetupRules::PreviewShape CPenSetupRules::Preview(const QRect& frame, int width)
{
    const int side = std::min(frame.width(), frame.height());
    const int centreX = frame.left() + frame.width() / 2;
    const int centreY = frame.top() + frame.height() / 2;
    const int radius = MulDiv(std::max(width, 0), side - 2, 4000);
    if (radius < 2)
        return {QRect(centreX, centreY, radius + 1, radius + 1), false};
    return {QRect(centreX - radius, centreY - radius, 2 * radius + 1, 2 * radius + 1), true};
}

QList<QRect> CPenSetupRules::PreviewRows(const PreviewShape& shape)
{
    const QRect& bounds = shape.bounds;
    if (!shape.disc)
        return {bounds};
    QList<QRect> rows;
    const int radius = bounds.width() / 2;
    const int centreX = bounds.left() + radius;
    const int centreY = bounds.top() + radius;
    // Pixel centres within radius + 0.5 of the centre pixel's centre.
    const double reach = radius + 0.5;
    for (int dy = -radius; dy <= radius; ++dy) {
        const int half = int(std::sqrt(reach * reach - double(dy) * dy));
        rows.append(QRect(centreX - half, centreY + dy, 2 * half + 1, 1));
    }
    return rows;
}
