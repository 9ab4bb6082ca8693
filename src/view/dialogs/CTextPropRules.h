#pragma once

#include "CFieldReader.h"

#include "imaging/ColorRef.h"
#include "objects/CFreeTextObj.h"
#include "platform/LOGFONT.h"
#include "view/controls/CUnitFormat.h"

#include <QString>

#include <optional>


// What the Text and Fan Text dialogs share, done on the working copy of a
// horizontal or fan text: the text, position, height, angle and switches
// as shown and taken back, and the natural size that follows the text.
class CTextPropRules
{
public:
    struct Fields
    {
        QString text;
        bool fillBackground = false;
        bool rotateText = false;
        QString x, y, height, angle;
        // Horizontal text.
        QString width;
        // Fan text.
        bool invertText = false;
        QString span, radius;
    };

    CTextPropRules(CFreeTextObj& object, int unit);
    virtual ~CTextPropRules() = default;

    // Before the fields are first shown.
    virtual void Open();

    Fields Show() const;
    // The text and the switches always go to the object; the numbers only
    // when all of them are numbers. Silent clamps, no range messages.
    std::optional<CFieldRefusal> Take(const Fields& fields);

    // The size follows the text (and the font) as it changes.
    void SetText(const QString& text);
    void SetFont(const LOGFONT& font);
    const LOGFONT& Font() const;
    QString FontName() const;
    void SetFontColor(COLORREF color);
    void SetBackColor(COLORREF color);
    COLORREF FontColor() const;
    COLORREF BackColor() const;

    bool BackColorEnabled() const;
    // Which rotation picture to show: bit 0 rotated glyphs, bit 1 inverted.
    int IconIndex() const;

    // The limits of the clamps, in the dialog's unit.
    static constexpr double positionLimit = 300;
    static constexpr double minimumLength = 0.5;
    static constexpr double maximumLength = 300;

    // Degrees as shown: stored minus 180, to 0.01.
    static QString AngleText(float storedAngle);
    // Typed degrees into (-360, 360), plus 180.
    static float StoredAngle(double typed);

protected:
    struct Numbers
    {
        int x = 0, y = 0, height = 0;
        double angle = 0;
    };

    virtual void ShowExtra(Fields& fields) const = 0;
    // Reads this dialog's own numbers; applied only when every field reads.
    virtual void ReadExtra(const Fields& fields, CFieldReader& reader) = 0;
    virtual void ApplyExtra(const Fields& fields, const Numbers& numbers) = 0;
    // Whether the fields set the band's length themselves (the width, the
    // span) instead of showing the one it had.
    virtual bool BandTyped(const Fields& fields, const CFreeTextObj::Stretch& before) const = 0;
    void TakeNaturalSize();

    CFreeTextObj& m_object;
    CUnitFormat m_unit;
};
