#pragma once

#include "CColorButton.h"

// A colour button offering only greys, darkest first.
class CGreyColorButton : public CColorButton
{
    Q_OBJECT

public:
    using CColorButton::CColorButton;

    static QList<COLORREF> GreyPalette();

protected:
    void LoadPalette(CColorPopup& popup) override;
};
