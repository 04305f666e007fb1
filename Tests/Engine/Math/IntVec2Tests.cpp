#include "Engine/Math/IntVec2.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(IntVec2, LengthsAndExactQuarterTurns)
{
    IntVec2 const vec(3, -4);
    EXPECT_EQ(vec.GetLength(), 5.f);
    EXPECT_EQ(vec.GetLengthSquared(), 25);
    EXPECT_EQ(vec.GetTaxicabLength(), 7);
    EXPECT_EQ(vec.GetRotated90Degrees(), IntVec2(4, 3));
    EXPECT_EQ(vec.GetRotatedMinus90Degrees(), IntVec2(-4, -3));
    IntVec2 turning = vec;
    turning.Rotate90Degrees();
    turning.Rotate90Degrees();
    EXPECT_EQ(turning, -vec);
    turning.RotateMinus90Degrees();
    EXPECT_EQ(turning, IntVec2(4, 3));
    EXPECT_FLOAT_EQ(IntVec2(0, 5).GetAngleDegrees(), 90.f);
    EXPECT_FLOAT_EQ(IntVec2(-5, 0).GetAngleRadians(), 3.1415927f);
    // Beyond the int range the squares are summed exactly before the square root.
    EXPECT_FLOAT_EQ(IntVec2(INT_MAX, INT_MAX).GetLength(), 2147483647.f * 1.4142135f);
}

TEST(IntVec2, DivisionAndFloatScalingTruncateTowardZero)
{
    EXPECT_EQ(IntVec2(7, -7) / 2, IntVec2(3, -3));
    IntVec2 vec(9, -9);
    vec /= -4;
    EXPECT_EQ(vec, IntVec2(-2, 2));
    EXPECT_EQ(1.5f * IntVec2(7, -7), IntVec2(10, -10));
}

// Results beyond the int range wrap around instead of being undefined.
TEST(IntVec2, OverflowWrapsAndFloatScalingSaturates)
{
    EXPECT_EQ(IntVec2(INT_MAX, 0) + IntVec2(1, 0), IntVec2(INT_MIN, 0));
    EXPECT_EQ(IntVec2(INT_MIN, 0) - IntVec2(1, 0), IntVec2(INT_MAX, 0));
    EXPECT_EQ(-IntVec2(INT_MIN, 1), IntVec2(INT_MIN, -1));
    EXPECT_EQ(IntVec2(INT_MIN, 6) / -1, IntVec2(INT_MIN, -6));
    EXPECT_EQ(IntVec2(0x10000, 2) * 0x10000, IntVec2(0, 0x20000));
    EXPECT_EQ(IntVec2(INT_MIN, 0).GetTaxicabLength(), INT_MIN);
    EXPECT_EQ(IntVec2(0x10000, 0).GetLengthSquared(), 0);
    EXPECT_EQ(1e10f * IntVec2(1, -1), IntVec2(INT_MAX, INT_MIN));
    EXPECT_EQ(NAN * IntVec2(1, 1), IntVec2(0, 0));
}

TEST(IntVec2, DivisionByZeroIsFatal)
{
    ExpectFatalReport(RunFatalPath([] { (void)(IntVec2(1, 2) / 0); }),
                      {"Division 0 problem!", "IntVec2::operator /", "IntVec2.cpp"});
    ExpectFatalReport(RunFatalPath(
                          []
                          {
                              IntVec2 vec(1, 2);
                              vec /= 0;
                          }),
                      {"Division 0 problem!", "IntVec2::operator /=", "IntVec2.cpp"});
}

TEST(IntVec2, PrintsAndParsesBaseTen)
{
    EXPECT_EQ(IntVec2(-3, 12).GetAsString(), "(-3, 12)");
    EXPECT_EQ(IntVec2(" 7,-3"), IntVec2(7, -3));
    EXPECT_EQ(IntVec2("010,2.9"), IntVec2(10, 2));  // base 10, the rest of a piece ignored
    EXPECT_EQ(IntVec2("-2147483648,2147483647"), IntVec2(INT_MIN, INT_MAX));

    ExpectFatalReport(
        RunFatalPath([] { IntVec2 parsed("1,2,3"); }),
        {"ERROR Parsing IntVec2", "IntVec2::SetFromText", "IntVec2.cpp", "splitStrings.size() == 2"});
    ExpectFatalReport(
        RunFatalPath([] { IntVec2 parsed("1,x"); }),
        {"ERROR Parsing IntVec2: piece \"x\" of \"1,x\"", "IntVec2::SetFromText", "IntVec2.cpp"});
    ExpectFatalReport(RunFatalPath([] { IntVec2 parsed("2147483648,0"); }),
                      {"piece \"2147483648\" of \"2147483648,0\" holds no number in the int range",
                       "IntVec2::SetFromText", "IntVec2.cpp"});
}
