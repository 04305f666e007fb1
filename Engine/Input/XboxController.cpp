#include "Engine/Input/XboxController.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/ControllerBackend.hpp"
#include "Engine/Math/MathUtils.hpp"

#include <cmath>

namespace
{
// XInput's wButtons bit for each button ID, in ID order.
unsigned short const BUTTON_ID_BITS[NUM_XBOX_BUTTONS] = {
    XINPUT_BIT_A,
    XINPUT_BIT_B,
    XINPUT_BIT_X,
    XINPUT_BIT_Y,
    XINPUT_BIT_BACK,
    XINPUT_BIT_START,
    XINPUT_BIT_LEFT_SHOULDER,
    XINPUT_BIT_RIGHT_SHOULDER,
    XINPUT_BIT_LEFT_THUMB,
    XINPUT_BIT_RIGHT_THUMB,
    XINPUT_BIT_DPAD_RIGHT,
    XINPUT_BIT_DPAD_UP,
    XINPUT_BIT_DPAD_LEFT,
    XINPUT_BIT_DPAD_DOWN,
};

constexpr float MOTOR_SPEED_MAX = 65535.f;

float NormalizeStickAxis(short axisValue)
{
    return RangeMap(-32768.f, 32767.f, -1.f, 1.f, static_cast<float>(axisValue));
}
}  // namespace

XboxController::XboxController(int controllerID) : m_controllerID(controllerID) {}

void XboxController::Update()
{
    ApplySlotState(PollControllerSlot(m_controllerID));
}

void XboxController::ApplySlotState(ControllerSlotState const& slotState)
{
    m_isConnected = slotState.m_isConnected;
    if (!m_isConnected)
    {
        Reset();
        return;
    }
    for (int buttonID = 0; buttonID < NUM_XBOX_BUTTONS; ++buttonID)
    {
        m_buttonStates[buttonID].UpdateStatus((slotState.m_buttonBits & BUTTON_ID_BITS[buttonID]) != 0);
    }
    m_leftTriggerValue = static_cast<float>(slotState.m_leftTrigger) * XBOX_TRIGGER_SCALE;
    m_rightTriggerValue = static_cast<float>(slotState.m_rightTrigger) * XBOX_TRIGGER_SCALE;
    m_leftJoystick.UpdatePosition(NormalizeStickAxis(slotState.m_leftThumbX),
                                  NormalizeStickAxis(slotState.m_leftThumbY));
    m_rightJoystick.UpdatePosition(NormalizeStickAxis(slotState.m_rightThumbX),
                                   NormalizeStickAxis(slotState.m_rightThumbY));
}

void XboxController::Reset()
{
    for (KeyButtonState& buttonState : m_buttonStates)
    {
        buttonState.Reset();
    }
    m_leftTriggerValue = 0.f;
    m_rightTriggerValue = 0.f;
}

KeyButtonState const& XboxController::GetButtonState(XboxButtonID buttonID) const
{
    GUARANTEE_OR_DIE(buttonID >= 0 && buttonID < NUM_XBOX_BUTTONS, "XboxController::GetButtonState",
                     Stringf("There is no button %d; button IDs run from 0 to %d.",
                             static_cast<int>(buttonID), NUM_XBOX_BUTTONS - 1));
    return m_buttonStates[buttonID];
}

void XboxController::SetVibration(float fraction)
{
    // Outside 0..1 (or NaN) the conversion to 16 bits would wrap or be undefined.
    float const heldFraction = std::isnan(fraction) ? 0.f : Clamp(fraction, 0.f, 1.f);
    unsigned short const motorSpeed = static_cast<unsigned short>(heldFraction * MOTOR_SPEED_MAX);
    SetControllerSlotVibration(m_controllerID, motorSpeed, motorSpeed);
}
