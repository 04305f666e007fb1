#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/Capsule2.hpp"
#include "Engine/Math/Disc.hpp"
#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace
{
constexpr float TOLERANCE = 1e-5f;

void ExpectNear(Vec2 const& actual, Vec2 const& expected, float tolerance = TOLERANCE)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}
}  // namespace

TEST(MathUtils, DegreeTrigonometryUsesTheFloatConstants)
{
    EXPECT_EQ(CosDegrees(90.f), std::cos(90.f * 0.017453292f));
    EXPECT_NEAR(CosDegrees(90.f), -4.371139e-8f, 1e-12f);
    EXPECT_NEAR(SinDegrees(180.f), -8.742278e-8f, 1e-12f);
    EXPECT_EQ(Atan2Degrees(0.f, -1.f), std::atan2(0.f, -1.f) * 57.295776f);
    EXPECT_NEAR(Atan2Degrees(0.f, -1.f), 180.f, TOLERANCE);
    EXPECT_EQ(Atan2Degrees(0.f, 0.f), 0.f);
    EXPECT_NEAR(Atan2Degrees(1.f, 0.f), 90.f, TOLERANCE);
}

TEST(MathUtils, ClampTestsTheLowerBoundFirst)
{
    EXPECT_EQ(Clamp(5.f, 0.f, 3.f), 3.f);
    EXPECT_EQ(Clamp(-1.f, 0.f, 3.f), 0.f);
    EXPECT_EQ(Clamp(2.f, 3.f, 1.f), 3.f);
    EXPECT_EQ(Clamp(3.f, 0.f, 3.f), 3.f);
    EXPECT_EQ(ClampInt(-4, 0, 3), 0);
    EXPECT_EQ(ClampInt(3, 0, 3), 3);
}

TEST(MathUtils, RangeMapIsUnclampedAndInvertible)
{
    EXPECT_EQ(RangeMap(0.f, 10.f, 0.f, 100.f, 15.f), 150.f);
    EXPECT_EQ(RangeMap(10.f, 0.f, 0.f, 1.f, 10.f), 0.f);
    EXPECT_FALSE(std::isfinite(RangeMap(2.f, 2.f, 0.f, 1.f, 3.f)));
    float const VALUES[] = {-7.f, 0.f, 2.5f, 13.f};
    for (float const value : VALUES)
    {
        float const mapped = RangeMap(-2.f, 6.f, 100.f, 50.f, value);
        EXPECT_NEAR(RangeMap(100.f, 50.f, -2.f, 6.f, mapped), value, 1e-4f);
    }
}

// The float-to-int conversions are defined for every float.
TEST(MathUtils, RoundingAndSaturatingConversions)
{
    EXPECT_EQ(RoundToNearest(-2.5f), -3.f);
    EXPECT_EQ(RoundToNearestInt(2.5f), 3);
    EXPECT_EQ(RoundDownToInt(-0.5f), -1);
    EXPECT_EQ(TruncateToInt(-1.9f), -1);
    EXPECT_EQ(TruncateToInt(3e9f), INT_MAX);
    EXPECT_EQ(TruncateToInt(-2147483648.f), INT_MIN);
    EXPECT_EQ(TruncateToInt(-3e9f), INT_MIN);
    EXPECT_EQ(TruncateToInt(NAN), 0);
    EXPECT_EQ(RoundDownToInt(INFINITY), INT_MAX);
    EXPECT_FALSE(IsNearlyEqual(1.f, 2.f, 1.f));  // strict
}

TEST(MathUtils, AnglesWrapIntoOneTurn)
{
    struct Case
    {
        float degrees;
        float expected;
    };
    Case const CASES[] = {{370.f, 10.f}, {-10.f, 350.f},   {720.f, 0.f},
                          {0.f, 0.f},    {359.5f, 359.5f}, {-1e-6f, 0.f}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.degrees);
        EXPECT_NEAR(WrapDegrees(testCase.degrees), testCase.expected, 1e-4f);
    }
    // Rounding must never leave the half-open turn.
    float const NEAR_WHOLE_TURNS[] = {-1e-6f, 719.99999f, -360.00003f, 1e12f, -1e-30f};
    for (float const degrees : NEAR_WHOLE_TURNS)
    {
        float const wrapped = WrapDegrees(degrees);
        EXPECT_GE(wrapped, 0.f) << degrees;
        EXPECT_LT(wrapped, 360.f) << degrees;
    }

    EXPECT_EQ(GetShortestAngularDisplacement(350.f, 10.f), 20.f);
    EXPECT_EQ(GetShortestAngularDisplacement(10.f, 350.f), -20.f);
    EXPECT_EQ(GetShortestAngularDisplacement(0.f, 180.f), 180.f);
    EXPECT_EQ(GetShortestAngularDisplacement(180.f, 0.f), 180.f);
    EXPECT_EQ(GetTurnedToward(350.f, 10.f, 5.f), 355.f);
    EXPECT_EQ(GetTurnedToward(10.f, 350.f, 30.f), 350.f);
}

TEST(MathUtils, EasingCurvesMeetAtTheEnds)
{
    EXPECT_EQ(SmoothStep3(0.f), 0.f);
    EXPECT_EQ(SmoothStep3(0.5f), 0.5f);
    EXPECT_EQ(SmoothStep3(1.f), 1.f);
    EXPECT_EQ(EaseInOut(SmoothStart2, 0.25f), 0.125f);
    EXPECT_EQ(EaseInOut(SmoothStart2, 0.75f), 0.875f);
    EXPECT_EQ(SmoothStop3(0.5f), 0.875f);
}

TEST(MathUtils, Projections)
{
    ExpectNear(GetProjectedOnto2D(Vec2(3.f, 4.f), Vec2(10.f, 0.f)), Vec2(3.f, 0.f));
    EXPECT_EQ(GetProjectedOnto2D(Vec2(3.f, 4.f), Vec2(0.f, 0.f)), Vec2(0.f, 0.f));
    EXPECT_NEAR(GetProjectedLength2D(Vec2(3.f, 4.f), Vec2(0.f, -2.f)), -4.f, TOLERANCE);

    // The range runs along the direction turned 90 degrees counter-clockwise.
    Vec2 const POINTS[] = {Vec2(5.f, 1.f), Vec2(3.f, 7.f), Vec2(4.f, -2.f)};
    FloatRange const range = GetProjectedRange2D(3, POINTS, Vec2(1.f, 0.f), Vec2(0.f, -1.f));
    EXPECT_NEAR(range.min, 2.f, TOLERANCE);
    EXPECT_NEAR(range.max, 4.f, TOLERANCE);
    EXPECT_EQ(GetProjectedRange2D(0, nullptr, Vec2(), Vec2(1.f, 0.f)), FloatRange(1e9f, -1e9f));
}

// Rounding can put the cosine of parallel vectors past 1, where acos gives NaN.
TEST(MathUtils, AngleBetweenVectorsStaysFiniteForParallelVectors)
{
    EXPECT_EQ(GetAngleDegreesBetweenVectors2D(Vec2(0.1f, 0.4f), Vec2(0.2f, 0.8f)), 0.f);
    EXPECT_NEAR(GetAngleDegreesBetweenVectors2D(Vec2(0.1f, 0.4f), Vec2(-0.2f, -0.8f)), 180.f, 1e-4f);
    EXPECT_NEAR(GetAngleDegreesBetweenVectors2D(Vec2(2.f, 0.f), Vec2(0.f, 3.f)), 90.f, 1e-4f);
    EXPECT_EQ(GetAngleDegreesBetweenVectors2D(Vec2(0.f, 0.f), Vec2(0.f, 3.f)), 0.f);
}

TEST(MathUtils, NearestPoints)
{
    AABB2 const box(0.f, 0.f, 2.f, 2.f);
    EXPECT_EQ(GetNearestPointOnAABB2(Vec2(5.f, 1.f), box), Vec2(2.f, 1.f));
    ExpectNear(GetNearestPointOnDisc2D(Vec2(10.f, 0.f), Vec2(1.f, 0.f), 2.f), Vec2(3.f, 0.f));
    ExpectNear(GetNearestPointOnDisc2D(Vec2(1.5f, 0.f), Vec2(1.f, 0.f), 2.f), Vec2(1.5f, 0.f));
    ExpectNear(GetNearestPointOnInfiniteLine2D(Vec2(-5.f, 3.f), Vec2(0.f, 0.f), Vec2(1.f, 0.f)),
               Vec2(-5.f, 0.f));

    struct Case
    {
        Vec2 point;
        Vec2 expectedOnSegment;
        Vec2 expectedOnCapsule;  // radius 1
    };
    Vec2 const START(0.f, 0.f);
    Vec2 const END(4.f, 0.f);
    Case const CASES[] = {
        {Vec2(-3.f, 0.f), START, Vec2(-1.f, 0.f)},           // before the start
        {Vec2(7.f, 4.f), END, Vec2(4.6f, 0.8f)},             // past the end
        {Vec2(2.f, 5.f), Vec2(2.f, 0.f), Vec2(2.f, 1.f)},    // beside the bone
        {Vec2(2.f, 0.5f), Vec2(2.f, 0.f), Vec2(2.f, 0.5f)},  // inside the capsule
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.point.GetAsString());
        ExpectNear(GetNearestPointOnLineSegment2D(testCase.point, START, END), testCase.expectedOnSegment);
        ExpectNear(GetNearestPointOnCapsule2D(testCase.point, Capsule2(START, END, 1.f)),
                   testCase.expectedOnCapsule);
    }
}

TEST(MathUtils, BoxDiscAndSectorOverlaps)
{
    AABB2 const unit(0.f, 0.f, 1.f, 1.f);
    EXPECT_TRUE(DoAABBsOverlap(unit, AABB2(1.f, 0.f, 2.f, 1.f)));  // shared edge
    EXPECT_TRUE(DoAABBsOverlap(unit, AABB2(1.f, 1.f, 2.f, 2.f)));  // shared corner
    EXPECT_FALSE(DoAABBsOverlap(unit, AABB2(1.01f, 0.f, 2.f, 1.f)));
    EXPECT_FALSE(DoAABBsOverlap(unit, AABB2(0.f, -2.f, 1.f, -0.01f)));

    EXPECT_TRUE(DoDiscAndAABBOverlap(Vec2(0.5f, 0.5f), 0.f, unit));
    EXPECT_TRUE(DoDiscAndAABBOverlap(Vec2(2.f, 0.5f), 1.f, unit));  // touching
    EXPECT_FALSE(DoDiscAndAABBOverlap(Vec2(2.f, 2.f), 1.f, unit));  // corner is sqrt(2) away

    EXPECT_FALSE(DoCirclesIntersect(Vec2(), 1.f, Vec2(), 5.f));         // wholly inside
    EXPECT_TRUE(DoCirclesIntersect(Vec2(), 1.f, Vec2(2.f, 0.f), 1.f));  // touching outside
    EXPECT_TRUE(DoCirclesIntersect(Vec2(), 2.f, Vec2(3.f, 0.f), 2.f));
    EXPECT_FALSE(DoCirclesIntersect(Vec2(), 1.f, Vec2(3.f, 0.f), 1.f));
    EXPECT_FALSE(DoSpheresIntersect(Vec3(), 1.f, Vec3(), 5.f));

    // Sector: tip at the origin, facing +y, 60 degrees wide, radius 10.
    EXPECT_TRUE(IsPointInSector2D(Vec2(0.f, 5.f), Vec2(), 90.f, 60.f, 10.f));
    EXPECT_TRUE(IsPointInSector2D(Vec2(2.f, 9.f), Vec2(), 90.f, 60.f, 10.f));
    EXPECT_FALSE(IsPointInSector2D(Vec2(5.f, 5.f), Vec2(), 90.f, 60.f, 10.f));
    EXPECT_FALSE(IsPointInSector2D(Vec2(0.f, 10.5f), Vec2(), 90.f, 60.f, 10.f));
}

TEST(MathUtils, OrientedBoxOverlaps)
{
    OBB2 const square(Vec2(0.f, 0.f), Vec2(2.f, 2.f), 0.f);
    struct Case
    {
        char const* name;
        OBB2 other;
        bool expected;
    };
    Case const CASES[] = {
        {"diamond corner short of the edge", OBB2(Vec2(2.5f, 0.f), Vec2(2.f, 2.f), 45.f), false},
        {"diamond corner poking in", OBB2(Vec2(2.3f, 0.f), Vec2(2.f, 2.f), 45.f), true},
        {"square corners overlapping", OBB2(Vec2(1.9f, 1.9f), Vec2(2.f, 2.f), 0.f), true},
        {"square just apart", OBB2(Vec2(2.1f, 0.f), Vec2(2.f, 2.f), 0.f), false},
        {"separated only along the diamond's axes", OBB2(Vec2(1.9f, 1.9f), Vec2(2.f, 2.f), 45.f), false},
        {"far away", OBB2(Vec2(40.f, 0.f), Vec2(2.f, 2.f), 10.f), false},
        {"same center", OBB2(Vec2(0.f, 0.f), Vec2(10.f, 0.2f), 30.f), true},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(DoOBBsOverlap(square, testCase.other), testCase.expected);
        EXPECT_EQ(DoOBBsOverlap(testCase.other, square), testCase.expected);
    }
    EXPECT_TRUE(
        DoOBBAndAABBOverlap(OBB2(Vec2(2.3f, 0.f), Vec2(2.f, 2.f), 45.f), AABB2(-1.f, -1.f, 1.f, 1.f)));
    EXPECT_FALSE(
        DoOBBAndAABBOverlap(OBB2(Vec2(2.5f, 0.f), Vec2(2.f, 2.f), 45.f), AABB2(-1.f, -1.f, 1.f, 1.f)));
    EXPECT_TRUE(DoOBBAndDiscOverlap(square, Disc(Vec2(2.f, 0.f), 1.f)));
    EXPECT_FALSE(DoOBBAndDiscOverlap(square, Disc(Vec2(2.f, 2.f), 1.f)));

    EXPECT_FALSE(DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(3.f, 0.f), Vec2(5.f, 0.f), 1.5f)));
    EXPECT_TRUE(DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(3.f, 0.f), Vec2(5.f, 0.f), 2.5f)));
    EXPECT_TRUE(
        DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(0.f, 5.f), Vec2(0.f, -5.f), 0.1f)));  // bone crosses
    EXPECT_FALSE(DoOBBAndCapsuleOverlap(square, Capsule2(Vec2(3.f, 3.f), Vec2(3.f, 3.f), 1.f)));  // no bone
}

TEST(MathUtils, PushingDiscsApart)
{
    Vec2 center(1.f, 0.f);
    PushDiscOutOfPoint(center, 2.f, Vec2(0.f, 0.f));
    ExpectNear(center, Vec2(2.f, 0.f));

    Vec2 centerA(0.f, 0.f);
    Vec2 centerB(1.f, 0.f);
    PushDiscsOutOfEachOther(centerA, 1.f, centerB, 1.f);
    ExpectNear(centerA, Vec2(-0.5f, 0.f));
    ExpectNear(centerB, Vec2(1.5f, 0.f));

    Vec2 sameA(3.f, 3.f);
    Vec2 sameB(3.f, 3.f);
    PushDiscsOutOfEachOther(sameA, 1.f, sameB, 1.f);
    EXPECT_EQ(sameA, Vec2(3.f, 3.f));
    EXPECT_EQ(sameB, Vec2(3.f, 3.f));

    Vec2 nearBox(1.5f, 0.5f);
    PushDiscOutOfAABB2(nearBox, 1.f, AABB2(0.f, 0.f, 1.f, 1.f));
    ExpectNear(nearBox, Vec2(2.f, 0.5f));
}

TEST(MathUtils, TransformsScaleThenRotateThenTranslate)
{
    Vertex_PCU vertexes[2] = {Vertex_PCU(Vec3(1.f, 0.f, 5.f), Rgba8::RED, Vec2(0.25f, 0.75f)),
                              Vertex_PCU(Vec3(0.f, 1.f, 0.f), Rgba8::BLUE, Vec2())};
    TransformVertexArray(0, vertexes, 2.f, 90.f, Vec2(10.f, 0.f));
    EXPECT_EQ(vertexes[0].m_position, Vec3(1.f, 0.f, 5.f));

    TransformVertexArray(2, vertexes, 2.f, 90.f, Vec2(10.f, 0.f));
    EXPECT_NEAR(vertexes[0].m_position.x, 10.f, TOLERANCE);
    EXPECT_NEAR(vertexes[0].m_position.y, 2.f, TOLERANCE);
    EXPECT_EQ(vertexes[0].m_position.z, 5.f);
    EXPECT_EQ(vertexes[0].m_color, Rgba8::RED);
    EXPECT_EQ(vertexes[0].m_uvTexCoords, Vec2(0.25f, 0.75f));
    EXPECT_NEAR(vertexes[1].m_position.x, 8.f, TOLERANCE);

    std::vector<Vertex_PCU> list(3, Vertex_PCU(Vec3(1.f, 1.f, 0.f), Rgba8::WHITE, Vec2()));
    // Even a rotation of 0 goes through polar form, so x lands a rounding step off 0.
    TransformVertexArray(list, 1.f, 0.f, Vec2(-1.f, 2.f));
    for (Vertex_PCU const& vertex : list)
    {
        EXPECT_NEAR(vertex.m_position.x, 0.f, 1e-7f);
        EXPECT_EQ(vertex.m_position.y, 3.f);
    }
    std::vector<Vertex_PCU> empty;
    TransformVertexArray(empty, 2.f, 0.f, Vec2());
    EXPECT_TRUE(empty.empty());

    ExpectNear(TransformPosition2D(Vec2(1.f, 2.f), Vec2(0.f, 1.f), Vec2(-1.f, 0.f), Vec2(5.f, 5.f)),
               Vec2(3.f, 6.f));
    Vec3 const moved = TransformPosition3DXY(Vec3(1.f, 2.f, 9.f), Vec2(0.f, 1.f), Vec2(-1.f, 0.f), Vec2());
    EXPECT_EQ(moved, Vec3(-2.f, 1.f, 9.f));

    ExpectFatalReport(
        RunFatalPath([] { TransformVertexArray(3, nullptr, 1.f, 0.f, Vec2()); }),
        {"No vertexes to transform", "TransformVertexArray", "MathUtils.cpp", "vertexes != nullptr"});
}
