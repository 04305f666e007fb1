#pragma once
// One key's or button's state as the frame sees it, with its edges.

struct KeyButtonState
{
    bool m_isPressed = false;            // held during the current frame
    bool m_wasPressedLastFrame = false;  // m_isPressed of the previous frame

    // Once per frame, so that the edges below span exactly one frame.
    void UpdateStatus(bool isNowPressed)
    {
        m_wasPressedLastFrame = m_isPressed;
        m_isPressed = isNowPressed;
    }
    void Reset()
    {
        m_isPressed = false;
        m_wasPressedLastFrame = false;
    }

    bool IsPressed() const { return m_isPressed; }
    bool WasJustPressed() const { return m_isPressed && !m_wasPressedLastFrame; }   // up, then down
    bool WasJustReleased() const { return !m_isPressed && m_wasPressedLastFrame; }  // down, then up
};
