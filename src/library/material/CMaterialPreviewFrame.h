#pragma once

#include "platform/CSize.h"

#include <QFrame>

class CDibObj;

// Material Setup's preview: the plate's outline in black, or the part of
// the library material that the plate keeps.
class CMaterialPreviewFrame : public QFrame
{
    Q_OBJECT

public:
    explicit CMaterialPreviewFrame(QWidget* parent = nullptr);

    // library: the library material's object while that is the shape (not
    // owned; kept by the dialog's rules).
    void SetMaterial(CSize size, int shape, const CDibObj* library);

    QSize sizeHint() const override { return {120, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawShape(QPainter& painter, const QRect& square) const;
    void DrawLibrary(QPainter& painter, const QRect& square) const;

    CSize m_size;
    int m_nShape = 0;
    const CDibObj* m_pLibrary = nullptr;
};
