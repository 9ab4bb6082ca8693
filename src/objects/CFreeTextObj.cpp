#include "CFreeTextObj.h"

#include "platform/CArchive.h"

VELDRA_IMPLEMENT_SERIAL(CFreeTextObj, &CSymbolObj::classInfo, 3, true)

CFreeTextObj::CFreeTextObj()
    : CFreeTextObj(CTextAttributes())
{
}

CFreeTextObj::CFreeTextObj(const CTextAttributes& defaults)
    : m_bFillBackground(defaults.fillBackground), m_crFont(defaults.fontColor), m_crBkgnd(defaults.bkgndColor)
{
    m_strName = defaults.text;
    m_dwFlags = flagsText;
    m_layout.m_strText = defaults.text;
    m_layout.m_lf = defaults.font;
}

CFreeTextObj::~CFreeTextObj() = default;

void CFreeTextObj::Serialize(CArchive& ar)
{
    CSymbolObj::Serialize(ar);
    m_layout.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bFillBackground << m_crFont << m_crBkgnd;
        return;
    }
    ar >> m_bFillBackground >> m_crFont >> m_crBkgnd;
    m_pDoc = ar.m_pDocument;
}

std::unique_ptr<CSymbolObj> CFreeTextObj::Clone() const
{
    std::unique_ptr<CSymbolObj> copy(static_cast<CSymbolObj*>(GetRuntimeClass()->CreateObject()));
    auto* text = static_cast<CFreeTextObj*>(copy.get());
    text->CopyCommon(*this);
    text->CopyTextFields(*this);
    text->m_nSchema = m_nSchema;
    return copy;
}

void CFreeTextObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
    if (const auto* other = dynamic_cast<const CFreeTextObj*>(&source))
        CopyTextFields(*other);
}

void CFreeTextObj::CopyTextFields(const CFreeTextObj& source)
{
    m_pDoc = source.m_pDoc;
    m_bFillBackground = source.m_bFillBackground;
    m_crFont = source.m_crFont;
    m_crBkgnd = source.m_crBkgnd;
    m_layout = source.m_layout;
    m_fTrackAngle = source.m_fTrackAngle;
}
