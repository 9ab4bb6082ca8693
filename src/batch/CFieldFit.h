#pragma once

#include "objects/CFreeTextObj.h"
#include "platform/CSize.h"
#include "platform/LOGFONT.h"

#include <QByteArray>

class CSymbolObj;

// How a text holding fields takes each record's value: laid out at the
// value's own width for the text's height and font, centred where the
// template's text was (an object keeps its centre); a value too wide for
// the template's box (a horizontal text's width, a fan's opening, a text
// block's width) is shrunk as a whole, width and height together, to fit.
// Squeezing or spreading the letters to the box would engrave a smear, and
// the template's own letters ("{Name}") say nothing of the value's spacing.
class CFieldFit
{
public:
    // Measures the template as it is laid out now.
    explicit CFieldFit(CSymbolObj& object);

    // Puts the value's text into the object and fits it; true when it had
    // to be shrunk.
    bool Apply(const QByteArray& bytes);

private:
    bool FitLine(CFreeTextObj& line, const QByteArray& bytes);
    bool FitBlock(const QByteArray& bytes);

    CSymbolObj& m_object;
    CSize m_box;
    // The template's band: its width, or a fan's opening.
    CFreeTextObj::Stretch m_template;
    LOGFONT m_font;
};
