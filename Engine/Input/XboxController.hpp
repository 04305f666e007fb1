#pragma once
// One controller slot in XInput's manner: connection, fourteen buttons with edges,
// two triggers in 0..1 and two sticks with radial dead zones. Polled once per
// frame by the input system, at the start of the frame.

#include "Engine/Input/AnalogJoystick.hpp"
#include "Engine/Input/KeyButtonState.hpp"

struct ControllerSlotState;

// The order is this engine's own and is what callers index with.
enum XboxButtonID : int
{
    XBOX_BUTTON_A = 0,
    XBOX_BUTTON_B,
    XBOX_BUTTON_X,
    XBOX_BUTTON_Y,
    XBOX_BUTTON_BACK,
    XBOX_BUTTON_START,
    XBOX_BUTTON_LEFT_SHOULDER,
    XBOX_BUTTON_RIGHT_SHOULDER,
    XBOX_BUTTON_LEFT_THUMB,
    XBOX_BUTTON_RIGHT_THUMB,
    XBOX_BUTTON_DPAD_RIGHT,
    XBOX_BUTTON_DPAD_UP,
    XBOX_BUTTON_DPAD_LEFT,
    XBOX_BUTTON_DPAD_DOWN,
    NUM_XBOX_BUTTONS
};

constexpr float XBOX_STICK_INNER_DEAD_ZONE_FRACTION = 0.3f;
constexpr float XBOX_STICK_OUTER_DEAD_ZONE_FRACTION = 0.9f;
constexpr float XBOX_TRIGGER_SCALE = 0.003921569f;  // 1/255: a trigger byte onto 0..1

class XboxController
{
public:
    explicit XboxController(int controllerID);

    void Update();  // reads the slot as the input system's last list refresh left it
    // A slot's state as read from the platform, in XInput's units; Update's second half.
    void ApplySlotState(ControllerSlotState const& slotState);
    // Buttons read released with no edge and triggers 0; the sticks keep their values.
    void Reset();

    bool IsConnected() const { return m_isConnected; }
    int GetControllerID() const { return m_controllerID; }
    KeyButtonState const& GetButtonState(XboxButtonID buttonID) const;
    AnalogJoystick const& GetLeftJoystick() const { return m_leftJoystick; }
    AnalogJoystick const& GetRightJoystick() const { return m_rightJoystick; }
    float GetLeftTrigger() const { return m_leftTriggerValue; }
    float GetRightTrigger() const { return m_rightTriggerValue; }

    // Both motors at fraction x 65535 until changed; the fraction is held to 0..1.
    void SetVibration(float fraction);

public:
    int m_controllerID = -1;
    bool m_isConnected = false;
    KeyButtonState m_buttonStates[NUM_XBOX_BUTTONS];
    AnalogJoystick m_leftJoystick =
        AnalogJoystick(XBOX_STICK_INNER_DEAD_ZONE_FRACTION, XBOX_STICK_OUTER_DEAD_ZONE_FRACTION);
    AnalogJoystick m_rightJoystick =
        AnalogJoystick(XBOX_STICK_INNER_DEAD_ZONE_FRACTION, XBOX_STICK_OUTER_DEAD_ZONE_FRACTION);
    float m_leftTriggerValue = 0.f;
    float m_rightTriggerValue = 0.f;
};
