#include "Engine/Input/InputSystem.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{
// A game controller made by SDL itself, as a driver would present it. Quitting
// the subsystem detaches it if it is left. Which slot a new pad takes is SDL's.
class ControllerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        if (SDL_NumJoysticks() != 0)
        {
            GTEST_SKIP() << "a real controller is plugged in; slot numbers would differ";
        }
    }
    void TearDown() override
    {
        m_input.Shutdown();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    SDL_Joystick* PlugGamepad()
    {
        return SDL_JoystickOpen(SDL_JoystickAttachVirtual(
            SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
    }
    XboxController const& Controller(int controllerID) { return m_input.GetController(controllerID); }

    InputSystem m_input;
};
}  // namespace

// Each button arrives under its own ID, just pressed in its first frame only. SDL's
// axes run y down; its virtual triggers -32768..32767 from released to pulled.
TEST_F(ControllerTest, ButtonsArriveUnderTheirIDsAndSticksScaledWithYUpAndARadialDeadZone)
{
    // SDL numbers A, B, X, Y 0-3, Back 4, Start 6, the stick clicks 7-8, the shoulders
    // 9-10 and the pad up, down, left, right 11-14.
    int const SDL_BUTTON_OF_ID[NUM_XBOX_BUTTONS] = {0, 1, 2, 3, 4, 6, 9, 10, 7, 8, 14, 11, 13, 12};
    SDL_Joystick* const gamepad = PlugGamepad();
    for (int pressedAndFrame = 0; pressedAndFrame < 2 * NUM_XBOX_BUTTONS; ++pressedAndFrame)
    {
        int const pressedID = pressedAndFrame / 2, frame = pressedAndFrame % 2;
        SDL_JoystickSetVirtualButton(
            gamepad, SDL_BUTTON_OF_ID[(pressedID + NUM_XBOX_BUTTONS - 1) % NUM_XBOX_BUTTONS], 0);
        SDL_JoystickSetVirtualButton(gamepad, SDL_BUTTON_OF_ID[pressedID], 1);
        m_input.BeginFrame();
        for (int buttonID = 0; buttonID < NUM_XBOX_BUTTONS; ++buttonID)
        {
            KeyButtonState const& state = Controller(0).GetButtonState(XboxButtonID(buttonID));
            EXPECT_TRUE(state.IsPressed() == (buttonID == pressedID) &&
                        state.WasJustPressed() == (frame == 0 && buttonID == pressedID))
                << pressedID << " " << buttonID << " frame " << frame;
        }
    }
    struct Case
    {
        Sint16 sdlX, sdlY, sdlTrigger;
        float magnitude, degrees, trigger;
    } const CASES[] = {
        {0, -32768, -32768, 1.f, 90.f, 0.f},      // fully up: -32768 has no positive twin
        {-32768, 0, 0, 1.f, 180.f, 0.5f},         // fully left; trigger half way
        {19660, 0, 32767, 0.5f, 0.f, 1.f},        // half way between the dead zones
        {0, 6000, 32767, 0.f, 0.f, 1.f},          // inside the inner dead zone
        {9000, 9000, 32767, 0.147f, -45.f, 1.f},  // each axis inside, the distance not
    };
    SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, -32768);
    for (Case const& c : CASES)
    {
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_LEFTX, c.sdlX);
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_LEFTY, c.sdlY);
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_TRIGGERLEFT, c.sdlTrigger);
        m_input.BeginFrame();
        AnalogJoystick const& stick = Controller(0).GetLeftJoystick();
        EXPECT_NEAR(stick.GetMagnitude(), c.magnitude, 1e-3f) << c.sdlX << ", " << c.sdlY;
        EXPECT_NEAR(c.magnitude > 0.f ? stick.GetOrientationDegrees() : c.degrees, c.degrees, 0.05f)
            << c.sdlX;
        EXPECT_NEAR(Controller(0).GetLeftTrigger(), c.trigger, 0.002f) << c.sdlTrigger;
        EXPECT_TRUE(Controller(0).GetRightTrigger() == 0.f &&
                    Controller(0).GetRightJoystick().GetRawPosition().x == 1.f);
    }
    // Unplugged: buttons released without an edge, triggers zero, the sticks hold.
    SDL_JoystickDetachVirtual(0);
    m_input.BeginFrame();
    KeyButtonState const& heldButton = Controller(0).GetButtonState(XboxButtonID(NUM_XBOX_BUTTONS - 1));
    EXPECT_FALSE(Controller(0).IsConnected() || heldButton.IsPressed() || heldButton.WasJustReleased());
    EXPECT_EQ(Controller(0).GetLeftTrigger(), 0.f);
    EXPECT_NEAR(Controller(0).GetLeftJoystick().GetMagnitude(), 0.147f, 1e-3f);
}
