#pragma once
// One analog stick with a radial dead zone: the distance from centre is remapped
// from (inner, outer) onto (0, 1) while the direction stays the raw one.

#include "Engine/Math/Vec2.hpp"

class AnalogJoystick
{
public:
    AnalogJoystick(float innerDeadZoneFraction, float outerDeadZoneFraction);

    // Each axis in about -1..1, +y up. Below the inner dead zone the magnitude is 0 and
    // the direction keeps its last value.
    void UpdatePosition(float rawNormalizedX, float rawNormalizedY);
    void Reset();

    Vec2 GetRawPosition() const { return m_rawPosition; }
    Vec2 GetPosition() const { return m_correctedPosition; }
    float GetOrientationDegrees() const { return m_correctedDegrees; }
    float GetMagnitude() const { return m_correctedMagnitude; }

public:
    float m_innerDeadZoneFraction = 0.f;
    float m_outerDeadZoneFraction = 1.f;
    Vec2 m_rawPosition;
    Vec2 m_correctedPosition;
    float m_correctedDegrees = 0.f;
    float m_correctedMagnitude = 0.f;
};
