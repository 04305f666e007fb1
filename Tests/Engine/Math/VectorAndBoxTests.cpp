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
