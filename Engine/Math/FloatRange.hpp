#pragma once
// A closed interval [min, max] of floats.

#include <string>

class RandomNumberGenerator;

struct FloatRange
{
    float min = 0.f;
    float max = 0.f;

    constexpr FloatRange() = default;
    constexpr explicit FloatRange(float minAndMax) : min(minAndMax), max(minAndMax) {}
    constexpr FloatRange(float minInclusive, float maxInclusive) : min(minInclusive), max(maxInclusive) {}
    explicit FloatRange(char const* text);  // (0,0), then SetFromText

    bool IsValueInside(float value) const;                   // the ends count as inside
    bool DoesOverlap(FloatRange const& otherRange) const;    // touching ends overlap
    float GetRandomValue(RandomNumberGenerator& rng) const;  // one draw; min > max is fatal

    std::string GetAsString() const;  // "%.2f" when the ends are nearly equal, else "%.2f~%.2f"
    // "value" sets both ends, "min~max" sets each. Any other piece count, or a
    // piece without a number, leaves the range unchanged and returns false.
    bool SetFromText(char const* text);

    constexpr bool operator==(FloatRange const& other) const { return min == other.min && max == other.max; }
    constexpr bool operator!=(FloatRange const& other) const { return !(*this == other); }
};
