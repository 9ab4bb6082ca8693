#pragma once

#include "imaging/ColorRef.h"

#include <QFrame>

// The pen dialog's sample: one dot of the pen at its width, in its colour.
class CPenPreviewFrame : public QFrame
{
    Q_OBJECT

public:
    explicit CPenPreviewFrame(QWidget* parent = nullptr);

    void SetPen(int widthMm100, COLORREF color);

    QSize sizeHint() const override { return {96, 96}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nWidth = 1;
    COLORREF m_crColor = 0;
};
