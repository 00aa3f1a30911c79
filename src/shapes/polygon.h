#pragma once

#include "geometry/device_types.h"
#include "geometry/matrix.h"
#include "geometry/mm_types.h"
#include "shapes/pen_brush.h"
#include "shapes/shape_font.h"
#include "shapes/shape_kinds.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

namespace korvo {

class TByteReader;
class TByteWriter;

// Whether two points lie within 4 device pixels of each other in x and in y at the given scale.
bool NodeNear(TMMPoint a, TMMPoint b, float scale);

// One drawable shape of any kind, or a group. There is no subclass per kind: FKind selects how the
// points are laid out, painted, edited and converted. The fields are open to the document and
// editing code, which keep the invariants below; painting only reads them.
//
// Invariants kept by the operations here: groups are one level deep when built by AddToGroup (a
// child is never a group); for every kind but the group, FBounds is the box of all points after
// CalcBounds; a group's FBounds changes only through the group operations and its record.
class TPolygon {
public:
    TMMArray FPoints;
    // Bounds in unscrolled device pixels at the scale last used by CalcBounds or a transform.
    TRect FDevRect;
    std::int32_t FKind = skPolygon;
    TPen FPen;
    TBrush FBrush;
    // Bytes in the code page of FFont's character set. CR ends a line, LF is ignored when painting.
    QByteArray FText;
    TShapeFont FFont;
    TMMRect FBounds;
    // The eight resize handles around FDevRect, unscrolled, indexed clockwise from top-left.
    std::array<TRect, 8> FGrips {};
    std::int32_t FSelNode = -1;
    std::vector<TPolygon> FChildren;
    std::uint8_t FLineEnd = leNone;

    // Appends deep copies of the source's children to this shape's own, then copies every other field
    // except FSelNode. Callers assign into a fresh shape.
    void Assign(const TPolygon& source);

    TMMPoint GetPoint(int index) const { return FPoints[static_cast<std::size_t>(index)]; }
    void SetPoint(int index, TMMPoint p) { FPoints[static_cast<std::size_t>(index)] = p; }
    int PointCount() const { return static_cast<int>(FPoints.size()); }
    TRect GetGripRect(int index) const { return FGrips[static_cast<std::size_t>(index)]; }
    void SetFont(const TShapeFont& font) { FFont = font; }
    // Changes the kind only; conversions that rebuild the points live with the transforms.
    void SetKind(std::int32_t kind) { FKind = kind; }
    int ChildCount() const { return static_cast<int>(FChildren.size()); }
    bool IsGroup() const { return FKind == skGroup; }

    void CalcBounds(float scale);
    void CalcGrips();
    // Each point as (Trunc(x * scale) - offsetX, Trunc(y * scale) - offsetY). Empty when there are no
    // points or when a point does not fit in device coordinates.
    TPointArray GetDevicePoints(int offsetX, int offsetY, float scale) const;

    // Builders of a new shape's points from the dragged rectangle; the caller sets the kind first.
    void SetFromRect(const TMMRect& r, float scale);
    void MakeSine(const TMMRect& r, float scale);
    void MakeTubeBend(const TMMRect& r, float scale);
    void MakeGraphPaper(const TMMRect& r, float scale);
    // The builder above that the kind's tool uses: a sine wave, a tube bend, graph paper or a box.
    void MakeFromBox(const TMMRect& r, float scale);

    // Group operations. AddToGroup takes over a group's children instead of nesting it.
    void AddToGroup(TPolygon shape, float scale);
    void MergeGroup(TPolygon& other, float scale);
    void SetGroupFill(TColour colour);
    // Only circles and texts need fresh bounds after a group's transform unless all is set.
    void RecalcChildBounds(bool all, float scale);
    void CalcChildBounds(float scale) { RecalcChildBounds(true, scale); }

    // Style operations, applied to the shape and all its children.
    void ApplyLineStyle(std::uint8_t style, std::int32_t width);
    void ApplyPenStyle(std::uint8_t style);
    void ApplyLineColour(TColour colour);

    // Hit-testing and node editing. The node operations return false and leave the shape as it was
    // when the kind does not take the edit, the node is out of range or the result would have fewer
    // points than the kind needs. None of them recomputes bounds or handles.
    bool ContainsPoint(int x, int y, int offsetX, int offsetY, float scale) const;
    // The first node near p in index order; tube bend aliases report the node they repeat.
    int FindNode(TMMPoint p, float scale) const;
    bool RemoveNode();
    bool RemoveCurveNode();
    bool InsertNode(int index);
    bool InsertCurveNode(int index);

    // Transforms. Each returns false and leaves the shape as it was for input that would collapse it
    // or that is not a finite number; the group versions act on a group's children.
    bool MoveBy(float dx, float dy, float scale);
    bool MoveGroupBy(float dx, float dy, float scale);
    bool ResizeTo(const TRect& r, int offsetX, int offsetY, float scale);
    bool ResizeGroupTo(const TRect& r, int offsetX, int offsetY, float scale);
    bool ApplyScale(const TMatrix& m, float scale);
    // The caller sets the group's own bounds.
    bool ApplyGroupScale(const TMatrix& m, float scale);
    // Rotate, RotateAbout and Transform leave the bounds to the caller (CalcBounds, CalcGrips).
    bool Rotate(float angle);
    bool RotateAbout(float angle, float cx, float cy);
    bool Transform(const TMatrix& m, float angle);
    // These leave the group's bounds to the caller (CalcGroupBounds, CalcGrips).
    bool RotateGroup(float angle, float scale);
    bool RotateGroupAbout(float angle, float cx, float cy, float scale);
    void CalcGroupBounds(float scale);
    bool Mirror(bool vertical, float scale);

    // Kind conversions; the caller recomputes bounds and handles.
    bool ToRegularPolygon(int n);
    bool ToStar(int n);
    bool PolygonToCurve(bool closed);
    bool CurveToPolygon(bool closed);

    // The binary shape record; see shape_record.cpp.
    void SaveToStream(TByteWriter& stream) const;
    void LoadFromStream(TByteReader& stream);

private:
    void SetBoundsDirectly(const TMMRect& r, float scale);
    bool HasFiniteGeometry() const;
    bool CanTransform(const TMatrix& m) const;
    void MapPoints(const TMatrix& m);
    void ScaleShape(const TMatrix& m);
    bool ResizeByHandle(const TRect& r, int offsetX, int offsetY, float scale);
    void MirrorPoints(bool vertical, double s);
    void MirrorTextFrame(bool vertical, double s, float scale);
    bool PlacePointsOnEllipse(int n, double start, double innerFactor);
    void UniteDevRect(const TRect& other, float scale);
    void LoadFromStream(TByteReader& stream, int depth);
    template <class F> void ForSelfAndChildren(F change);
};

} // namespace korvo
