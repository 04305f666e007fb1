#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <string>

TEST(KeyButtonState, EdgesSpanExactlyOneUpdate)
{
    struct Step
    {
        bool isNowPressed;
        bool expectPressed, expectJustPressed, expectJustReleased;
    };
    Step const STEPS[] = {
        {true, true, true, false},    {true, true, false, false}, {false, false, false, true},
        {false, false, false, false}, {true, true, true, false},
    };
    KeyButtonState state;
    EXPECT_FALSE(state.IsPressed() || state.WasJustPressed() || state.WasJustReleased());
    int stepIndex = 0;
    for (Step const& step : STEPS)
    {
        SCOPED_TRACE(stepIndex++);
        state.UpdateStatus(step.isNowPressed);
        EXPECT_EQ(state.IsPressed(), step.expectPressed);
        EXPECT_EQ(state.WasJustPressed(), step.expectJustPressed);
        EXPECT_EQ(state.WasJustReleased(), step.expectJustReleased);
    }
    state.Reset();
    EXPECT_FALSE(state.m_isPressed || state.m_wasPressedLastFrame);
}

// Readers see raw states only after EndFrame, all codes alike, 0 and 255 included.
TEST(InputSystem, RawStatesBecomeVisibleAtEndFrame)
{
    InputSystem input;
    unsigned char const CODES[] = {0, KEYCODE_SPACE, KEYCODE_F8, 255};
    for (unsigned char const keyCode : CODES)
    {
        input.HandleKeyPressed(keyCode);
        EXPECT_TRUE(input.IsKeyDown(keyCode));
        EXPECT_FALSE(input.GetKeyState(keyCode).IsPressed());
    }
    input.EndFrame();
    for (unsigned char const keyCode : CODES)
    {
        EXPECT_TRUE(input.WasKeyJustPressed(keyCode)) << int(keyCode);
    }
    input.EndFrame();
    for (unsigned char const keyCode : CODES)
    {
        EXPECT_FALSE(input.WasKeyJustPressed(keyCode)) << int(keyCode);
        EXPECT_TRUE(input.GetKeyState(keyCode).IsPressed()) << int(keyCode);
    }
}

TEST(InputSystem, ReleaseAllKeysGivesEachHeldKeyOneReleaseEdge)
{
    InputSystem input;
    input.HandleKeyPressed(KEYCODE_UP_ARROW);
    input.HandleKeyPressed('Z');
    input.EndFrame();
    input.ReleaseAllKeys();
    EXPECT_FALSE(input.IsKeyDown(KEYCODE_UP_ARROW));
    input.EndFrame();
    EXPECT_TRUE(input.WasKeyJustReleased(KEYCODE_UP_ARROW));
    EXPECT_TRUE(input.WasKeyJustReleased('Z'));
    EXPECT_FALSE(input.WasKeyJustReleased(KEYCODE_SPACE));
}

TEST(InputSystem, ControllersHaveTheirSlotIDs)
{
    InputSystem const input;
    for (int controllerID = 0; controllerID < NUM_XBOX_CONTROLLERS; ++controllerID)
    {
        EXPECT_EQ(input.GetController(controllerID).m_controllerID, controllerID);
        EXPECT_FALSE(input.GetController(controllerID).IsConnected());
    }
}

TEST(InputSystem, AControllerIDOutsideTheSlotsEndsWithAReport)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            InputSystem const input;
            input.GetController(4);
        });
    EXPECT_TRUE(result.ExitedWithFailure());
    EXPECT_NE(result.standardOutput.find("There is no controller 4"), std::string::npos)
        << result.standardOutput;
    EXPECT_NE(result.standardOutput.find("InputSystem::GetController"), std::string::npos);
    EXPECT_NE(result.standardOutput.find("InputSystem.cpp"), std::string::npos);
}
