#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float TOLERANCE = 1e-5f;

void ExpectNear(Vec2 const& actual, Vec2 const& expected, float tolerance = TOLERANCE)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}
}  // namespace

// A zero vector normalises, rescales and rotates to zero instead of failing.
TEST(Vec2, ZeroVectorStaysZeroUnderNormalisingScalingAndRotation)
{
    Vec2 zero;
    EXPECT_EQ(zero.GetNormalized(), Vec2(0.f, 0.f));
    EXPECT_EQ(zero.GetAngleDegrees(), 0.f);
    zero.SetLength(5.f);
    EXPECT_EQ(zero, Vec2(0.f, 0.f));
    zero.RotateDegrees(33.f);
    EXPECT_EQ(zero, Vec2(0.f, 0.f));
    EXPECT_EQ(zero.NormalizeAndGetPreviousLength(), 0.f);
}

TEST(Vec2, LengthNormalisingAndSetLength)
{
    Vec2 const threeFour(3.f, 4.f);
    EXPECT_EQ(threeFour.GetLength(), 5.f);
    EXPECT_EQ(threeFour.GetLengthSquared(), 25.f);
    ExpectNear(threeFour.GetNormalized(), Vec2(0.6f, 0.8f));

    Vec2 reversed(1.f, 0.f);
    reversed.SetLength(-2.f);
    EXPECT_EQ(reversed, Vec2(-2.f, 0.f));

    ExpectNear(Vec2(30.f, 40.f).GetClamped(10.f), Vec2(6.f, 8.f));
    ExpectNear(Vec2(0.3f, 0.4f).GetClamped(10.f), Vec2(0.3f, 0.4f));
}

TEST(Vec2, AnglesRunCounterClockwiseFromPlusX)
{
    struct Case
    {
        Vec2 vec;
        float expectedDegrees;
    };
    Case const CASES[] = {
        {Vec2(1.f, 0.f), 0.f},    {Vec2(0.f, 1.f), 90.f}, {Vec2(-1.f, 0.f), 180.f},
        {Vec2(0.f, -1.f), -90.f}, {Vec2(1.f, 1.f), 45.f}, {Vec2(0.f, 0.f), 0.f},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.vec.GetAsString());
        EXPECT_NEAR(testCase.vec.GetAngleDegrees(), testCase.expectedDegrees, TOLERANCE);
    }
}

// The quarter-turn getters swap exactly; every other rotation goes through polar form.
TEST(Vec2, QuarterTurnSwapsAreExactWhilePolarRotationsRound)
{
    EXPECT_EQ(Vec2(1.f, 0.f).GetRotated90Degrees(), Vec2(0.f, 1.f));
    EXPECT_EQ(Vec2(1.f, 0.f).GetRotatedMinus90Degrees(), Vec2(0.f, -1.f));

    Vec2 polar(1.f, 0.f);
    polar.RotateDegrees(90.f);
    EXPECT_NE(polar.x, 0.f);
    EXPECT_NEAR(polar.x, -4.371139e-8f, 1e-12f);
    EXPECT_EQ(polar.y, 1.f);

    Vec2 viaRotate90(1.f, 0.f);
    viaRotate90.Rotate90Degrees();
    EXPECT_EQ(viaRotate90, polar);
    viaRotate90.RotateMinus90Degrees();
    ExpectNear(viaRotate90, Vec2(1.f, 0.f));
}

TEST(Vec2, PolarRoundTrips)
{
    EXPECT_EQ(Vec2::MakeFromPolarDegrees(0.f, 2.f), Vec2(2.f, 0.f));
    Vec2 const halfTurn = Vec2::MakeFromPolarDegrees(180.f, 1.f);
    EXPECT_EQ(halfTurn.x, -1.f);
    EXPECT_NEAR(halfTurn.y, -8.742278e-8f, 1e-12f);

    float const ANGLES_DEGREES[] = {-170.f, -45.f, 0.f, 30.f, 135.f, 179.f};
    for (float const degrees : ANGLES_DEGREES)
    {
        SCOPED_TRACE(degrees);
        Vec2 const vec = Vec2::MakeFromPolarDegrees(degrees, 3.f);
        EXPECT_NEAR(vec.GetAngleDegrees(), degrees, 1e-4f);
        EXPECT_NEAR(vec.GetLength(), 3.f, TOLERANCE);
        ExpectNear(vec.GetRotatedDegrees(25.f).GetRotatedDegrees(-25.f), vec);
        ExpectNear(vec.GetRotatedRadians(0.5f).GetRotatedRadians(-0.5f), vec);
        ExpectNear(Vec2::MakeFromPolarRadians(vec.GetAngleRadians(), vec.GetLength()), vec);
    }
}

TEST(Vec2, ReflectsOffANormal)
{
    ExpectNear(Vec2(1.f, -1.f).GetReflected(Vec2(0.f, 1.f)), Vec2(1.f, 1.f));
    Vec2 bouncing(3.f, 2.f);
    bouncing.Reflect(Vec2(-5.f, 0.f));  // the normal need not be unit length
    ExpectNear(bouncing, Vec2(-3.f, 2.f));
}

// The guard is strict: 0.000001 itself is a valid divisor.
TEST(Vec2, DividesByTheSmallestAllowedDivisor)
{
    EXPECT_NEAR((Vec2(1.f, 2.f) / 0.000001f).x, 1e6f, 1.f);
    Vec2 vec(1.f, 2.f);
    vec /= -0.000001f;
    EXPECT_NEAR(vec.y, -2e6f, 1.f);
}

TEST(Vec2, DivisionByNearlyZeroIsFatal)
{
    ExpectFatalReport(RunFatalPath([] { (void)(Vec2(1.f, 2.f) / 0.0000005f); }),
                      {"Division 0 problem!", "Vec2::operator /", "Vec2.cpp"});
    ExpectFatalReport(RunFatalPath(
                          []
                          {
                              Vec2 vec(1.f, 2.f);
                              vec /= 0.f;
                          }),
                      {"Division 0 problem!", "Vec2::operator /=", "Vec2.cpp"});
}

TEST(Vec2, PrintsWithTwoDecimals)
{
    EXPECT_EQ(Vec2(1.f, 2.5f).GetAsString(), "(1.00, 2.50)");
    EXPECT_EQ(Vec2(-0.125f, 1000.f).GetAsString(), "(-0.12, 1000.00)");
}

TEST(Vec2, ParsesBareText)
{
    struct Case
    {
        char const* text;
        Vec2 expected;
    };
    Case const CASES[] = {
        {"1.5, 2", Vec2(1.5f, 2.f)},     {"-3,4e2", Vec2(-3.f, 400.f)}, {"  7 ,\t8xyz", Vec2(7.f, 8.f)},
        {".5,-.25", Vec2(0.5f, -0.25f)}, {"0,0", Vec2(0.f, 0.f)},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(Vec2(testCase.text), testCase.expected);
    }

    Vec2 const original(-12.375f, 0.1f);
    EXPECT_EQ(Vec2(Stringf("%.9g,%.9g", original.x, original.y).c_str()), original);
}

TEST(Vec2, ParseFailuresAreFatalAndNameTheText)
{
    char const* const WRONG_COUNTS[] = {"1,2,3", "1", "1,"};  // a trailing comma leaves one piece
    for (char const* text : WRONG_COUNTS)
    {
        SCOPED_TRACE(text);
        ExpectFatalReport(
            RunFatalPath([text] { Vec2 parsed(text); }),
            {"ERROR Parsing Vec2", "Vec2::SetFromText", "Vec2.cpp", "splitStrings.size() == 2"});
    }
    // A piece without a number: the printed report names the piece and its text.
    ExpectFatalReport(
        RunFatalPath([] { Vec2 parsed("a,2"); }),
        {"ERROR Parsing Vec2: piece \"a\" of \"a,2\" holds no number", "Vec2::SetFromText", "Vec2.cpp"});
    ExpectFatalReport(
        RunFatalPath([] { Vec2 parsed("(1.00, 2.50)"); }),
        {"piece \"(1.00\" of \"(1.00, 2.50)\" holds no number", "Vec2::SetFromText", "Vec2.cpp"});
}
