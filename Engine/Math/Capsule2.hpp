#pragma once
// A capsule: the points within radius of the bone from start to end.

#include "Engine/Math/Vec2.hpp"

struct Capsule2
{
    Vec2 start;
    Vec2 end;
    float radius = 0.f;

    constexpr Capsule2() = default;
    constexpr Capsule2(Vec2 const& boneStart, Vec2 const& boneEnd, float capsuleRadius)
        : start(boneStart), end(boneEnd), radius(capsuleRadius)
    {
    }
};
