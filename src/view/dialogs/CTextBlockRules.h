#pragma once

#include "CFieldReader.h"

#include "imaging/ColorRef.h"
#include "platform/LOGFONT.h"
#include "view/controls/CUnitFormat.h"

#include <QString>

#include <optional>

class CTextObj;

// What the Text Block dialog does with the working copy of a text block:
// the text (lines end in "\r\n" in the object, '\n' in the dialog),
// position, margins and switches, the size that always follows the text,
// and which controls may be used.
class CTextBlockRules
{
public:
    struct Fields
    {
        QString text;
        QString x, y;
        QString marginX, marginY;
        bool fillBackground = false;
        bool drawEdge = false;
        bool thickEdge = false;
        bool antialias = false;
        // Shown only.
        QString width, height;
    };

    struct Enabling
    {
        bool fillBackground = true;
        bool backColor = false;
        bool edgeColor = false;
        bool thickEdge = false;
    };

    enum class Outcome { accepted, refusedField, emptyText };

    CTextBlockRules(CTextObj& object, int unit);

    // Before the fields are first shown: the block takes its text's size.
    void Open();
    Fields Show() const;
    Enabling Enabled() const;

    // The text and the switches always go to the object, the position and
    // margins only when all of them are numbers; then the size follows.
    std::optional<CFieldRefusal> Take(const Fields& fields);
    // A margin field left: a negative margin becomes 0. False when the text
    // is not a number (nothing changes then).
    bool TakeMargin(const Fields& fields, bool horizontal);
    // OK: the fields, without the line breaks at the end; an empty text is
    // refused.
    Outcome Accept(const Fields& fields, std::optional<CFieldRefusal>* error = nullptr);

    void SetFont(const LOGFONT& font);
    const LOGFONT& Font() const;
    QString FontName() const;
    void SetFontColor(COLORREF color);
    void SetBackColor(COLORREF color);
    void SetEdgeColor(COLORREF color);

    const CTextObj& Object() const { return m_object; }

    static QByteArray WithoutTrailingBreaks(QByteArray text);

private:
    // The stored form of the shown text (lines end in CR LF), in a
    // character set that holds it; none, with the reason, when none does.
    std::optional<QByteArray> StoredText(const QString& shown, QString* refusal = nullptr);
    void TakeSwitches(const Fields& fields);

    CTextObj& m_object;
    CUnitFormat m_unit;
};
