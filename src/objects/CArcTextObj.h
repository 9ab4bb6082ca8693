#pragma once

#include "CFreeTextObj.h"

// Fan text: the line of glyphs laid along a circular band around a centre,
// with a radius, a band height and an opening angle.
class CArcTextObj : public CFreeTextObj
{
    VELDRA_DECLARE_SERIAL(CArcTextObj)

public:
    CArcTextObj();
    explicit CArcTextObj(const CTextAttributes& defaults);
};
