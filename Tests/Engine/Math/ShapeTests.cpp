#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/Disc.hpp"
#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"

#include <gtest/gtest.h>

namespace
{
constexpr float TOLERANCE = 1e-5f;

void ExpectNear(Vec2 const& actual, Vec2 const& expected)
{
    EXPECT_NEAR(actual.x, expected.x, TOLERANCE);
    EXPECT_NEAR(actual.y, expected.y, TOLERANCE);
}

// Four wide and two high, turned a quarter turn: its i axis points along +y.
OBB2 MakeStandingBox()
{
    return OBB2(Vec2(10.f, 10.f), Vec2(4.f, 2.f), 90.f);
}
}  // namespace

TEST(OBB2, CornersRunFromMinusIMinusJToPlusIPlusJ)
{
    OBB2 const box = MakeStandingBox();
    ExpectNear(box.GetIBasisNormal(), Vec2(0.f, 1.f));
    ExpectNear(box.GetJBasisNormal(), Vec2(-1.f, 0.f));
    EXPECT_NEAR(box.GetOrientationDegrees(), 90.f, TOLERANCE);
    Vec2 corners[4];
    box.GetCornerPoints(corners);
    ExpectNear(corners[0], Vec2(11.f, 8.f));
    ExpectNear(corners[1], Vec2(9.f, 8.f));
    ExpectNear(corners[2], Vec2(11.f, 12.f));
    ExpectNear(corners[3], Vec2(9.f, 12.f));

    OBB2 const fromBox(AABB2(0.f, 0.f, 4.f, 2.f), 0.f);
    EXPECT_EQ(fromBox.center, Vec2(2.f, 1.f));
    EXPECT_EQ(fromBox.halfDimensions, Vec2(2.f, 1.f));
    EXPECT_EQ(fromBox.iBasisNormal, Vec2(1.f, 0.f));
}

TEST(OBB2, UVRoundTripAndStrictInside)
{
    OBB2 const box = MakeStandingBox();
    ExpectNear(box.GetPointAtUV(Vec2(0.f, 0.f)), Vec2(11.f, 8.f));
    ExpectNear(box.GetPointAtUV(Vec2(1.f, 1.f)), Vec2(9.f, 12.f));
    Vec2 const UVS[] = {Vec2(0.25f, 0.5f), Vec2(0.9f, 0.1f), Vec2(0.5f, 0.5f)};
    for (Vec2 const& uv : UVS)
    {
        ExpectNear(box.GetUVForPoint(box.GetPointAtUV(uv)), uv);
    }
    EXPECT_TRUE(box.IsPointInside(Vec2(10.5f, 11.5f)));
    EXPECT_FALSE(box.IsPointInside(Vec2(10.f, 12.f)));  // on an edge: outside
    EXPECT_FALSE(box.IsPointInside(Vec2(12.f, 10.f)));
    ExpectNear(box.GetNearestPoint(Vec2(20.f, 10.5f)), Vec2(11.f, 10.5f));
    ExpectNear(box.GetNearestPoint(Vec2(10.2f, 10.3f)), Vec2(10.2f, 10.3f));
}

TEST(OBB2, ValidateAndChanges)
{
    OBB2 box(Vec2(0.f, 0.f), Vec2(-4.f, 2.f), Vec2(0.f, 0.0000001f));
    box.Validate();
    EXPECT_EQ(box.halfDimensions, Vec2(2.f, 1.f));
    EXPECT_EQ(box.iBasisNormal, Vec2(1.f, 0.f));
    OBB2 scaled(Vec2(0.f, 0.f), Vec2(2.f, 2.f), Vec2(0.f, 3.f));
    scaled.Validate();
    EXPECT_EQ(scaled.iBasisNormal, Vec2(0.f, 1.f));

    box.StretchToIncludePoint(Vec2(4.f, 0.f));
    ExpectNear(box.center, Vec2(1.f, 0.f));
    ExpectNear(box.halfDimensions, Vec2(3.f, 1.f));
    box.StretchToIncludePoint(Vec2(0.f, 0.5f));  // already inside
    ExpectNear(box.halfDimensions, Vec2(3.f, 1.f));

    box.RotateByDegrees(90.f);
    ExpectNear(box.iBasisNormal, Vec2(0.f, 1.f));
}

TEST(FloatRange, ParsesOneOrTwoEndsAndKeepsItselfOnBadText)
{
    FloatRange range;
    EXPECT_TRUE(range.SetFromText("1.5~3"));
    EXPECT_EQ(range, FloatRange(1.5f, 3.f));
    EXPECT_TRUE(range.SetFromText(" 2"));
    EXPECT_EQ(range, FloatRange(2.f));

    char const* const BAD_TEXTS[] = {"1~2~3", "a~2", "1~b", "", "~"};
    for (char const* text : BAD_TEXTS)
    {
        SCOPED_TRACE(text);
        FloatRange kept(4.f, 5.f);
        EXPECT_FALSE(kept.SetFromText(text));
        EXPECT_EQ(kept, FloatRange(4.f, 5.f));
    }
    EXPECT_EQ(FloatRange("x~y"), FloatRange(0.f, 0.f));
    EXPECT_EQ(FloatRange("-1~1"), FloatRange(-1.f, 1.f));
}

TEST(FloatRange, PrintsOneEndWhenTheEndsAreNearlyEqual)
{
    EXPECT_EQ(FloatRange(2.f).GetAsString(), "2.00");
    EXPECT_EQ(FloatRange(2.f, 2.0000005f).GetAsString(), "2.00");
    EXPECT_EQ(FloatRange(1.f, 2.5f).GetAsString(), "1.00~2.50");
}

TEST(FloatRange, InsideAndOverlapIncludeTheEnds)
{
    FloatRange const range(1.f, 2.f);
    EXPECT_TRUE(range.IsValueInside(1.f));
    EXPECT_TRUE(range.IsValueInside(2.f));
    EXPECT_FALSE(range.IsValueInside(2.0001f));
    EXPECT_TRUE(range.DoesOverlap(FloatRange(2.f, 3.f)));
    EXPECT_TRUE(range.DoesOverlap(FloatRange(0.f, 1.f)));
    EXPECT_FALSE(range.DoesOverlap(FloatRange(2.01f, 3.f)));
    EXPECT_FALSE(range.DoesOverlap(FloatRange(-1.f, 0.99f)));

    RandomNumberGenerator rng;
    RandomNumberGenerator sameSequence;
    float const value = range.GetRandomValue(rng);
    EXPECT_EQ(value, sameSequence.GetRandomFloatInRange(1.f, 2.f));
    EXPECT_TRUE(range.IsValueInside(value));
}

TEST(Disc, OutlineCountsAsInside)
{
    Disc const disc(Vec2(1.f, 1.f), 2.f);
    EXPECT_TRUE(disc.IsPointInside(Vec2(3.f, 1.f)));
    EXPECT_FALSE(disc.IsPointInside(Vec2(3.001f, 1.f)));
    ExpectNear(disc.GetNearestPoint(Vec2(1.f, 10.f)), Vec2(1.f, 3.f));
}
