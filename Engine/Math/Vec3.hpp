#pragma once
// A 3-D vector of floats; the game keeps z at 0 and uses it for vertex positions.

#include "Engine/Math/Vec2.hpp"

#include <string>

struct Vec3
{
    float x = 0.f;
    float y = 0.f;
    float z = 0.f;

    constexpr Vec3() = default;
    constexpr Vec3(float initialX, float initialY, float initialZ = 0.f)
        : x(initialX), y(initialY), z(initialZ)
    {
    }
    constexpr Vec3(Vec2 const& xy) : x(xy.x), y(xy.y), z(0.f) {}  // z = 0
    explicit Vec3(char const* text);  // (0,0,0), then SetFromText; bad text is fatal

    float GetLength() const;
    constexpr float GetLengthSquared() const { return x * x + y * y + z * z; }
    float GetLengthXY() const;  // ignores z
    constexpr float GetLengthXYSquared() const { return x * x + y * y; }
    float GetAngleAboutZDegrees() const;  // angle of (x, y)
    float GetAngleAboutZRadians() const;
    Vec3 GetRotatedAboutZDegrees(float deltaDegrees) const;  // (x, y) through polar form, z kept
    Vec3 GetRotatedAboutZRadians(float deltaRadians) const;
    Vec3 GetClamped(float maxLength) const;  // unchanged unless longer than maxLength
    Vec3 GetNormalized() const;              // (0,0,0) stays (0,0,0)

    std::string GetAsString() const;     // "(%.2f, %.2f, %.2f)"
    void SetFromText(char const* text);  // "x,y,z"; a wrong piece count or a piece without a number is fatal

    constexpr bool operator==(Vec3 const& other) const
    {
        return x == other.x && y == other.y && z == other.z;
    }
    constexpr bool operator!=(Vec3 const& other) const { return !(*this == other); }
    constexpr Vec3 operator+(Vec3 const& other) const { return Vec3(x + other.x, y + other.y, z + other.z); }
    constexpr Vec3 operator-(Vec3 const& other) const { return Vec3(x - other.x, y - other.y, z - other.z); }
    constexpr Vec3 operator-() const { return Vec3(-x, -y, -z); }
    constexpr Vec3 operator*(float scale) const { return Vec3(x * scale, y * scale, z * scale); }
    constexpr Vec3 operator*(Vec3 const& other) const { return Vec3(x * other.x, y * other.y, z * other.z); }
    Vec3 operator/(float divisor) const;  // multiplies by 1/divisor; |divisor| below 0.000001 is fatal

    Vec3& operator+=(Vec3 const& other)
    {
        x += other.x;
        y += other.y;
        z += other.z;
        return *this;
    }
    Vec3& operator-=(Vec3 const& other)
    {
        x -= other.x;
        y -= other.y;
        z -= other.z;
        return *this;
    }
    Vec3& operator*=(float scale)
    {
        x *= scale;
        y *= scale;
        z *= scale;
        return *this;
    }
    Vec3& operator/=(float divisor);  // as operator /
};

constexpr Vec3 operator*(float scale, Vec3 const& vec)
{
    return Vec3(scale * vec.x, scale * vec.y, scale * vec.z);
}
