#pragma once

#include "imaging/ColorRef.h"

#include <QAbstractButton>
#include <QList>

class CColorPopup;

// A drop-down button showing a colour swatch; Choose() drops the swatch
// grid down from it. The owning dialog calls Choose() when it is clicked.
class CColorButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CColorButton(QWidget* parent = nullptr);

    void SetColor(COLORREF color);
    COLORREF Color() const { return m_crColor; }

    // Dialogs that show a colour even while it cannot be changed.
    void SetKeepSwatchWhenDisabled(bool keep);
    bool KeepSwatchWhenDisabled() const { return m_bKeepSwatchWhenDisabled; }

    // Opens the pop-up at the button with the current colour and waits for
    // it; true when the user picked a colour, which the button then shows.
    virtual bool Choose();

    // The pop-up, its palette loaded.
    CColorPopup& Popup();

    QSize sizeHint() const override;

    static QList<COLORREF> StandardPalette();

signals:
    void colorChanged(COLORREF color);

protected:
    // Fills the pop-up's palette; called once, before the first opening.
    virtual void LoadPalette(CColorPopup& popup);

    void paintEvent(QPaintEvent* event) override;

private:
    void PaintGroove(QPainter& painter, const QRect& frame) const;
    void PaintArrow(QPainter& painter, const QRect& frame) const;
    void PaintSwatch(QPainter& painter, const QRect& frame) const;

    COLORREF m_crColor = RGB(0, 0, 0);
    bool m_bKeepSwatchWhenDisabled = false;
    CColorPopup* m_pPopup;
    bool m_bPaletteLoaded = false;
};
