#pragma once

#include "CBaseDlg.h"

#include "imaging/ColorRef.h"

#include <QList>
#include <QRect>

#include <functional>
#include <optional>

class QFrame;
class QPushButton;

// The swatch grid a colour button drops down: the palette four to a row,
// and below it "Other..." and, when the current colour is none of the
// palette's, a swatch of that colour. The mouse picks: releasing a button
// over the grid takes the hot swatch, releasing anywhere else cancels.
class CColorPopup : public CBaseDlg
{
    Q_OBJECT

public:
    // Runs the full colour dialog starting from a colour; nothing when the
    // user cancels it.
    using OtherColorChooser = std::function<std::optional<COLORREF>(COLORREF initial, QWidget* parent)>;

    static constexpr int swatchSize = 23;
    static constexpr int swatchPitch = 24;
    static constexpr int swatchesPerRow = 4;

    explicit CColorPopup(QWidget* owner);

    // Items 1 ... n, in order.
    void SetPalette(const QList<COLORREF>& palette);
    void SetOtherColorChooser(OtherColorChooser chooser) { m_chooseOther = std::move(chooser); }

    // Lays the items out for the colour, makes its swatch hot and places the
    // window below the owner's rectangle (screen coordinates), kept on its
    // screen. Call before every opening.
    void Prepare(COLORREF color, const QRect& ownerScreenRect);

    int ItemCount() const { return int(m_items.size()); }
    COLORREF ItemColor(int index) const { return m_items[index].color; }
    QRect ItemRect(int index) const { return m_items[index].rect; }
    int RowCount() const { return (ItemCount() + 2) / swatchesPerRow; }
    QRect GridRect() const;
    QRect OtherButtonRect() const;
    // -1 when no swatch is hot.
    int HotIndex() const { return m_nHot; }
    // Item 0 shows (and can be chosen) only then.
    bool IsExtraColorShown() const { return m_bExtraColor; }
    // The hot swatch's colour; nothing when none is hot.
    std::optional<COLORREF> HotColor() const;

    // Where a window of this size goes below (or, at the screen's bottom,
    // above) the owner's rectangle.
    static QPoint PlaceAt(const QRect& ownerRect, const QSize& size, const QRect& screenRect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Item
    {
        COLORREF color = 0;
        QRect rect;
    };

    void LayOut();
    int ItemAt(QPoint point) const;
    void SetHot(int index);
    void ChooseOther();
    void PaintItem(QPainter& painter, int index) const;
    static std::optional<COLORREF> RunColorDialog(COLORREF initial, QWidget* parent);

    QList<COLORREF> m_palette;
    QList<Item> m_items;
    int m_nHot = -1;
    bool m_bExtraColor = false;
    QFrame* m_pSeparator;
    QPushButton* m_pOtherButton;
    OtherColorChooser m_chooseOther;
};
