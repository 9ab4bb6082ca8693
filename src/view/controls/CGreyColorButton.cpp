#include "CGreyColorButton.h"

#include "CColorPopup.h"

QList<COLORREF> CGreyColorButton::GreyPalette()
{
    return {0x000000, 0x404040, 0x606060, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xFFFFFF};
}

void CGreyColorButton::LoadPalette(CColorPopup& popup)
{
    popup.SetPalette(GreyPalette());
}
