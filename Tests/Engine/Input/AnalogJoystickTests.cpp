#include "Engine/Input/AnalogJoystick.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <string>

// The dead zone acts on the distance from centre; the direction is the raw one.
TEST(AnalogJoystick, RemapsTheRadialDistanceBetweenTheDeadZones)
{
    struct Case
    {
        float rawX, rawY;
        float expectedMagnitude, expectedDegrees;
    };
    Case const CASES[] = {
        {0.6f, 0.f, 0.5f, 0.f},      {0.f, 0.6f, 0.5f, 90.f}, {-0.36f, -0.48f, 0.5f, -126.869898f},
        {0.9f, 0.f, 1.f, 0.f},       {0.8f, 0.8f, 1.f, 45.f}, {-1.f, 0.f, 1.f, 180.f},
        {0.3f, 0.f, 0.f, 180.f},   // at the inner edge: keeps the last direction
        {0.f, -0.2f, 0.f, 180.f},  // inside: likewise
        {0.f, -0.45f, 0.25f, -90.f},
    };
    AnalogJoystick joystick(0.3f, 0.9f);
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << testCase.rawX << ", " << testCase.rawY);
        joystick.UpdatePosition(testCase.rawX, testCase.rawY);
        EXPECT_EQ(joystick.m_rawPosition, Vec2(testCase.rawX, testCase.rawY));
        EXPECT_NEAR(joystick.GetMagnitude(), testCase.expectedMagnitude, 1e-5f);
        EXPECT_NEAR(joystick.GetOrientationDegrees(), testCase.expectedDegrees, 1e-3f);
        EXPECT_NEAR(joystick.GetPosition().GetLength(), testCase.expectedMagnitude, 1e-5f);
    }
    joystick.Reset();
    EXPECT_EQ(joystick.GetMagnitude(), 0.f);
    EXPECT_EQ(joystick.GetRawPosition(), Vec2(0.f, 0.f));
}

TEST(AnalogJoystick, EqualDeadZonesEndWithAReport)
{
    ChildResult const result = RunInChildProcess([] { AnalogJoystick joystick(0.5f, 0.5f); });
    EXPECT_TRUE(result.ExitedWithFailure());
    EXPECT_NE(result.standardOutput.find("0 <= inner < outer"), std::string::npos) << result.standardOutput;
    EXPECT_NE(result.standardOutput.find("AnalogJoystick::AnalogJoystick"), std::string::npos);
    EXPECT_NE(result.standardOutput.find("AnalogJoystick.cpp"), std::string::npos);
}
