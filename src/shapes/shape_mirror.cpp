#include "shapes/polygon.h"

namespace korvo {

namespace {

    float& LowEdge(TMMRect& r, bool vertical) { return vertical ? r.Top : r.Left; }
    float& HighEdge(TMMRect& r, bool vertical) { return vertical ? r.Bottom : r.Right; }

} // namespace

void TPolygon::MirrorPoints(bool vertical, double s)
{
    for (TMMPoint& p : FPoints) {
        float& v = vertical ? p.Y : p.X;
        v = static_cast<float>(s - v);
    }
}

// Mirrored text would be unreadable, so a text frame moves to its mirrored place instead and is
// rebuilt upright there.
void TPolygon::MirrorTextFrame(bool vertical, double s, float scale)
{
    TMMRect r = FBounds;
    float& low = LowEdge(r, vertical);
    float& high = HighEdge(r, vertical);
    const double centre = s - (static_cast<double>(low) + high) / 2;
    const double half = (static_cast<double>(high) - low) / 2;
    low = static_cast<float>(centre - half);
    high = static_cast<float>(centre + half);
    SetFromRect(r, scale);
}

// The axis is the centre line of the shape's own bounds, so mirroring keeps those bounds; the
// children other than texts keep theirs until the group is ungrouped or the zoom changes.
bool TPolygon::Mirror(bool vertical, float scale)
{
    if (FKind == skText || !HasFiniteGeometry())
        return false;
    TMMRect bounds = FBounds;
    const double s = static_cast<double>(LowEdge(bounds, vertical)) + HighEdge(bounds, vertical);
    MirrorPoints(vertical, s);
    for (TPolygon& child : FChildren) {
        if (child.FKind == skText)
            child.MirrorTextFrame(vertical, s, scale);
        else
            child.MirrorPoints(vertical, s);
    }
    return true;
}

} // namespace korvo
