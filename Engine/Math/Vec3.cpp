#include "Engine/Math/Vec3.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/NumberParsing.hpp"

#include <cmath>

namespace
{
constexpr float DIVISION_GUARD = 0.000001f;
}

Vec3::Vec3(char const* text)
{
    SetFromText(text);
}

float Vec3::GetLength() const
{
    return std::sqrt(x * x + y * y + z * z);
}

float Vec3::GetLengthXY() const
{
    return std::sqrt(x * x + y * y);
}

float Vec3::GetAngleAboutZDegrees() const
{
    return Atan2Degrees(y, x);
}

float Vec3::GetAngleAboutZRadians() const
{
    return std::atan2(y, x);
}

Vec3 Vec3::GetRotatedAboutZDegrees(float deltaDegrees) const
{
    Vec2 const xy = Vec2(x, y).GetRotatedDegrees(deltaDegrees);
    return Vec3(xy.x, xy.y, z);
}

Vec3 Vec3::GetRotatedAboutZRadians(float deltaRadians) const
{
    Vec2 const xy = Vec2(x, y).GetRotatedRadians(deltaRadians);
    return Vec3(xy.x, xy.y, z);
}

Vec3 Vec3::GetClamped(float maxLength) const
{
    float const length = GetLength();
    if (length > maxLength)
    {
        return *this * (maxLength / length);
    }
    return *this;
}

Vec3 Vec3::GetNormalized() const
{
    float const length = GetLength();
    if (length > 0.f)
    {
        return *this * (1.f / length);
    }
    return Vec3();
}

std::string Vec3::GetAsString() const
{
    return Stringf("(%.2f, %.2f, %.2f)", x, y, z);
}

void Vec3::SetFromText(char const* text)
{
    float* const components[] = {&x, &y, &z};
    ParseComponentsOrDie(text, components, "Vec3", REPORT_SITE("Vec3::SetFromText"));
}

Vec3 Vec3::operator/(float divisor) const
{
    if (IsNearlyEqual(divisor, 0.f, DIVISION_GUARD))
    {
        ERROR_AND_DIE("Vec3::operator /", "Division 0 problem!");
    }
    return *this * (1.f / divisor);
}

Vec3& Vec3::operator/=(float divisor)
{
    if (IsNearlyEqual(divisor, 0.f, DIVISION_GUARD))
    {
        ERROR_AND_DIE("Vec3::operator /=", "Division 0 problem!");
    }
    *this *= 1.f / divisor;
    return *this;
}
