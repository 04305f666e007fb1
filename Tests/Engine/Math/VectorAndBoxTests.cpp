#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

// The quarter-turn getter swaps exactly; the rotations go through polar form,
// where a zero vector stays zero. IntVec2 results beyond the int range wrap
// instead of being undefined; its division truncates.
TEST(Vectors, RotationsLengthsAndIntegerWrapping)
{
    EXPECT_EQ(Vec2(1.f, 0.f).GetRotated90Degrees(), Vec2(0.f, 1.f));
    Vec2 polar(1.f, 0.f);
    polar.Rotate90Degrees();
    EXPECT_TRUE(std::abs(polar.x + 4.371139e-8f) < 1e-12f && polar.y == 1.f);
    Vec2 zero, reversed(3.f, 4.f);
    zero.SetLength(5.f);
    zero.RotateDegrees(33.f);
    reversed.SetLength(-10.f);
    // The division guard is strict: a divisor of exactly its limit divides.
    EXPECT_TRUE(zero.GetNormalized() == Vec2(0.f, 0.f) && reversed == Vec2(-6.f, -8.f) &&
                std::abs((Vec2(1.f, 2.f) / 0.000001f).x - 1e6f) < 1.f);

    EXPECT_TRUE(IntVec2(7, -7) / 2 == IntVec2(3, -3) &&
                IntVec2(INT_MAX, 0) + IntVec2(1, 0) == IntVec2(INT_MIN, 0));
    EXPECT_TRUE(-IntVec2(INT_MIN, 1) == IntVec2(INT_MIN, -1) &&
                IntVec2(INT_MIN, 6) / -1 == IntVec2(INT_MIN, -6));
    EXPECT_EQ(IntVec2(0x10000, 2) * 0x10000, IntVec2(0, 0x20000));
    EXPECT_EQ(1e10f * IntVec2(1, -1), IntVec2(INT_MAX, INT_MIN));  // saturating
    EXPECT_FLOAT_EQ(IntVec2(INT_MAX, INT_MAX).GetLength(), 2147483647.f * 1.4142135f);
}

// What each operation on the box (10, 20)-(30, 60) returns (the box itself for those
// that return nothing) and, for carving, the rest it leaves. Carving more than the box
// holds turns it inside out; a box too large to fit ends on the right and top edges.
TEST(Boxes, CarvingFittingResizingAndPlacingWithin)
{
    struct Case
    {
        AABB2 (*operation)(AABB2& box);
        char const *returned, *left = nullptr;
    } const CASES[] = {
        {[](AABB2& box) { return box.CarveBoxOffBottom(0.25f, 2.f); }, "10,20,30,32", "10,32,30,60"},
        {[](AABB2& box) { return box.CarveBoxOffLeft(0.25f, 1.f); }, "10,20,16,60", "16,20,30,60"},
        {[](AABB2& box) { return box.CarveBoxOffRight(0.5f, -2.f); }, "22,20,30,60", "10,20,22,60"},
        {[](AABB2& box) { return box.CarveBoxOffTop(1.f, 10.f); }, "10,10,30,60", "10,20,30,10"},
        {[](AABB2& box) { return box.GetBoxWithin(Vec2(4.f, 8.f), Vec2(0.25f, 1.f)); }, "14,52,18,60"},
        {[](AABB2& box) { return box.GetBoxWithin(Vec2(40.f, 10.f), ALIGN_CENTERED); }, "0,35,40,45"},
        {[](AABB2& box) { return box.ResizeAtAnchor(Vec2(30.f, 10.f), ALIGN_TOP_RIGHT), box; }, "0,50,30,60"},
        {[](AABB2& box) { return box.FitWithin(AABB2(15.f, 30.f, 25.f, 40.f)), box; }, "5,0,25,40"},
    };
    for (Case const& c : CASES)
    {
        AABB2 box(10.f, 20.f, 30.f, 60.f);
        EXPECT_EQ(c.operation(box), AABB2(c.returned)) << c.returned;
        EXPECT_TRUE(c.left == nullptr || box == AABB2(c.left)) << c.returned << " left " << box.GetAsString();
    }
}
