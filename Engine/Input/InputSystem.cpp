#include "Engine/Input/InputSystem.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/ControllerBackend.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Platform/Window.hpp"

InputSystem* g_theInput = nullptr;

InputSystem::InputSystem() {}

void InputSystem::Startup() {}

void InputSystem::BeginFrame()
{
    // Once for all four slots: the list can change between two slot reads, and
    // asking for it is not free.
    RefreshControllerSlots();
    for (XboxController& controller : m_controllers)
    {
        controller.Update();
    }
    UpdateMouse();
}

void InputSystem::EndFrame()
{
    for (int keyCode = 0; keyCode < NUM_KEYCODES; ++keyCode)
    {
        UpdateKeyState(static_cast<unsigned char>(keyCode), m_rawKeyDown[keyCode]);
    }
}

void InputSystem::Shutdown()
{
    ShutdownControllerBackend();
}

bool InputSystem::HandleKeyPressed(unsigned char keyCode)
{
    m_rawKeyDown[keyCode] = true;
    return true;
}

bool InputSystem::HandleKeyReleased(unsigned char keyCode)
{
    m_rawKeyDown[keyCode] = false;
    return true;
}

void InputSystem::ReleaseAllKeys()
{
    for (bool& isRawKeyDown : m_rawKeyDown)
    {
        isRawKeyDown = false;
    }
}

XboxController const& InputSystem::GetController(int controllerID) const
{
    GUARANTEE_OR_DIE(controllerID >= 0 && controllerID < NUM_XBOX_CONTROLLERS, "InputSystem::GetController",
                     Stringf("There is no controller %d; controller IDs run from 0 to %d.", controllerID,
                             NUM_XBOX_CONTROLLERS - 1));
    return m_controllers[controllerID];
}

void InputSystem::UpdateKeyState(unsigned char keyCode, bool isNowPressed)
{
    m_keyStates[keyCode].UpdateStatus(isNowPressed);
}

void InputSystem::UpdateMouse()
{
    Vec2 mouseClientPos;
    Vec2 clientSize;
    if (!GetMouseClientPosition(mouseClientPos, clientSize))
    {
        // Without a client area the normalization would divide by zero.
        m_mouseNormalizedClientPos = Vec2(0.f, 0.f);
        return;
    }
    // Client pixels run y down from the top-left corner; the result runs y up.
    AABB2 const clientBounds(Vec2(0.f, 0.f), clientSize);
    Vec2 const normalizedYDown = clientBounds.GetUVForPoint(mouseClientPos);
    m_mouseNormalizedClientPos = Vec2(normalizedYDown.x, 1.f - normalizedYDown.y);
}
