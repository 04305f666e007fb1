#include "Engine/Math/Vec2.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/NumberParsing.hpp"

#include <cmath>

namespace
{
constexpr float DIVISION_GUARD = 0.000001f;
}

Vec2::Vec2(IntVec2 const& intVec) : x(static_cast<float>(intVec.x)), y(static_cast<float>(intVec.y)) {}

Vec2::Vec2(char const* text)
{
    SetFromText(text);
}

Vec2 Vec2::MakeFromPolarDegrees(float orientationDegrees, float length)
{
    return Vec2(CosDegrees(orientationDegrees) * length, SinDegrees(orientationDegrees) * length);
}

Vec2 Vec2::MakeFromPolarRadians(float orientationRadians, float length)
{
    return Vec2(std::cos(orientationRadians) * length, std::sin(orientationRadians) * length);
}

float Vec2::GetLength() const
{
    return std::sqrt(x * x + y * y);
}

float Vec2::GetAngleDegrees() const
{
    return Atan2Degrees(y, x);
}

float Vec2::GetAngleRadians() const
{
    return std::atan2(y, x);
}

Vec2 Vec2::GetRotatedDegrees(float deltaDegrees) const
{
    return MakeFromPolarDegrees(GetAngleDegrees() + deltaDegrees, GetLength());
}

Vec2 Vec2::GetRotatedRadians(float deltaRadians) const
{
    return MakeFromPolarRadians(GetAngleRadians() + deltaRadians, GetLength());
}

Vec2 Vec2::GetClamped(float maxLength) const
{
    float const length = GetLength();
    float const clampedLength = length < maxLength ? length : maxLength;
    return MakeFromPolarRadians(GetAngleRadians(), clampedLength);
}

Vec2 Vec2::GetNormalized() const
{
    float const length = GetLength();
    if (length > 0.f)
    {
        float const inverseLength = 1.f / length;
        return Vec2(x * inverseLength, y * inverseLength);
    }
    return Vec2();
}

Vec2 Vec2::GetReflected(Vec2 const& normal) const
{
    Vec2 const alongNormal = GetProjectedOnto2D(*this, normal);
    return (*this - alongNormal) + (-alongNormal);
}

void Vec2::ClampLength(float maxLength)
{
    *this = GetClamped(maxLength);
}

void Vec2::Normalize()
{
    *this = GetNormalized();
}

float Vec2::NormalizeAndGetPreviousLength()
{
    float const previousLength = GetLength();
    Normalize();
    return previousLength;
}

void Vec2::Reflect(Vec2 const& normal)
{
    *this = GetReflected(normal);
}

void Vec2::Rotate90Degrees()
{
    RotateDegrees(90.f);
}

void Vec2::RotateMinus90Degrees()
{
    RotateDegrees(-90.f);
}

void Vec2::RotateDegrees(float deltaDegrees)
{
    *this = GetRotatedDegrees(deltaDegrees);
}

void Vec2::RotateRadians(float deltaRadians)
{
    *this = GetRotatedRadians(deltaRadians);
}

void Vec2::SetAngleDegrees(float orientationDegrees)
{
    *this = MakeFromPolarDegrees(orientationDegrees, GetLength());
}

void Vec2::SetAngleRadians(float orientationRadians)
{
    *this = MakeFromPolarRadians(orientationRadians, GetLength());
}

void Vec2::SetPolarDegrees(float orientationDegrees, float length)
{
    *this = MakeFromPolarDegrees(orientationDegrees, length);
}

void Vec2::SetPolarRadians(float orientationRadians, float length)
{
    *this = MakeFromPolarRadians(orientationRadians, length);
}

void Vec2::SetLength(float newLength)
{
    float const length = GetLength();
    if (length == 0.f)
    {
        return;
    }
    float const scale = newLength / length;
    x *= scale;
    y *= scale;
}

std::string Vec2::GetAsString() const
{
    return Stringf("(%.2f, %.2f)", x, y);
}

void Vec2::SetFromText(char const* text)
{
    float* const components[] = {&x, &y};
    ParseComponentsOrDie(text, components, "Vec2", REPORT_SITE("Vec2::SetFromText"));
}

Vec2 Vec2::operator/(float divisor) const
{
    if (IsNearlyEqual(divisor, 0.f, DIVISION_GUARD))
    {
        ERROR_AND_DIE("Vec2::operator /", "Division 0 problem!");
    }
    return Vec2(x / divisor, y / divisor);
}

Vec2& Vec2::operator/=(float divisor)
{
    if (IsNearlyEqual(divisor, 0.f, DIVISION_GUARD))
    {
        ERROR_AND_DIE("Vec2::operator /=", "Division 0 problem!");
    }
    x /= divisor;
    y /= divisor;
    return *this;
}
