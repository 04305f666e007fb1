#pragma once
// An orthographic view volume, a plain value owned by whoever draws through it.
// The render context turns it into the projection in BeginCamera.

#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/Vec2.hpp"

class Camera
{
public:
    // Near and far become 0 and 1.
    void SetOrthoView(Vec2 const& bottomLeft, Vec2 const& topRight);
    void Translate2D(Vec2 const& translation);  // near and far stay

    Vec2 GetOrthoBottomLeft() const { return Vec2(m_orthoLeft, m_orthoBottom); }
    Vec2 GetOrthoTopRight() const { return Vec2(m_orthoRight, m_orthoTop); }
    Vec2 GetOrthoDimensions() const { return Vec2(m_orthoRight - m_orthoLeft, m_orthoTop - m_orthoBottom); }
    AABB2 GetOrthoBounds() const { return AABB2(m_orthoLeft, m_orthoBottom, m_orthoRight, m_orthoTop); }

    // (0,0) is the bottom-left and (1,1) the top-right of the view. Not clamped:
    // points outside the view map outside [0,1]; a view of no width or height
    // gives non-finite normalized values.
    Vec2 ConvertNormalizedToWorld(Vec2 const& normalizedPosition) const;
    Vec2 ConvertWorldToNormalized(Vec2 const& worldPosition) const;
    AABB2 ConvertNormalizedBoxToWorld(AABB2 normalizedBox) const;
    AABB2 ConvertWorldBoxToNormalized(AABB2 worldBox) const;

public:
    // This order (left, right, top, bottom, near, far) is the layout others may
    // copy.
    float m_orthoLeft = 0.f;
    float m_orthoRight = 0.f;
    float m_orthoTop = 0.f;
    float m_orthoBottom = 0.f;
    float m_orthoNear = 0.f;
    float m_orthoFar = 0.f;
};
