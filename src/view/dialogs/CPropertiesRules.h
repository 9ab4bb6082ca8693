#pragma once

#include "platform/CRect.h"

#include "CFieldReader.h"

#include "platform/CSize.h"
#include "view/controls/CUnitFormat.h"

#include <QString>

#include <optional>

class CSymbolObj;

// What the Properties dialog does with a picture, frame or symbol: its
// position and size as the user sees them, the Keep Aspect arithmetic, the
// size limits, and the change made on OK. The object is not touched before.
class CPropertiesRules
{
public:
    struct Fields
    {
        QString x, y, width, height;
        bool keepAspect = false;
    };

    explicit CPropertiesRules(int unit);

    void Load(const CSymbolObj& object);
    const Fields& Shown() const { return m_fields; }
    CSize ReferenceSize() const { return m_sizeReference; }

    // Keep Aspect: the other side for a typed one; nothing when the text is
    // not a number.
    std::optional<QString> HeightForWidth(const QString& width) const;
    std::optional<QString> WidthForHeight(const QString& height) const;

    // Checks the fields; on success the object takes them.
    std::optional<CFieldRefusal> Apply(const Fields& fields, CSymbolObj& object) const;

    // 0.5 mm to 1000 mm, shown in the dialog's unit.
    double MinimumSize() const;
    double MaximumSize() const;

private:
    CUnitFormat m_unit;
    Fields m_fields;
    // Position x, y and size cx, cy as loaded.
    CRect m_original;
    CSize m_sizeReference{1, 1};
};
