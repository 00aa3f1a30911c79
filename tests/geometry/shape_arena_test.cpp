#include "geometry/mm_types.h"

#include <gtest/gtest.h>

using namespace korvo;

namespace {

bool InArena(const TMMArray& points, const TShapeArena& arena) { return arena.Holds(points.data()); }

// Loaded points live in their file's arena; whatever is made from them later must not depend on it.
TEST(ShapeArena, CopiesLeaveTheArenaMovesKeepIt)
{
    auto arena = std::make_shared<TShapeArena>(4096);
    TMMArray loaded { TArenaAllocator<TMMPoint>(arena) };
    loaded.resize(8);
    ASSERT_TRUE(InArena(loaded, *arena));

    const TMMArray copied = loaded;
    TMMArray assigned;
    assigned = loaded;
    EXPECT_FALSE(InArena(copied, *arena));
    EXPECT_FALSE(InArena(assigned, *arena));

    const TMMArray moved = std::move(loaded);
    EXPECT_TRUE(InArena(moved, *arena));
    // The arena stays as long as a point array placed in it does.
    const std::weak_ptr<TShapeArena> watch = arena;
    arena.reset();
    EXPECT_FALSE(watch.expired());
}

TEST(ShapeArena, WhatDoesNotFitGoesToTheHeap)
{
    const auto arena = std::make_shared<TShapeArena>(1);
    TMMArray points { TArenaAllocator<TMMPoint>(arena) };
    points.resize(1);
    ASSERT_TRUE(InArena(points, *arena));
    // Growing past the block's end moves the points to the heap, and they are freed from there.
    points.resize(1 << 20);
    EXPECT_FALSE(InArena(points, *arena));
    EXPECT_EQ(points.back(), TMMPoint {});
}

} // namespace
