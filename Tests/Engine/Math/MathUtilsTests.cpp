#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/Capsule2.hpp"
#include "Engine/Math/Disc.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/OBB2.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(MathUtils, ScalarsAndAnglesAtTheirBoundaries)
{
    EXPECT_EQ(Clamp(2.f, 3.f, 1.f), 3.f);  // the lower bound is tested first
    EXPECT_EQ(RangeMap(0.f, 10.f, 0.f, 100.f, 15.f), 150.f);
    EXPECT_EQ(RoundToNearestInt(-2.5f), -3);
    EXPECT_EQ(TruncateToInt(3e9f), INT_MAX);  // saturating, where a cast would be undefined
    EXPECT_EQ(TruncateToInt(-3e9f), INT_MIN);
    EXPECT_EQ(TruncateToInt(NAN), 0);
    for (EasingFunction const curve : {SmoothStart2, SmoothStart5, SmoothStop3, SmoothStep3})
    {
        EXPECT_TRUE(curve(0.f) == 0.f && curve(1.f) == 1.f);
    }
    EXPECT_TRUE(EaseInOut(SmoothStart2, 0.25f) == 0.125f && EaseInOut(SmoothStart2, 0.75f) == 0.875f);
    // Angles: rounding must never leave the half-open turn; a half turn is +180 both ways.
    float const DEGREES[][2] = {{370.f, 10.f}, {-10.f, 350.f}, {720.f, 0.f}, {359.5f, 359.5f}};
    for (auto const& pair : DEGREES)
    {
        EXPECT_NEAR(WrapDegrees(pair[0]), pair[1], 1e-4f) << pair[0];
    }
    for (float const degrees : {-1e-6f, 719.99999f, -360.00003f, 1e12f, -1e-30f})
    {
        EXPECT_TRUE(WrapDegrees(degrees) >= 0.f && WrapDegrees(degrees) < 360.f) << degrees;
    }
    EXPECT_TRUE(GetShortestAngularDisplacement(0.f, 180.f) == 180.f &&
                GetShortestAngularDisplacement(180.f, 0.f) == 180.f);
    EXPECT_TRUE(GetTurnedToward(350.f, 10.f, 30.f) == 10.f && GetTurnedToward(10.f, 350.f, 30.f) == 350.f);
    EXPECT_NEAR(GetAngleDegreesBetweenVectors2D(Vec2(0.1f, 0.4f), Vec2(0.2f, 0.8f)), 0.f, 1e-4f);  // not NaN
}

// Touching counts as overlapping; a circle wholly inside another does not meet its outline.
TEST(MathUtils, OverlapsWhenTouchingAndCoincident)
{
    AABB2 const unit(0.f, 0.f, 1.f, 1.f);
    OBB2 const square(Vec2(0.f, 0.f), Vec2(2.f, 2.f), 0.f);
    EXPECT_TRUE(DoAABBsOverlap(unit, AABB2(1.f, 0.f, 2.f, 1.f)) &&
                DoAABBsOverlap(AABB2(1.f, 1.f, 2.f, 2.f), unit));
    EXPECT_TRUE(DoAABBsOverlap(unit, unit) && !DoAABBsOverlap(unit, AABB2(0.f, -2.f, 1.f, -0.01f)));
    EXPECT_TRUE(DoDiscAndAABBOverlap(Vec2(2.f, 0.5f), 1.f, unit));
    EXPECT_FALSE(DoDiscAndAABBOverlap(Vec2(2.f, 2.f), 1.f, unit));  // the corner is sqrt(2) away
    EXPECT_TRUE(DoCirclesIntersect(Vec2(), 1.f, Vec2(2.f, 0.f), 1.f) &&
                !DoCirclesIntersect(Vec2(), 1.f, Vec2(), 5.f));
    EXPECT_TRUE(IsPointInSector2D(Vec2(0.f, 10.f), Vec2(), 90.f, 60.f, 10.f) &&
                !IsPointInSector2D(Vec2(5.f, 5.f), Vec2(), 90.f, 60.f, 10.f));
    EXPECT_TRUE(DoOBBsOverlap(square, OBB2(Vec2(2.3f, 0.f), Vec2(2.f, 2.f), 45.f)));  // a corner poking in
    EXPECT_FALSE(DoOBBsOverlap(OBB2(Vec2(2.5f, 0.f), Vec2(2.f, 2.f), 45.f), square));
    EXPECT_FALSE(DoOBBsOverlap(
        square, OBB2(Vec2(1.9f, 1.9f), Vec2(2.f, 2.f), 45.f)));  // apart on the diamond's axes only
    EXPECT_TRUE(DoOBBsOverlap(square, OBB2(Vec2(), Vec2(10.f, 0.2f), 30.f)));
    EXPECT_TRUE(DoOBBAndDiscOverlap(square, Disc(Vec2(2.f, 0.f), 1.f)));
    EXPECT_TRUE(DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(0.f, 5.f), Vec2(0.f, -5.f), 0.1f)) &&
                !DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(3.f, 0.f), Vec2(5.f, 0.f), 1.5f)));
}

// Out along the line between the centers until the discs touch (a box: its nearest
// point); discs already touching, coincident centers and a center on the box move nothing.
TEST(MathUtils, PushingDiscsOut)
{
    struct Case
    {
        void (*push)(Vec2& a, Vec2& b);
        Vec2 a, b, pushedA, pushedB;
    } const CASES[] = {
        {[](Vec2& a, Vec2& b) { PushDiscOutOfPoint(a, 2.f, b); }, {0, 0}, {1, 0}, {-1, 0}, {1, 0}},
        {[](Vec2& a, Vec2& b) { PushDiscOutOfPoint(a, 1.f, b); }, {0, 1}, {0, 0}, {0, 1}, {0, 0}},
        {[](Vec2& a, Vec2& b) { PushDiscOutOfDisc(a, 1.f, b, 2.f); }, {0, 2}, {0, 0}, {0, 3}, {0, 0}},
        {[](Vec2& a, Vec2& b) { PushDiscOutOfDisc(a, 1.f, b, 1.f); }, {3, 3}, {3, 3}, {3, 3}, {3, 3}},
        {[](Vec2& a, Vec2& b) { PushDiscsOutOfEachOther(a, 1.f, b, 2.f); }, {0, 0}, {1, 0}, {-1, 0}, {2, 0}},
        {[](Vec2& a, Vec2& b) { PushDiscsOutOfEachOther(a, 1.f, b, 1.f); }, {0, 0}, {2, 0}, {0, 0}, {2, 0}},
        {[](Vec2& a, Vec2&) { PushDiscOutOfAABB2(a, 10.f, AABB2::ZERO_TO_ONE); }, {4, 5}, {}, {7, 9}, {}},
        {[](Vec2& a, Vec2&) { PushDiscOutOfAABB2(a, 1.f, AABB2::ZERO_TO_ONE); }, {1, 1}, {}, {1, 1}, {}},
    };
    for (Case const& c : CASES)
    {
        Vec2 a = c.a, b = c.b;
        c.push(a, b);
        EXPECT_LT((a - c.pushedA).GetLength() + (b - c.pushedB).GetLength(), 1e-5f) << a.GetAsString();
    }
}

// Scale, then rotate about the origin, then translate; z, colour and UVs stay.
TEST(MathUtils, TransformVertexArray)
{
    Vertex_PCU vertexes[2] = {Vertex_PCU(Vec3(1.f, 0.f, 5.f), Rgba8::RED, Vec2(0.25f, 0.75f)),
                              Vertex_PCU(Vec3(0.f, 1.f, 0.f), Rgba8::BLUE, Vec2())};
    TransformVertexArray(2, vertexes, 2.f, 90.f, Vec2(10.f, 0.f));
    EXPECT_LT((Vec2(vertexes[0].m_position.x, vertexes[0].m_position.y) - Vec2(10.f, 2.f)).GetLength() +
                  (Vec2(vertexes[1].m_position.x, vertexes[1].m_position.y) - Vec2(8.f, 0.f)).GetLength(),
              1e-5f);
    EXPECT_TRUE(vertexes[0].m_position.z == 5.f && vertexes[0].m_color == Rgba8::RED &&
                vertexes[0].m_uvTexCoords == Vec2(0.25f, 0.75f));
}
