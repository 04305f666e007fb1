#pragma once
// Keys, controllers and the mouse as the frame sees them. The window layer feeds
// raw key events in between frames; EndFrame turns them into per-frame states, so
// that every reader in one frame sees the same edges.

#include "Engine/Input/KeyButtonState.hpp"
#include "Engine/Input/XboxController.hpp"
#include "Engine/Math/Vec2.hpp"

constexpr int NUM_KEYCODES = 256;
constexpr int NUM_XBOX_CONTROLLERS = 4;

class InputSystem
{
public:
    InputSystem();

    void Startup();
    void BeginFrame();  // refreshes the controller list, polls controllers 0 to 3, samples the mouse
    void EndFrame();    // raw key states become this frame's states, codes in ascending order
    void Shutdown();

    // From the window layer. A press and release between two EndFrames leave no trace.
    bool HandleKeyPressed(unsigned char keyCode);
    bool HandleKeyReleased(unsigned char keyCode);
    // The window lost focus: the key-ups of keys let go elsewhere will never come.
    void ReleaseAllKeys();

    bool IsKeyDown(unsigned char keyCode) const { return m_rawKeyDown[keyCode]; }  // raw, not per frame
    KeyButtonState const& GetKeyState(unsigned char keyCode) const { return m_keyStates[keyCode]; }
    bool WasKeyJustPressed(unsigned char keyCode) const { return m_keyStates[keyCode].WasJustPressed(); }
    bool WasKeyJustReleased(unsigned char keyCode) const { return m_keyStates[keyCode].WasJustReleased(); }

    XboxController const& GetController(int controllerID) const;
    // Client area normalized: (0, 0) bottom-left, (1, 1) top-right, beyond when the
    // cursor is outside; (0, 0) when there is no window.
    Vec2 GetMouseNormalizedClientPosition() const { return m_mouseNormalizedClientPos; }

    void UpdateKeyState(unsigned char keyCode, bool isNowPressed);
    void UpdateMouse();

public:
    XboxController m_controllers[NUM_XBOX_CONTROLLERS] = {XboxController(0), XboxController(1),
                                                          XboxController(2), XboxController(3)};
    KeyButtonState m_keyStates[NUM_KEYCODES];
    bool m_rawKeyDown[NUM_KEYCODES] = {};
    Vec2 m_mouseNormalizedClientPos;
};

// Set by the App for the span in which it owns the input system; null otherwise.
extern InputSystem* g_theInput;
