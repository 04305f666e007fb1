#pragma once
// A 2-D vector of floats: positions, offsets and directions in world units, y up.
// Angles are degrees counter-clockwise from +x unless a name says Radians.

#include <string>

struct IntVec2;

struct Vec2
{
    float x = 0.f;
    float y = 0.f;

    constexpr Vec2() = default;
    constexpr Vec2(float initialX, float initialY) : x(initialX), y(initialY) {}
    explicit Vec2(IntVec2 const& intVec);
    explicit Vec2(char const* text);  // (0,0), then SetFromText; bad text is fatal

    static Vec2 MakeFromPolarDegrees(float orientationDegrees, float length);
    static Vec2 MakeFromPolarRadians(float orientationRadians, float length);

    float GetLength() const;
    constexpr float GetLengthSquared() const { return x * x + y * y; }  // cheaper; prefer it for comparisons
    float GetAngleDegrees() const;                                      // in [-180, 180]; (0,0) gives 0
    float GetAngleRadians() const;
    constexpr Vec2 GetRotated90Degrees() const { return Vec2(-y, x); }  // exact, no trigonometry
    constexpr Vec2 GetRotatedMinus90Degrees() const { return Vec2(y, -x); }
    Vec2 GetRotatedDegrees(float deltaDegrees) const;  // through polar form
    Vec2 GetRotatedRadians(float deltaRadians) const;
    Vec2 GetClamped(float maxLength) const;  // through polar form, even when already short enough
    Vec2 GetNormalized() const;              // a copy; (0,0) stays (0,0)
    Vec2 GetReflected(Vec2 const& normal) const;

    void ClampLength(float maxLength);
    void Normalize();  // in place; (0,0) stays (0,0)
    float NormalizeAndGetPreviousLength();
    void Reflect(Vec2 const& normal);
    void Rotate90Degrees();  // polar form, unlike the exact GetRotated90Degrees
    void RotateMinus90Degrees();
    void RotateDegrees(float deltaDegrees);  // polar form: a zero vector stays zero
    void RotateRadians(float deltaRadians);
    void SetAngleDegrees(float orientationDegrees);  // keeps the length
    void SetAngleRadians(float orientationRadians);
    void SetPolarDegrees(float orientationDegrees, float length);
    void SetPolarRadians(float orientationRadians, float length);
    void SetLength(float newLength);  // a zero vector is left unchanged; negative reverses

    std::string GetAsString() const;     // "(%.2f, %.2f)"; not meant to be read back
    void SetFromText(char const* text);  // "x,y"; a wrong piece count or a piece without a number is fatal

    constexpr bool operator==(Vec2 const& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(Vec2 const& other) const { return !(*this == other); }
    constexpr Vec2 operator+(Vec2 const& other) const { return Vec2(x + other.x, y + other.y); }
    constexpr Vec2 operator-(Vec2 const& other) const { return Vec2(x - other.x, y - other.y); }
    constexpr Vec2 operator-() const { return Vec2(-x, -y); }
    constexpr Vec2 operator*(float scale) const { return Vec2(x * scale, y * scale); }
    constexpr Vec2 operator*(Vec2 const& other) const
    {
        return Vec2(x * other.x, y * other.y);
    }                                     // componentwise
    Vec2 operator/(float divisor) const;  // |divisor| below 0.000001 is fatal

    Vec2& operator+=(Vec2 const& other)
    {
        x += other.x;
        y += other.y;
        return *this;
    }
    Vec2& operator-=(Vec2 const& other)
    {
        x -= other.x;
        y -= other.y;
        return *this;
    }
    Vec2& operator*=(float scale)
    {
        x *= scale;
        y *= scale;
        return *this;
    }
    Vec2& operator/=(float divisor);  // |divisor| below 0.000001 is fatal
};

constexpr Vec2 operator*(float scale, Vec2 const& vec)
{
    return Vec2(scale * vec.x, scale * vec.y);
}
