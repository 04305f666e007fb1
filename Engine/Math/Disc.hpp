#pragma once
// A filled circle.

#include "Engine/Math/Vec2.hpp"

struct Disc
{
    Vec2 center;
    float radius = 0.f;

    constexpr Disc() = default;
    constexpr Disc(Vec2 const& discCenter, float discRadius) : center(discCenter), radius(discRadius) {}

    Vec2 GetNearestPoint(Vec2 const& point) const;
    bool IsPointInside(Vec2 const& point) const;  // the outline counts as inside
};
