#include "CTextPropRules.h"

#include "CTextCharSet.h"
#include "DialogControlIds.h"

#include "objects/CFreeTextObj.h"
#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"

#include <cmath>

CTextPropRules::CTextPropRules(CFreeTextObj& object, int unit)
    : m_object(object)
    , m_unit(unit)
{
}

void CTextPropRules::Open()
{
    const CSize size = m_object.GetSize();
    if (size.cx == 0 && size.cy == 0)
        TakeNaturalSize();
}

void CTextPropRules::TakeNaturalSize()
{
    const CSize natural = m_object.MeasureNatural();
    m_object.SetSize(natural.cx, natural.cy);
}

QString CTextPropRules::AngleText(float storedAngle)
{
    const double shown = std::round((double(storedAngle) - 180) * 100) / 100;
    return QString::number(shown, 'g', 15);
}

float CTextPropRules::StoredAngle(double typed)
{
    return float(std::fmod(typed, 360.0) + 180);
}

CTextPropRules::Fields CTextPropRules::Show() const
{
    Fields fields;
    fields.text = AnsiCodec::Decode(m_object.m_strName, m_object.m_layout.m_lf.lfCharSet);
    fields.fillBackground = m_object.m_bFillBackground != 0;
    fields.rotateText = m_object.m_layout.m_bRotateGlyphs != 0;
    const CPoint position = m_object.GetPosition();
    fields.x = m_unit.Format(position.x);
    fields.y = m_unit.Format(position.y);
    fields.height = m_unit.Format(m_object.GetSize().cy);
    fields.angle = AngleText(m_object.m_layout.m_fAngle);
    ShowExtra(fields);
    return fields;
}

std::optional<CFieldRefusal> CTextPropRules::Take(const Fields& fields)
{
    QString refusal;
    const std::optional<QByteArray> encoded = CTextCharSet::Encode(fields.text, m_object.m_layout.m_lf, &refusal);
    if (!encoded)
        return CFieldRefusal{DialogControlIds::text, refusal};
    const QByteArray& text = *encoded;
    const QByteArray oldText = m_object.m_strName;
    const int oldHeight = m_object.GetSize().cy;
    const CFreeTextObj::Stretch before = m_object.MeasureStretch();
    m_object.m_strName = text;
    // The engine lays out at least one glyph.
    m_object.m_layout.m_strText = text.isEmpty() ? QByteArray(" ") : text;
    m_object.m_bFillBackground = fields.fillBackground ? 1 : 0;
    m_object.m_layout.m_bRotateGlyphs = fields.rotateText ? 1 : 0;
    m_object.m_layout.DropRegion();

    CFieldReader reader(m_unit);
    reader.Shows(DialogControlIds::positionX, m_object.GetPosition().x);
    reader.Shows(DialogControlIds::positionY, m_object.GetPosition().y);
    reader.Shows(DialogControlIds::height, m_object.GetSize().cy);
    Numbers numbers;
    numbers.x = reader.ClampedLength(fields.x, DialogControlIds::positionX, -positionLimit, positionLimit).value_or(0);
    numbers.y = reader.ClampedLength(fields.y, DialogControlIds::positionY, -positionLimit, positionLimit).value_or(0);
    numbers.height =
        reader.ClampedLength(fields.height, DialogControlIds::height, minimumLength, maximumLength).value_or(0);
    numbers.angle = reader.Number(fields.angle, DialogControlIds::angle).value_or(0);
    ReadExtra(fields, reader);
    if (reader.Failed())
        return reader.Error();

    m_object.SetPosition(numbers.x, numbers.y);
    m_object.SetSize(m_object.GetSize().cx, numbers.height);
    m_object.m_layout.m_fAngle = StoredAngle(numbers.angle);
    ApplyExtra(fields, numbers);
    // A new text or height keeps the band's stretch over the letters,
    // unless the band itself was typed in too.
    if ((text != oldText || numbers.height != oldHeight) && !BandTyped(fields, before))
        m_object.FollowText(before);
    return std::nullopt;
}

void CTextPropRules::SetText(const QString& text)
{
    // The font takes the current height before the text is measured.
    const CSize size = m_object.GetSize();
    m_object.SetSize(size.cx, size.cy);
    const CFreeTextObj::Stretch before = m_object.MeasureStretch();
    const QByteArray bytes = CTextCharSet::EncodeLoosely(text, m_object.m_layout.m_lf);
    m_object.m_strName = bytes;
    m_object.m_layout.m_strText = bytes.isEmpty() ? QByteArray(" ") : bytes;
    m_object.FollowText(before);
}

void CTextPropRules::SetFont(const LOGFONT& font)
{
    m_object.m_layout.m_lf = font;
    TakeNaturalSize();
}

const LOGFONT& CTextPropRules::Font() const
{
    return m_object.m_layout.m_lf;
}

QString CTextPropRules::FontName() const
{
    return FontMapper::FaceName(Font());
}

void CTextPropRules::SetFontColor(COLORREF color)
{
    m_object.m_crFont = color;
}

void CTextPropRules::SetBackColor(COLORREF color)
{
    m_object.m_crBkgnd = color;
}

COLORREF CTextPropRules::FontColor() const
{
    return m_object.m_crFont;
}

COLORREF CTextPropRules::BackColor() const
{
    return m_object.m_crBkgnd;
}

bool CTextPropRules::BackColorEnabled() const
{
    return m_object.m_bFillBackground != 0;
}

int CTextPropRules::IconIndex() const
{
    return (m_object.m_layout.m_bRotateGlyphs ? 1 : 0) | (m_object.m_layout.m_bInvert ? 2 : 0);
}
