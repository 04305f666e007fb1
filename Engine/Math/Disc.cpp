#include "Engine/Math/Disc.hpp"

#include "Engine/Math/MathUtils.hpp"

Vec2 Disc::GetNearestPoint(Vec2 const& point) const
{
    return GetNearestPointOnDisc2D(point, center, radius);
}

bool Disc::IsPointInside(Vec2 const& point) const
{
    return radius >= GetDistance2D(center, point);
}
