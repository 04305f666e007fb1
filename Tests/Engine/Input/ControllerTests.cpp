#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/InputSystem.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

// A game controller made by SDL itself, as a driver would present it, in slot 0.
// Buttons arrive under their own IDs, just pressed in their first frame only (SDL
// numbers A 0, Start 6, the left shoulder 9, pad up 11 and pad right 14). SDL's
// axes run y down; its virtual triggers -32768..32767 from released to pulled.
// Unplugged: buttons released without an edge, triggers zero, the sticks hold.
TEST(Controllers, ButtonsUnderTheirIDsSticksWithYUpAndARadialDeadZoneAndEachPadKeepsItsSlot)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    if (SDL_NumJoysticks() != 0)
    {
        GTEST_SKIP() << "a real controller is plugged in: it would take a slot";
    }
    InputSystem input;
    SDL_Joystick* const gamepad = SDL_JoystickOpen(SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
    XboxController const& pad = input.GetController(0);
    std::pair<int, XboxButtonID> const BUTTONS[] = {
        {0, XBOX_BUTTON_A},        {6, XBOX_BUTTON_START},       {9, XBOX_BUTTON_LEFT_SHOULDER},
        {11, XBOX_BUTTON_DPAD_UP}, {14, XBOX_BUTTON_DPAD_RIGHT},
    };
    for (int step = 0; step < 10; ++step)
    {
        auto const [sdlButton, buttonID] = BUTTONS[step / 2];
        SDL_JoystickSetVirtualButton(gamepad, BUTTONS[(step / 2 + 4) % 5].first, 0);  // the one before
        SDL_JoystickSetVirtualButton(gamepad, sdlButton, 1);
        input.BeginFrame();
        for (int otherID = 0; otherID < NUM_XBOX_BUTTONS; ++otherID)
        {
            KeyButtonState const& state = pad.GetButtonState(XboxButtonID(otherID));
            EXPECT_TRUE(state.IsPressed() == (otherID == buttonID) &&
                        state.WasJustPressed() == (otherID == buttonID && step % 2 == 0))
                << sdlButton << " as " << buttonID << ", step " << step;
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
    for (int index = 0; index < 5; ++index)
    {
        Case const& c = CASES[index];
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_LEFTX, c.sdlX);
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_LEFTY, c.sdlY);
        SDL_JoystickSetVirtualAxis(gamepad, SDL_CONTROLLER_AXIS_TRIGGERLEFT, c.sdlTrigger);
        input.BeginFrame();
        AnalogJoystick const& stick = pad.GetLeftJoystick();
        EXPECT_NEAR(stick.GetMagnitude(), c.magnitude, 1e-3f) << index;
        EXPECT_NEAR(c.magnitude > 0.f ? stick.GetOrientationDegrees() : c.degrees, c.degrees, 0.05f) << index;
        EXPECT_NEAR(pad.GetLeftTrigger(), c.trigger, 0.002f) << index;
    }
    SDL_JoystickDetachVirtual(0);
    input.BeginFrame();
    KeyButtonState const& heldButton = pad.GetButtonState(XBOX_BUTTON_DPAD_RIGHT);
    EXPECT_FALSE(pad.IsConnected() || heldButton.IsPressed() || heldButton.WasJustReleased());
    EXPECT_TRUE(pad.GetLeftTrigger() == 0.f &&
                std::abs(pad.GetLeftJoystick().GetMagnitude() - 0.147f) < 1e-3f);
    // Then pad P holds button P, one of the five whose numbers SDL and XboxButtonID
    // share (A, B, X, Y, Back): +P plugs it in, -N unplugs device N (SDL lists them in
    // the order they were plugged); then each slot shows its pad, - when empty. A pad
    // keeps its slot, a new one takes the lowest free; a fifth takes one freed in its frame.
    char const* const STEPS = "+0=0---; +1=01--; -0=-1--; +2=21--; +3=213-; -1=-13-; -0=--3-; +0=0-3-; "
                              "+2 +1=0231; +4=0231; -0=0241; -3 +3=0231";
    for (std::string const& step : SplitStringOnDelimiter(STEPS, "; "))
    {
        Strings const eventsAndSlots = SplitStringOnDelimiter(step, '=');
        for (std::string const& token : SplitStringOnDelimiter(eventsAndSlots[0], ' '))
        {
            if (token[0] == '+')
            {
                int const device = SDL_JoystickAttachVirtual(
                    SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
                SDL_JoystickSetVirtualButton(SDL_JoystickOpen(device), token[1] - '0', 1);
            }
            else
            {
                SDL_JoystickDetachVirtual(token[1] - '0');
            }
        }
        input.BeginFrame();
        std::string slots;
        for (XboxController const& controller : input.m_controllers)
        {
            int held = 0;
            while (held < 5 && !controller.GetButtonState(XboxButtonID(held)).IsPressed())
            {
                ++held;
            }
            slots += controller.IsConnected() ? "01234?"[held] : '-';
        }
        EXPECT_EQ(slots, eventsAndSlots[1]) << step;
    }
    input.Shutdown();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}
