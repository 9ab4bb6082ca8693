#include "CTextBlockRules.h"

#include "CTextCharSet.h"
#include "DialogControlIds.h"

#include "objects/CTextObj.h"
#include "objects/FontMapper.h"
#include "platform/AnsiCodec.h"

#include <algorithm>

CTextBlockRules::CTextBlockRules(CTextObj& object, int unit)
    : m_object(object)
    , m_unit(unit)
{
}

void CTextBlockRules::Open()
{
    m_object.Measure();
}

CTextBlockRules::Fields CTextBlockRules::Show() const
{
    Fields fields;
    QString text = AnsiCodec::Decode(m_object.m_strName, m_object.m_lf.lfCharSet);
    fields.text = text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const CPoint position = m_object.GetPosition();
    fields.x = m_unit.Format(position.x);
    fields.y = m_unit.Format(position.y);
    fields.marginX = m_unit.Format(m_object.m_sizeBkgndMargin.cx);
    fields.marginY = m_unit.Format(m_object.m_sizeBkgndMargin.cy);
    fields.fillBackground = m_object.m_bFillBackground != 0;
    fields.drawEdge = m_object.m_nDrawFrame > 0;
    fields.thickEdge = m_object.m_nDrawFrame > 1;
    fields.antialias = m_object.m_bAntialias != 0;
    const CSize size = m_object.GetSize();
    fields.width = m_unit.Format(size.cx);
    fields.height = m_unit.Format(size.cy);
    return fields;
}

CTextBlockRules::Enabling CTextBlockRules::Enabled() const
{
    const bool edge = m_object.m_nDrawFrame > 0;
    // Anti-aliased glyphs are blended with the background, so there must be one.
    return {m_object.m_bAntialias == 0, m_object.m_bFillBackground != 0, edge, edge};
}

std::optional<QByteArray> CTextBlockRules::StoredText(const QString& shown, QString* refusal)
{
    QString text = shown;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return CTextCharSet::Encode(text, m_object.m_lf, refusal);
}

void CTextBlockRules::TakeSwitches(const Fields& fields)
{
    if (std::optional<QByteArray> text = StoredText(fields.text))
        m_object.m_strName = *text;
    m_object.m_bAntialias = fields.antialias ? 1 : 0;
    m_object.m_bFillBackground = fields.fillBackground || fields.antialias ? 1 : 0;
    m_object.m_nDrawFrame = !fields.drawEdge ? 0 : fields.thickEdge ? 2 : 1;
    m_object.DiscardCache();
}

std::optional<CFieldRefusal> CTextBlockRules::Take(const Fields& fields)
{
    QString refusal;
    if (!StoredText(fields.text, &refusal))
        return CFieldRefusal{DialogControlIds::text, refusal};
    TakeSwitches(fields);
    CFieldReader reader(m_unit);
    reader.Shows(DialogControlIds::positionX, m_object.GetPosition().x);
    reader.Shows(DialogControlIds::positionY, m_object.GetPosition().y);
    reader.Shows(DialogControlIds::marginX, m_object.m_sizeBkgndMargin.cx);
    reader.Shows(DialogControlIds::marginY, m_object.m_sizeBkgndMargin.cy);
    const std::optional<int> x = reader.Length(fields.x, DialogControlIds::positionX);
    const std::optional<int> y = reader.Length(fields.y, DialogControlIds::positionY);
    const std::optional<int> marginX = reader.Length(fields.marginX, DialogControlIds::marginX);
    const std::optional<int> marginY = reader.Length(fields.marginY, DialogControlIds::marginY);
    if (!reader.Failed()) {
        m_object.SetPosition(*x, *y);
        // A negative margin would cut into the text.
        m_object.m_sizeBkgndMargin = {std::max(*marginX, 0), std::max(*marginY, 0)};
    }
    m_object.Measure();
    return reader.Error();
}

bool CTextBlockRules::TakeMargin(const Fields& fields, bool horizontal)
{
    const std::optional<int> margin = m_unit.Parse(horizontal ? fields.marginX : fields.marginY);
    if (!margin)
        return false;
    (horizontal ? m_object.m_sizeBkgndMargin.cx : m_object.m_sizeBkgndMargin.cy) = std::max(*margin, 0);
    m_object.DiscardCache();
    m_object.Measure();
    return true;
}

QByteArray CTextBlockRules::WithoutTrailingBreaks(QByteArray text)
{
    while (text.endsWith("\r\n"))
        text.chop(2);
    return text;
}

CTextBlockRules::Outcome CTextBlockRules::Accept(const Fields& fields, std::optional<CFieldRefusal>* error)
{
    const std::optional<CFieldRefusal> refused = Take(fields);
    if (error)
        *error = refused;
    if (refused)
        return Outcome::refusedField;
    m_object.m_strName = WithoutTrailingBreaks(m_object.m_strName);
    if (m_object.m_strName.isEmpty())
        return Outcome::emptyText;
    m_object.Measure();
    return Outcome::accepted;
}

void CTextBlockRules::SetFont(const LOGFONT& font)
{
    m_object.m_lf = font;
    m_object.DiscardCache();
    m_object.Measure();
}

const LOGFONT& CTextBlockRules::Font() const
{
    return m_object.m_lf;
}

QString CTextBlockRules::FontName() const
{
    return FontMapper::FaceName(m_object.m_lf);
}

void CTextBlockRules::SetFontColor(COLORREF color)
{
    m_object.m_crFont = color;
    m_object.DiscardCache();
}

void CTextBlockRules::SetBackColor(COLORREF color)
{
    m_object.m_crBkgnd = color;
    m_object.DiscardCache();
}

void CTextBlockRules::SetEdgeColor(COLORREF color)
{
    m_object.m_crFrame = color;
    m_object.DiscardCache();
}
