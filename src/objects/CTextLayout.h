#pragma once

#include "platform/LOGFONT.h"

#include <QByteArray>

#include <cstdint>

class CArchive;

// The layout engine shared by horizontal and fan text: the text, its font
// and the band it is laid along (straight or circular), in plate pixels.
class CTextLayout
{
public:
    enum Mode { circularBand = 0, straightBand = 1 };

    CTextLayout();
    CTextLayout(const CTextLayout& other);
    CTextLayout& operator=(const CTextLayout& other);

    // The stored fields, in record order.
    void Serialize(CArchive& ar);

    bool IsStraight() const { return (m_nMode & 1) != 0; }

    QByteArray m_strText;
    LOGFONT m_lf;
    std::int32_t m_nMode = straightBand;
    std::int32_t m_bInvert = 0;
    std::int32_t m_nReserved = 0;
    std::int32_t m_bReverse = 0;
    std::int32_t m_bRotateGlyphs = 0;
    float m_fCenterX = 0;
    float m_fCenterY = 0;
    float m_fAngle = 180;
    float m_fRadius = 40;
    float m_fSpread = 50;
    float m_fHeight = 20;
    float m_fReserved = 0.2f;
};
