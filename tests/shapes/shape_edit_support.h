#pragma once

#include "shapes/polygon.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace korvo::test {

// A shape of the given kind and points with its bounds and handles brought up to date, as the
// drawing leaves shapes between edits.
inline TPolygon MakeShape(std::int32_t kind, std::initializer_list<TMMPoint> points, float scale = 4)
{
    TPolygon s;
    s.SetKind(kind);
    s.FPoints = points;
    s.CalcBounds(scale);
    s.CalcGrips();
    return s;
}

inline TPolygon MakeGroup(std::initializer_list<TPolygon> children, float scale = 4)
{
    TPolygon g;
    g.SetKind(skGroup);
    for (const TPolygon& child : children)
        g.AddToGroup(child, scale);
    return g;
}

inline void ExpectPointsNear(const TMMArray& actual, const TMMArray& expected, float tolerance, const char* what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].X, expected[i].X, tolerance) << what << ", point " << i;
        EXPECT_NEAR(actual[i].Y, expected[i].Y, tolerance) << what << ", point " << i;
    }
}

} // namespace korvo::test
