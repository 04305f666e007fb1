#include "Engine/Input/ControllerBackend.hpp"
#include "Engine/Input/XboxController.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace
{
ControllerSlotState MakeConnectedState()
{
    ControllerSlotState state;
    state.m_isConnected = true;
    return state;
}

// A game controller made by SDL itself: its buttons and axes are numbered in
// SDL_GameControllerButton and SDL_GameControllerAxis order (checked below).
class VirtualGamepad
{
public:
    VirtualGamepad()
    {
        SDL_VirtualJoystickDesc description = {};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        description.naxes = SDL_CONTROLLER_AXIS_MAX;
        description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        description.name = "Test gamepad";
        description.userdata = this;
        description.Rumble = [](void* userdata, Uint16 low, Uint16 high)
        {
            static_cast<VirtualGamepad*>(userdata)->m_rumbles.emplace_back(low, high);
            return 0;
        };
        int const deviceIndex = SDL_JoystickAttachVirtualEx(&description);
        m_instanceID = SDL_JoystickGetDeviceInstanceID(deviceIndex);
        m_joystick = SDL_JoystickOpen(deviceIndex);
    }
    ~VirtualGamepad() { Unplug(); }
    VirtualGamepad(VirtualGamepad const&) = delete;
    VirtualGamepad& operator=(VirtualGamepad const&) = delete;

    bool IsAttached() const { return m_joystick != nullptr; }
    void SetButton(SDL_GameControllerButton button, bool isPressed)
    {
        SDL_JoystickSetVirtualButton(m_joystick, button, isPressed ? 1 : 0);
    }
    void SetAxis(SDL_GameControllerAxis axis, int value)
    {
        SDL_JoystickSetVirtualAxis(m_joystick, axis, static_cast<Sint16>(value));
    }
    void Unplug()
    {
        if (m_joystick == nullptr)
        {
            return;
        }
        SDL_JoystickClose(m_joystick);
        m_joystick = nullptr;
        for (int deviceIndex = 0; deviceIndex < SDL_NumJoysticks(); ++deviceIndex)
        {
            if (SDL_JoystickGetDeviceInstanceID(deviceIndex) == m_instanceID)
            {
                SDL_JoystickDetachVirtual(deviceIndex);
            }
        }
    }

    std::vector<std::pair<Uint16, Uint16>> m_rumbles;

private:
    SDL_JoystickID m_instanceID = -1;
    SDL_Joystick* m_joystick = nullptr;
};

// SDL's virtual trigger axes span -32768..32767 for a released..fully pulled trigger.
constexpr int VIRTUAL_TRIGGER_RELEASED = -32768;

class VirtualControllerTest : public ::testing::Test
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
        ShutdownControllerBackend();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    static void UpdateAll(std::vector<XboxController>& controllers)
    {
        for (XboxController& controller : controllers)
        {
            controller.Update();
        }
    }
};
}  // namespace

TEST(XboxController, ReadsXInputButtonBitsInTheEnginesButtonOrder)
{
    unsigned short const BITS_IN_ID_ORDER[NUM_XBOX_BUTTONS] = {0x1000, 0x2000, 0x4000, 0x8000, 0x0020,
                                                               0x0010, 0x0100, 0x0200, 0x0040, 0x0080,
                                                               0x0008, 0x0001, 0x0004, 0x0002};
    for (int buttonID = 0; buttonID < NUM_XBOX_BUTTONS; ++buttonID)
    {
        SCOPED_TRACE(buttonID);
        XboxController controller(0);
        ControllerSlotState state = MakeConnectedState();
        state.m_buttonBits = BITS_IN_ID_ORDER[buttonID];
        controller.ApplySlotState(state);
        for (int otherID = 0; otherID < NUM_XBOX_BUTTONS; ++otherID)
        {
            EXPECT_EQ(controller.GetButtonState(static_cast<XboxButtonID>(otherID)).WasJustPressed(),
                      otherID == buttonID);
        }
        controller.ApplySlotState(state);
        EXPECT_FALSE(controller.GetButtonState(static_cast<XboxButtonID>(buttonID)).WasJustPressed());
        EXPECT_TRUE(controller.GetButtonState(static_cast<XboxButtonID>(buttonID)).IsPressed());
    }
}

TEST(XboxController, ScalesTriggersAndSticksFromXInputUnits)
{
    XboxController controller(1);
    ControllerSlotState state = MakeConnectedState();
    state.m_leftTrigger = 255;
    state.m_rightTrigger = 51;
    state.m_leftThumbX = 32767;    // fully right
    state.m_rightThumbY = -32768;  // fully down
    controller.ApplySlotState(state);
    EXPECT_NEAR(controller.GetLeftTrigger(), 1.f, 1e-6f);
    EXPECT_NEAR(controller.GetRightTrigger(), 0.2f, 1e-6f);
    AnalogJoystick const& leftStick = controller.GetLeftJoystick();
    EXPECT_EQ(leftStick.GetRawPosition().x, 1.f);
    EXPECT_NEAR(leftStick.GetRawPosition().y, 0.0000153f, 1e-7f);  // 0 maps a hair above centre
    EXPECT_NEAR(leftStick.GetOrientationDegrees(), 0.0009f, 1e-4f);
    EXPECT_EQ(leftStick.GetMagnitude(), 1.f);
    EXPECT_EQ(controller.GetRightJoystick().GetRawPosition().y, -1.f);
    EXPECT_NEAR(controller.GetRightJoystick().GetOrientationDegrees(), -90.f, 1e-3f);
}

TEST(XboxController, DisconnectReleasesButtonsWithoutEdgesAndZeroesTriggersButSticksHold)
{
    XboxController controller(2);
    ControllerSlotState state = MakeConnectedState();
    state.m_buttonBits = 0x1000;
    state.m_leftTrigger = 200;
    state.m_leftThumbY = 32767;
    controller.ApplySlotState(state);
    controller.ApplySlotState(ControllerSlotState());
    EXPECT_FALSE(controller.IsConnected());
    EXPECT_FALSE(controller.GetButtonState(XBOX_BUTTON_A).IsPressed());
    EXPECT_FALSE(controller.GetButtonState(XBOX_BUTTON_A).WasJustReleased());
    EXPECT_EQ(controller.GetLeftTrigger(), 0.f);
    EXPECT_EQ(controller.GetLeftJoystick().GetMagnitude(), 1.f);
}

TEST(ControllerBackend, ConvertsSDLUnitsToXInputUnitsAtTheEdges)
{
    std::pair<int, int> const TRIGGERS[] = {{-5, 0},      {0, 0},       {64, 0},     {65, 1},
                                            {16383, 127}, {32767, 255}, {40000, 255}};
    for (std::pair<int, int> const& trigger : TRIGGERS)
    {
        EXPECT_EQ(ConvertTriggerAxisToByte(trigger.first), trigger.second) << trigger.first;
    }
    // Every byte survives a driver's widening to SDL's 0..32767.
    for (int byteValue = 0; byteValue <= 255; ++byteValue)
    {
        int const widened = static_cast<int>(std::lround(byteValue * 32767.0 / 255.0));
        EXPECT_EQ(ConvertTriggerAxisToByte(widened), byteValue);
    }
    std::pair<int, int> const STICK_Y[] = {{0, 0}, {-32768, 32767}, {32767, -32767}, {-1, 1}, {100, -100}};
    for (std::pair<int, int> const& stickY : STICK_Y)
    {
        EXPECT_EQ(ConvertStickAxisYToUpPositive(stickY.first), stickY.second) << stickY.first;
    }
}

TEST_F(VirtualControllerTest, SDLNumbersAVirtualGamepadInItsOwnOrder)
{
    VirtualGamepad gamepad;
    ASSERT_TRUE(gamepad.IsAttached()) << SDL_GetError();
    SDL_GameController* const controller = SDL_GameControllerOpen(0);
    ASSERT_NE(controller, nullptr);
    // The buttons an XInput pad has end at the pad's right; later ones have no binding.
    for (int button = 0; button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++button)
    {
        SDL_GameControllerButtonBind const bind =
            SDL_GameControllerGetBindForButton(controller, static_cast<SDL_GameControllerButton>(button));
        EXPECT_EQ(bind.bindType, SDL_CONTROLLER_BINDTYPE_BUTTON);
        EXPECT_EQ(bind.value.button, button);
    }
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis)
    {
        SDL_GameControllerButtonBind const bind =
            SDL_GameControllerGetBindForAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
        EXPECT_EQ(bind.bindType, SDL_CONTROLLER_BINDTYPE_AXIS);
        EXPECT_EQ(bind.value.axis, axis);
    }
    SDL_GameControllerClose(controller);
}

TEST_F(VirtualControllerTest, APluggedControllerTakesTheFirstFreeSlot)
{
    std::vector<XboxController> controllers = {XboxController(0), XboxController(1), XboxController(2),
                                               XboxController(3)};
    UpdateAll(controllers);
    EXPECT_FALSE(controllers[0].IsConnected());

    VirtualGamepad first;
    VirtualGamepad second;
    second.SetButton(SDL_CONTROLLER_BUTTON_X, true);
    UpdateAll(controllers);
    EXPECT_TRUE(controllers[0].IsConnected());
    EXPECT_TRUE(controllers[1].IsConnected());
    EXPECT_FALSE(controllers[2].IsConnected());
    EXPECT_TRUE(controllers[1].GetButtonState(XBOX_BUTTON_X).IsPressed());

    first.Unplug();
    UpdateAll(controllers);
    EXPECT_FALSE(controllers[0].IsConnected());
    EXPECT_TRUE(controllers[1].IsConnected());

    VirtualGamepad third;
    third.SetButton(SDL_CONTROLLER_BUTTON_B, true);
    UpdateAll(controllers);
    EXPECT_TRUE(controllers[0].IsConnected());
    EXPECT_TRUE(controllers[0].GetButtonState(XBOX_BUTTON_B).IsPressed());
    EXPECT_TRUE(controllers[1].GetButtonState(XBOX_BUTTON_X).IsPressed());
}

TEST_F(VirtualControllerTest, ButtonsTriggersAndSticksArriveWithXInputsSenses)
{
    VirtualGamepad gamepad;
    XboxController controller(0);
    controller.Update();
    ASSERT_TRUE(controller.IsConnected());
    gamepad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, VIRTUAL_TRIGGER_RELEASED);
    gamepad.SetAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    gamepad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, -32768);   // SDL: fully up
    gamepad.SetAxis(SDL_CONTROLLER_AXIS_RIGHTX, -32768);  // fully left
    gamepad.SetAxis(SDL_CONTROLLER_AXIS_RIGHTY, 6000);    // a little down: inside the dead zone
    gamepad.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    gamepad.SetButton(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    controller.Update();
    EXPECT_TRUE(controller.GetButtonState(XBOX_BUTTON_A).WasJustPressed());
    EXPECT_TRUE(controller.GetButtonState(XBOX_BUTTON_DPAD_LEFT).WasJustPressed());
    EXPECT_FALSE(controller.GetButtonState(XBOX_BUTTON_DPAD_RIGHT).IsPressed());
    EXPECT_EQ(controller.GetLeftTrigger(), 0.f);
    EXPECT_NEAR(controller.GetRightTrigger(), 1.f, 1e-6f);
    EXPECT_EQ(controller.GetLeftJoystick().GetRawPosition().y, 1.f);
    EXPECT_NEAR(controller.GetLeftJoystick().GetOrientationDegrees(), 90.f, 1e-3f);
    EXPECT_EQ(controller.GetLeftJoystick().GetMagnitude(), 1.f);
    EXPECT_EQ(controller.GetRightJoystick().GetRawPosition().x, -1.f);
    EXPECT_LT(controller.GetRightJoystick().GetRawPosition().y, 0.f);
    EXPECT_EQ(controller.GetRightJoystick().GetMagnitude(), 1.f);

    controller.Update();
    EXPECT_FALSE(controller.GetButtonState(XBOX_BUTTON_A).WasJustPressed());
    EXPECT_TRUE(controller.GetButtonState(XBOX_BUTTON_A).IsPressed());

    gamepad.Unplug();
    controller.Update();
    EXPECT_FALSE(controller.IsConnected());
    EXPECT_FALSE(controller.GetButtonState(XBOX_BUTTON_A).IsPressed());
    EXPECT_EQ(controller.GetRightTrigger(), 0.f);
    EXPECT_EQ(controller.GetLeftJoystick().GetMagnitude(), 1.f);
}

TEST_F(VirtualControllerTest, VibrationDrivesBothMotorsHeldToTheirRange)
{
    VirtualGamepad gamepad;
    XboxController controller(0);
    controller.Update();
    ASSERT_TRUE(controller.IsConnected());
    std::pair<float, Uint16> const CASES[] = {{0.5f, 32767}, {2.f, 65535},
                                              {-1.f, 0},     {0.25f, 16383},
                                              {1.f, 65535},  {std::numeric_limits<float>::quiet_NaN(), 0}};
    for (std::pair<float, Uint16> const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.first);
        gamepad.m_rumbles.clear();
        controller.SetVibration(testCase.first);
        ASSERT_EQ(gamepad.m_rumbles.size(), 1u);
        EXPECT_EQ(gamepad.m_rumbles[0], std::make_pair(testCase.second, testCase.second));
    }
    XboxController(3).SetVibration(1.f);  // an empty slot: nothing to drive, nothing to fail
}
