#pragma once
// A 2-D vector of 32-bit integers (image dimensions, grid coordinates).
// Arithmetic that leaves the int range wraps around (two's complement) instead
// of being undefined.

#include <string>

struct IntVec2
{
    int x = 0;
    int y = 0;

    constexpr IntVec2() = default;
    constexpr IntVec2(int initialX, int initialY) : x(initialX), y(initialY) {}
    explicit IntVec2(char const* text);  // (0,0), then SetFromText; bad text is fatal

    float GetLength() const;       // exact sum of squares, then its float square root
    int GetLengthSquared() const;  // wraps beyond the int range
    int GetTaxicabLength() const;  // |x| + |y|, wrapping
    float GetAngleDegrees() const;
    float GetAngleRadians() const;
    IntVec2 GetRotated90Degrees() const;       // (-y, x), exact
    IntVec2 GetRotatedMinus90Degrees() const;  // (y, -x), exact
    void Rotate90Degrees();
    void RotateMinus90Degrees();

    std::string GetAsString() const;  // "(%d, %d)"
    // "x,y" in base 10; a wrong piece count, a piece without a number or a number
    // beyond the int range is fatal.
    void SetFromText(char const* text);

    constexpr bool operator==(IntVec2 const& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(IntVec2 const& other) const { return !(*this == other); }
    IntVec2 operator+(IntVec2 const& other) const;
    IntVec2 operator-(IntVec2 const& other) const;
    IntVec2 operator-() const;
    IntVec2 operator*(int scale) const;
    IntVec2 operator*(IntVec2 const& other) const;  // componentwise
    IntVec2 operator/(int divisor) const;           // truncates toward zero; a divisor of 0 is fatal
    IntVec2& operator+=(IntVec2 const& other);
    IntVec2& operator-=(IntVec2 const& other);
    IntVec2& operator*=(int scale);
    IntVec2& operator/=(int divisor);  // as operator /
};

// Each component is scale * float(component), truncated toward zero; results
// beyond the int range saturate, NaN gives 0.
IntVec2 operator*(float scale, IntVec2 const& vec);
