#pragma once

#include "CFreeTextObj.h"

// Fan text: the line of glyphs laid along a circular band around a centre,
// with a radius, a band height and an opening angle. The object's centre is
// the circle's centre; its height is the band's height.
class CArcTextObj : public CFreeTextObj
{
    VELDRA_DECLARE_SERIAL(CArcTextObj)

public:
    CArcTextObj();
    explicit CArcTextObj(const CTextAttributes& defaults);

    void Draw(QPainter& painter, const CRect* dest, int mode) override;
    int HitTest(CPoint point, CSize tolerance, bool withHandles) override;
    int GetOutline(CPointPath& path) override;
    int GetHandles(CPointPath& path) override;
    void TrackTo(const DragState& drag) override;
    // A fan's band is its opening: the new text keeps the old one's share
    // of it per unit of natural advance.
    void FollowText(const Stretch& before) override;
    void FitNatural() override;
    double Overflow(const Stretch& before) const override;

protected:
    int BandBase() override;

private:
    // Corners, then the middle of the inner arc, in plate pixels.
    std::vector<CPoint> HandlePixels() const;
    void TrackRadius(const DragState& drag);
    void TrackEdge(const DragState& drag);
};
