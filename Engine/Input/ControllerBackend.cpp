#include "Engine/Input/ControllerBackend.hpp"

#include "Engine/Input/InputSystem.hpp"

#include <SDL.h>

namespace
{
struct ControllerSlot
{
    SDL_GameController* m_controller = nullptr;
    SDL_JoystickID m_instanceID = -1;
    unsigned short m_lowFrequencyMotorSpeed = 0;
    unsigned short m_highFrequencyMotorSpeed = 0;
};

enum class BackendStatus
{
    NOT_STARTED,
    RUNNING,
    UNAVAILABLE,
};

struct ButtonBit
{
    SDL_GameControllerButton button;
    unsigned short bit;
};

ButtonBit const BUTTON_BITS[] = {
    {SDL_CONTROLLER_BUTTON_A, XINPUT_BIT_A},
    {SDL_CONTROLLER_BUTTON_B, XINPUT_BIT_B},
    {SDL_CONTROLLER_BUTTON_X, XINPUT_BIT_X},
    {SDL_CONTROLLER_BUTTON_Y, XINPUT_BIT_Y},
    {SDL_CONTROLLER_BUTTON_BACK, XINPUT_BIT_BACK},
    {SDL_CONTROLLER_BUTTON_START, XINPUT_BIT_START},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, XINPUT_BIT_LEFT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, XINPUT_BIT_RIGHT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, XINPUT_BIT_LEFT_THUMB},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, XINPUT_BIT_RIGHT_THUMB},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, XINPUT_BIT_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, XINPUT_BIT_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, XINPUT_BIT_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, XINPUT_BIT_DPAD_RIGHT},
};

// SDL caps a rumble's length (at about a minute); each poll renews it, so that a
// vibration lasts until it is changed, as XInput's does.
constexpr Uint32 RUMBLE_DURATION_MS = 0xFFFFFFFFu;
constexpr int SDL_TRIGGER_AXIS_MAX = 32767;
constexpr int SDL_STICK_AXIS_MIN = -32768;
constexpr int SDL_STICK_AXIS_MAX = 32767;

ControllerSlot g_slots[NUM_XBOX_CONTROLLERS];
BackendStatus g_status = BackendStatus::NOT_STARTED;

// The slot's record while the backend runs and a controller holds the slot;
// null for any other index or state.
ControllerSlot* FindOccupiedSlot(int slotIndex)
{
    bool const isValidSlot = slotIndex >= 0 && slotIndex < NUM_XBOX_CONTROLLERS;
    if (!isValidSlot || g_status != BackendStatus::RUNNING || g_slots[slotIndex].m_controller == nullptr)
    {
        return nullptr;
    }
    return &g_slots[slotIndex];
}

// Started on the first poll, so that programs and tests that never poll never
// start SDL's controller support. A failed start is not retried every frame.
bool StartBackendIfNeeded()
{
    if (g_status == BackendStatus::NOT_STARTED)
    {
        if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0)
        {
            // Controllers are polled, never read from events; this keeps a program
            // that does not pump from piling them up in SDL's queue.
            SDL_GameControllerEventState(SDL_IGNORE);
            SDL_JoystickEventState(SDL_IGNORE);
            g_status = BackendStatus::RUNNING;
        }
        else
        {
            g_status = BackendStatus::UNAVAILABLE;
        }
    }
    return g_status == BackendStatus::RUNNING;
}

void CloseSlot(ControllerSlot& slot)
{
    if (slot.m_controller != nullptr)
    {
        SDL_GameControllerClose(slot.m_controller);
    }
    slot = ControllerSlot();
}

bool IsInstanceInASlot(SDL_JoystickID instanceID)
{
    for (ControllerSlot const& slot : g_slots)
    {
        if (slot.m_controller != nullptr && slot.m_instanceID == instanceID)
        {
            return true;
        }
    }
    return false;
}

ControllerSlot* FindFreeSlot()
{
    for (ControllerSlot& slot : g_slots)
    {
        if (slot.m_controller == nullptr)
        {
            return &slot;
        }
    }
    return nullptr;
}

// Detached controllers leave first, so that a controller plugged in during the
// same frame can take the freed slot.
void RefreshSlots()
{
    SDL_GameControllerUpdate();
    for (ControllerSlot& slot : g_slots)
    {
        if (slot.m_controller != nullptr && !SDL_GameControllerGetAttached(slot.m_controller))
        {
            CloseSlot(slot);
        }
    }
    int const numDevices = SDL_NumJoysticks();
    for (int deviceIndex = 0; deviceIndex < numDevices; ++deviceIndex)
    {
        if (!SDL_IsGameController(deviceIndex) ||
            IsInstanceInASlot(SDL_JoystickGetDeviceInstanceID(deviceIndex)))
        {
            continue;
        }
        ControllerSlot* const freeSlot = FindFreeSlot();
        if (freeSlot == nullptr)
        {
            return;
        }
        SDL_GameController* const controller = SDL_GameControllerOpen(deviceIndex);
        if (controller != nullptr)
        {
            freeSlot->m_controller = controller;
            freeSlot->m_instanceID = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
        }
    }
}

ControllerSlotState ReadSlot(ControllerSlot const& slot)
{
    SDL_GameController* const controller = slot.m_controller;
    ControllerSlotState state;
    state.m_isConnected = true;
    for (ButtonBit const& buttonBit : BUTTON_BITS)
    {
        if (SDL_GameControllerGetButton(controller, buttonBit.button) != 0)
        {
            state.m_buttonBits = static_cast<unsigned short>(state.m_buttonBits | buttonBit.bit);
        }
    }
    state.m_leftTrigger =
        ConvertTriggerAxisToByte(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    state.m_rightTrigger =
        ConvertTriggerAxisToByte(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    state.m_leftThumbX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    state.m_leftThumbY =
        ConvertStickAxisYToUpPositive(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY));
    state.m_rightThumbX = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTX);
    state.m_rightThumbY =
        ConvertStickAxisYToUpPositive(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_RIGHTY));
    return state;
}
}  // namespace

unsigned char ConvertTriggerAxisToByte(int sdlTriggerAxis)
{
    if (sdlTriggerAxis <= 0)
    {
        return 0;
    }
    if (sdlTriggerAxis >= SDL_TRIGGER_AXIS_MAX)
    {
        return 255;
    }
    // Rounded, so that every byte a driver reports survives SDL's widening to 15 bits.
    return static_cast<unsigned char>((sdlTriggerAxis * 255 + SDL_TRIGGER_AXIS_MAX / 2) /
                                      SDL_TRIGGER_AXIS_MAX);
}

short ConvertStickAxisYToUpPositive(int sdlStickAxisY)
{
    // -32768 has no positive twin in 16 bits: fully down in SDL is fully up here.
    int const upPositiveY = -sdlStickAxisY;
    if (upPositiveY > SDL_STICK_AXIS_MAX)
    {
        return static_cast<short>(SDL_STICK_AXIS_MAX);
    }
    if (upPositiveY < SDL_STICK_AXIS_MIN)
    {
        return static_cast<short>(SDL_STICK_AXIS_MIN);
    }
    return static_cast<short>(upPositiveY);
}

void RefreshControllerSlots()
{
    if (StartBackendIfNeeded())
    {
        RefreshSlots();
    }
}

ControllerSlotState PollControllerSlot(int slotIndex)
{
    ControllerSlot const* const slot = FindOccupiedSlot(slotIndex);
    if (slot == nullptr)
    {
        return ControllerSlotState();
    }
    if (slot->m_lowFrequencyMotorSpeed != 0 || slot->m_highFrequencyMotorSpeed != 0)
    {
        SDL_GameControllerRumble(slot->m_controller, slot->m_lowFrequencyMotorSpeed,
                                 slot->m_highFrequencyMotorSpeed, RUMBLE_DURATION_MS);
    }
    return ReadSlot(*slot);
}

void SetControllerSlotVibration(int slotIndex, unsigned short lowFrequencyMotorSpeed,
                                unsigned short highFrequencyMotorSpeed)
{
    ControllerSlot* const slot = FindOccupiedSlot(slotIndex);
    if (slot == nullptr)
    {
        return;
    }
    slot->m_lowFrequencyMotorSpeed = lowFrequencyMotorSpeed;
    slot->m_highFrequencyMotorSpeed = highFrequencyMotorSpeed;
    SDL_GameControllerRumble(slot->m_controller, lowFrequencyMotorSpeed, highFrequencyMotorSpeed,
                             RUMBLE_DURATION_MS);
}

void ShutdownControllerBackend()
{
    if (g_status == BackendStatus::RUNNING)
    {
        for (ControllerSlot& slot : g_slots)
        {
            CloseSlot(slot);
        }
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    g_status = BackendStatus::NOT_STARTED;
}
