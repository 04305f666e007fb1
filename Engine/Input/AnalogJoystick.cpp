#include "Engine/Input/AnalogJoystick.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/MathUtils.hpp"

AnalogJoystick::AnalogJoystick(float innerDeadZoneFraction, float outerDeadZoneFraction)
    : m_innerDeadZoneFraction(innerDeadZoneFraction), m_outerDeadZoneFraction(outerDeadZoneFraction)
{
    // Equal fractions would divide by zero in the remapping on every update.
    GUARANTEE_OR_DIE(innerDeadZoneFraction >= 0.f && innerDeadZoneFraction < outerDeadZoneFraction,
                     "AnalogJoystick::AnalogJoystick",
                     Stringf("The dead zone needs 0 <= inner < outer, not inner %g and outer %g.",
                             static_cast<double>(innerDeadZoneFraction),
                             static_cast<double>(outerDeadZoneFraction)));
}

void AnalogJoystick::UpdatePosition(float rawNormalizedX, float rawNormalizedY)
{
    m_rawPosition = Vec2(rawNormalizedX, rawNormalizedY);
    float const rawMagnitude = m_rawPosition.GetLength();
    m_correctedMagnitude =
        Clamp(RangeMap(m_innerDeadZoneFraction, m_outerDeadZoneFraction, 0.f, 1.f, rawMagnitude), 0.f, 1.f);
    if (m_correctedMagnitude > 0.f)
    {
        m_correctedDegrees = m_rawPosition.GetAngleDegrees();
    }
    m_correctedPosition = Vec2::MakeFromPolarDegrees(m_correctedDegrees, m_correctedMagnitude);
}

void AnalogJoystick::Reset()
{
    UpdatePosition(0.f, 0.f);
}
