#include "Engine/Renderer/Camera.hpp"

void Camera::SetOrthoView(Vec2 const& bottomLeft, Vec2 const& topRight)
{
    m_orthoLeft = bottomLeft.x;
    m_orthoRight = topRight.x;
    m_orthoTop = topRight.y;
    m_orthoBottom = bottomLeft.y;
    m_orthoNear = 0.f;
    m_orthoFar = 1.f;
}

void Camera::Translate2D(Vec2 const& translation)
{
    m_orthoLeft += translation.x;
    m_orthoRight += translation.x;
    m_orthoTop += translation.y;
    m_orthoBottom += translation.y;
}

Vec2 Camera::ConvertNormalizedToWorld(Vec2 const& normalizedPosition) const
{
    return GetOrthoBounds().GetPointAtUV(normalizedPosition);
}

Vec2 Camera::ConvertWorldToNormalized(Vec2 const& worldPosition) const
{
    return GetOrthoBounds().GetUVForPoint(worldPosition);
}

AABB2 Camera::ConvertNormalizedBoxToWorld(AABB2 normalizedBox) const
{
    return AABB2(ConvertNormalizedToWorld(normalizedBox.mins), ConvertNormalizedToWorld(normalizedBox.maxs));
}

AABB2 Camera::ConvertWorldBoxToNormalized(AABB2 worldBox) const
{
    return AABB2(ConvertWorldToNormalized(worldBox.mins), ConvertWorldToNormalized(worldBox.maxs));
}
