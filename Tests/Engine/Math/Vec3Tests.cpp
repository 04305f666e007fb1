#include "Engine/Math/Vec3.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

TEST(Vec3, TakesAVec2WithZeroZAndMeasuresXYApart)
{
    EXPECT_EQ(Vec3(Vec2(1.f, 2.f)), Vec3(1.f, 2.f, 0.f));
    EXPECT_EQ(Vec3(3.f, 4.f, 12.f).GetLength(), 13.f);
    EXPECT_EQ(Vec3(3.f, 4.f, 12.f).GetLengthXY(), 5.f);
}

// Vec3 divides by multiplying with the reciprocal, unlike Vec2.
TEST(Vec3, DivisionMultipliesByTheReciprocal)
{
    float const divisor = 3.f;
    Vec3 const vec(1.f, 10.f, 7.f);
    Vec3 const quotient = vec / divisor;
    float const reciprocal = 1.f / divisor;
    EXPECT_EQ(quotient, Vec3(1.f * reciprocal, 10.f * reciprocal, 7.f * reciprocal));
    Vec3 inPlace = vec;
    inPlace /= divisor;
    EXPECT_EQ(inPlace, quotient);
}

TEST(Vec3, DivisionByNearlyZeroIsFatal)
{
    ExpectFatalReport(RunFatalPath([] { (void)(Vec3(1.f, 2.f, 3.f) / 0.0000005f); }),
                      {"Division 0 problem!", "Vec3::operator /", "Vec3.cpp"});
    ExpectFatalReport(RunFatalPath(
                          []
                          {
                              Vec3 vec(1.f, 2.f, 3.f);
                              vec /= -0.0000009f;
                          }),
                      {"Division 0 problem!", "Vec3::operator /=", "Vec3.cpp"});
}

TEST(Vec3, ClampNormaliseAndRotateAboutZ)
{
    EXPECT_EQ(Vec3(0.f, 0.f, 0.f).GetNormalized(), Vec3(0.f, 0.f, 0.f));
    Vec3 const normalized = Vec3(0.f, 3.f, 4.f).GetNormalized();
    EXPECT_NEAR(normalized.y, 0.6f, 1e-6f);
    EXPECT_NEAR(normalized.z, 0.8f, 1e-6f);
    EXPECT_EQ(Vec3(0.f, 3.f, 4.f).GetClamped(10.f), Vec3(0.f, 3.f, 4.f));
    Vec3 const clamped = Vec3(0.f, 30.f, 40.f).GetClamped(5.f);
    EXPECT_NEAR(clamped.y, 3.f, 1e-5f);
    EXPECT_NEAR(clamped.z, 4.f, 1e-5f);

    Vec3 const rotated = Vec3(2.f, 0.f, 7.f).GetRotatedAboutZDegrees(90.f);
    EXPECT_NEAR(rotated.x, 0.f, 1e-6f);
    EXPECT_NEAR(rotated.y, 2.f, 1e-6f);
    EXPECT_EQ(rotated.z, 7.f);
    EXPECT_NEAR(rotated.GetAngleAboutZDegrees(), 90.f, 1e-5f);
    EXPECT_NEAR(Vec3(2.f, 0.f, 7.f).GetRotatedAboutZRadians(3.1415927f).x, -2.f, 1e-6f);
}

TEST(Vec3, PrintsAndParses)
{
    EXPECT_EQ(Vec3(1.f, -2.5f, 0.125f).GetAsString(), "(1.00, -2.50, 0.12)");
    EXPECT_EQ(Vec3("1, -2.5,3e1"), Vec3(1.f, -2.5f, 30.f));
    ExpectFatalReport(RunFatalPath([] { Vec3 parsed("1,2"); }),
                      {"ERROR Parsing Vec3", "Vec3::SetFromText", "Vec3.cpp", "splitStrings.size() == 3"});
    ExpectFatalReport(
        RunFatalPath([] { Vec3 parsed("1,2,z"); }),
        {"ERROR Parsing Vec3: piece \"z\" of \"1,2,z\" holds no number", "Vec3::SetFromText", "Vec3.cpp"});
}
