#include "CPlateLook.h"

#include "CPlateRenderer.h"
#include "CVeldraDoc.h"

#include "imaging/AlphaKey.h"
#include "imaging/CDibImage.h"

CPlateLook CPlateLook::Of(const CVeldraDoc& doc)
{
    return {doc.GetBaseColor(), doc.IsInverted()};
}

void CPlateLook::Ground(CDibImage& target) const
{
    CPlateRenderer::FillRect(target, 0, 0, target.Width(), target.Height(), m_crBase);
}

void CPlateLook::Finish(CDibImage& target) const
{
    if (m_bInverted)
        CPlateRenderer::Invert(target);
}

bool CPlateLook::Show(const CDibImage& picture, CDibImage& shown) const
{
    if (picture.IsEmpty() || picture.BitCount() != 24 || !shown.Create(picture.Width(), picture.Height(), 24))
        return false;
    Ground(shown);
    if (!shown.PasteKeyed(picture, nullptr, transparentKey))
        return false;
    Finish(shown);
    return true;
}

QImage CPlateLook::Show(const QImage& picture) const
{
    CDibImage keyed, shown;
    if (!keyed.CreateFromRgb888(AlphaKey::Flatten(picture)) || !Show(keyed, shown))
        return {};
    return shown.ToQImage();
}
