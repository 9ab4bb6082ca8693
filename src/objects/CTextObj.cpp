#include "CTextObj.h"

#include "platform/CArchive.h"

VELDRA_IMPLEMENT_SERIAL(CTextObj, &CSymbolObj::classInfo, 3, true)

CTextObj::CTextObj()
    : CTextObj(CTextAttributes())
{
}

CTextObj::CTextObj(const CTextAttributes& defaults)
    : m_lf(defaults.font),
      m_bFillBackground(defaults.fillBackground),
      m_nDrawFrame(defaults.drawFrame),
      m_crFont(defaults.fontColor),
      m_crBkgnd(defaults.bkgndColor),
      m_crFrame(defaults.frameColor),
      m_sizeBkgndMargin(defaults.bkgndMargin),
      m_nFormat(defaults.multiLineFormat),
      m_bAntialias(defaults.antialias)
{
    m_strName = defaults.text;
    m_dwFlags = flagsTextBlock;
}

CTextObj::~CTextObj() = default;

void CTextObj::Serialize(CArchive& ar)
{
    CSymbolObj::Serialize(ar);
    if (ar.IsStoring()) {
        m_lf.Serialize(ar);
        ar << std::int32_t(m_sizeBkgndMargin.cx) << std::int32_t(m_sizeBkgndMargin.cy) << m_bFillBackground
           << m_nDrawFrame << m_crFont << m_crBkgnd << m_crFrame << m_nFormat << m_bAntialias;
        return;
    }
    m_lf.Serialize(ar);
    std::int32_t cx, cy;
    ar >> cx >> cy >> m_bFillBackground >> m_nDrawFrame >> m_crFont >> m_crBkgnd >> m_crFrame >> m_nFormat
        >> m_bAntialias;
    m_sizeBkgndMargin = {cx, cy};
    m_pDoc = ar.m_pDocument;
    m_pCache.reset();
}

std::unique_ptr<CSymbolObj> CTextObj::Clone() const
{
    auto copy = std::make_unique<CTextObj>();
    copy->CopyCommon(*this);
    copy->CopyTextFields(*this);
    copy->m_nSchema = m_nSchema;
    return copy;
}

void CTextObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
    if (const auto* other = dynamic_cast<const CTextObj*>(&source))
        CopyTextFields(*other);
    m_pCache.reset();
}

void CTextObj::CopyTextFields(const CTextObj& source)
{
    m_pDoc = source.m_pDoc;
    m_lf = source.m_lf;
    m_bFillBackground = source.m_bFillBackground;
    m_nDrawFrame = source.m_nDrawFrame;
    m_crFont = source.m_crFont;
    m_crBkgnd = source.m_crBkgnd;
    m_crFrame = source.m_crFrame;
    m_sizeBkgndMargin = source.m_sizeBkgndMargin;
    m_nFormat = source.m_nFormat;
    m_bAntialias = source.m_bAntialias;
}

CDibImage* CTextObj::GetImage(bool)
{
    return m_pCache.get();
}
