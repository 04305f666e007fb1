#include "Engine/Math/IntVec2.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/NumberParsing.hpp"

#include <cmath>
#include <cstdint>

namespace
{
// Signed overflow is undefined; unsigned arithmetic wraps, and converting the
// result back gives the two's complement answer.
int WrappingAdd(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

int WrappingSubtract(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

int WrappingMultiply(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

int WrappingNegate(int a)
{
    return static_cast<int>(0u - static_cast<std::uint32_t>(a));
}

int WrappingAbsolute(int a)
{
    return a < 0 ? WrappingNegate(a) : a;
}

int TruncatingDivide(int dividend, int divisor)
{
    // INT_MIN / -1 is the one quotient beyond the int range.
    if (divisor == -1)
    {
        return WrappingNegate(dividend);
    }
    return dividend / divisor;
}
}  // namespace

IntVec2::IntVec2(char const* text)
{
    SetFromText(text);
}

float IntVec2::GetLength() const
{
    std::int64_t const wideX = x;
    std::int64_t const wideY = y;
    return std::sqrt(static_cast<float>(wideX * wideX + wideY * wideY));
}

int IntVec2::GetLengthSquared() const
{
    return WrappingAdd(WrappingMultiply(x, x), WrappingMultiply(y, y));
}

int IntVec2::GetTaxicabLength() const
{
    return WrappingAdd(WrappingAbsolute(x), WrappingAbsolute(y));
}

float IntVec2::GetAngleDegrees() const
{
    return Atan2Degrees(static_cast<float>(y), static_cast<float>(x));
}

float IntVec2::GetAngleRadians() const
{
    return std::atan2(static_cast<float>(y), static_cast<float>(x));
}

IntVec2 IntVec2::GetRotated90Degrees() const
{
    return IntVec2(WrappingNegate(y), x);
}

IntVec2 IntVec2::GetRotatedMinus90Degrees() const
{
    return IntVec2(y, WrappingNegate(x));
}

void IntVec2::Rotate90Degrees()
{
    *this = GetRotated90Degrees();
}

void IntVec2::RotateMinus90Degrees()
{
    *this = GetRotatedMinus90Degrees();
}

std::string IntVec2::GetAsString() const
{
    return Stringf("(%d, %d)", x, y);
}

void IntVec2::SetFromText(char const* text)
{
    int* const components[] = {&x, &y};
    ParseComponentsOrDie(text, components, "IntVec2", REPORT_SITE("IntVec2::SetFromText"));
}

IntVec2 IntVec2::operator+(IntVec2 const& other) const
{
    return IntVec2(WrappingAdd(x, other.x), WrappingAdd(y, other.y));
}

IntVec2 IntVec2::operator-(IntVec2 const& other) const
{
    return IntVec2(WrappingSubtract(x, other.x), WrappingSubtract(y, other.y));
}

IntVec2 IntVec2::operator-() const
{
    return IntVec2(WrappingNegate(x), WrappingNegate(y));
}

IntVec2 IntVec2::operator*(int scale) const
{
    return IntVec2(WrappingMultiply(x, scale), WrappingMultiply(y, scale));
}

IntVec2 IntVec2::operator*(IntVec2 const& other) const
{
    return IntVec2(WrappingMultiply(x, other.x), WrappingMultiply(y, other.y));
}

IntVec2 IntVec2::operator/(int divisor) const
{
    if (divisor == 0)
    {
        ERROR_AND_DIE("IntVec2::operator /", "Division 0 problem!");
    }
    return IntVec2(TruncatingDivide(x, divisor), TruncatingDivide(y, divisor));
}

IntVec2& IntVec2::operator+=(IntVec2 const& other)
{
    *this = *this + other;
    return *this;
}

IntVec2& IntVec2::operator-=(IntVec2 const& other)
{
    *this = *this - other;
    return *this;
}

IntVec2& IntVec2::operator*=(int scale)
{
    *this = *this * scale;
    return *this;
}

IntVec2& IntVec2::operator/=(int divisor)
{
    if (divisor == 0)
    {
        ERROR_AND_DIE("IntVec2::operator /=", "Division 0 problem!");
    }
    x = TruncatingDivide(x, divisor);
    y = TruncatingDivide(y, divisor);
    return *this;
}

IntVec2 operator*(float scale, IntVec2 const& vec)
{
    return IntVec2(TruncateToInt(scale * static_cast<float>(vec.x)),
                   TruncateToInt(scale * static_cast<float>(vec.y)));
}
