#pragma once
// An oriented box: a center, half extents along its own i and j axes, and the
// unit i axis (j is i turned 90 degrees counter-clockwise).

#include "Engine/Math/Vec2.hpp"

struct AABB2;

struct OBB2
{
    Vec2 center;
    Vec2 halfDimensions;
    Vec2 iBasisNormal = Vec2(1.f, 0.f);

    constexpr OBB2() = default;
    OBB2(AABB2 const& box, float orientationDegrees);
    constexpr OBB2(Vec2 const& boxCenter, Vec2 const& fullDimensions, Vec2 const& iBasis)
        : center(boxCenter), halfDimensions(fullDimensions * 0.5f), iBasisNormal(iBasis)
    {
    }
    OBB2(Vec2 const& boxCenter, Vec2 const& fullDimensions, float orientationDegrees);

    // Makes both half dimensions non-negative and the i axis unit length; an i
    // axis shorter than 0.000001 becomes (1, 0).
    void Validate();

    Vec2 GetIBasisNormal() const;  // iBasisNormal normalised
    Vec2 GetJBasisNormal() const;
    float GetOrientationDegrees() const;
    // [0] center - i - j, [1] center - i + j, [2] center + i - j, [3] center + i + j.
    void GetCornerPoints(Vec2 (&out_corners)[4]) const;
    float GetInnerRadius() const;  // the smaller half dimension
    float GetOuterRadius() const;  // half width + half height
    Vec2 GetNearestPoint(Vec2 const& point) const;
    Vec2 GetPointAtUV(Vec2 const& uv) const;      // (0,0) is corner [0], (1,1) corner [3]
    Vec2 GetUVForPoint(Vec2 const& point) const;  // lengths from corner [0], so never negative
    bool IsPointInside(Vec2 const& point) const;  // strictly inside; the edges are outside

    void SetCenter(Vec2 const& newCenter);
    void SetDimensions(Vec2 const& newFullDimensions);
    void SetOrientationDegrees(float orientationDegrees);
    void RotateByDegrees(float deltaDegrees);
    void Translate(Vec2 const& translation);
    void StretchToIncludePoint(Vec2 const& point);  // keeps the orientation, grows the extents
};
