#pragma once

#include "platform/CSize.h"
#include "view/controls/CFieldRefusal.h"
#include "view/controls/CUnitFormat.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// The size of a new library entry as the add dialogs edit it: the width and
// height shown (W, H) and the starting size (W0, H0), both in 0.01 mm, the
// Keep Aspect arithmetic and the limits of 0.5 mm to 1000 mm.
class CAddSizeRules
{
    Q_DECLARE_TR_FUNCTIONS(CAddSizeRules)

public:
    static constexpr int minimumResolution = 1;
    static constexpr int maximumResolution = 10000;

    explicit CAddSizeRules(int unit);

    // A picture's pixels at a resolution, in 0.01 mm (pixels x 2540 / dpi).
    static CSize FileSize(CSize pixels, int resolution);
    // A scanned picture's size: (pixels x 2540 - (dpi - 1)) / dpi, truncated,
    // so that 600 pixels at 300 dpi make 5079, not 5080.
    static CSize ScanSize(CSize pixels, int dpi);

    // W0 x H0 = W x H = size.
    void Start(CSize size);
    // W x H, as the edits now show them.
    void Show(CSize size) { m_shown = size; }
    CSize Shown() const { return m_shown; }
    CSize StartSize() const { return m_start; }
    bool IsSmaller(CSize size) const { return size.cx < m_start.cx || size.cy < m_start.cy; }

    QString Text(int lengthMm100) const { return m_unit.Format(lengthMm100); }
    const CUnitFormat& Unit() const { return m_unit; }
    // "Size (mm)" or "Size (inch)".
    QString GroupTitle() const;

    // Keep Aspect: H = W x H0 / W0 and W = H x W0 / H0, rounded half up;
    // nothing when the text is not a number. The side computed becomes the
    // one shown.
    std::optional<QString> HeightForWidth(const QString& width);
    std::optional<QString> WidthForHeight(const QString& height);

    // The typed width and height within the limits; the range message for
    // the first one outside them.
    std::optional<CFieldRefusal> Read(const QString& width, const QString& height, CSize& size) const;
    // A resolution of 1 to 10000 dots per inch.
    static std::optional<CFieldRefusal> ReadResolution(const QString& text, int& dpi);

    // The limits in the dialog's unit: 0.5 to 1000 mm, 0.020 to 39.370 inch.
    double MinimumSize() const { return m_unit.IsInch() ? 0.020 : 0.5; }
    double MaximumSize() const { return m_unit.IsInch() ? 39.370 : 1000.0; }

private:
    // A side typed into an edit: what it showed, when it still shows that.
    std::optional<int> Typed(const QString& text, int field) const;
    // The side Keep Aspect gives for the one typed.
    std::optional<QString> OtherSide(const QString& typed, bool widthTyped);

    CUnitFormat m_unit;
    CSize m_start;
    CSize m_shown;
};
