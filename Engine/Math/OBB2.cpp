#include "Engine/Math/OBB2.hpp"

#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/MathUtils.hpp"

#include <cmath>

namespace
{
constexpr float NEARLY_ZERO_LENGTH = 0.000001f;
}

OBB2::OBB2(AABB2 const& box, float orientationDegrees)
    : center(box.GetCenter()), halfDimensions(box.GetDimensions() * 0.5f),
      iBasisNormal(Vec2::MakeFromPolarDegrees(orientationDegrees, 1.f))
{
}

OBB2::OBB2(Vec2 const& boxCenter, Vec2 const& fullDimensions, float orientationDegrees)
    : center(boxCenter), halfDimensions(fullDimensions * 0.5f),
      iBasisNormal(Vec2::MakeFromPolarDegrees(orientationDegrees, 1.f))
{
}

void OBB2::Validate()
{
    halfDimensions = Vec2(std::fabs(halfDimensions.x), std::fabs(halfDimensions.y));
    if (iBasisNormal.GetLength() < NEARLY_ZERO_LENGTH)
    {
        iBasisNormal = Vec2(1.f, 0.f);
        return;
    }
    iBasisNormal.Normalize();
}

Vec2 OBB2::GetIBasisNormal() const
{
    return iBasisNormal.GetNormalized();
}

Vec2 OBB2::GetJBasisNormal() const
{
    return GetIBasisNormal().GetRotated90Degrees();
}

float OBB2::GetOrientationDegrees() const
{
    return iBasisNormal.GetAngleDegrees();
}

void OBB2::GetCornerPoints(Vec2 (&out_corners)[4]) const
{
    Vec2 halfI = GetIBasisNormal();
    halfI.SetLength(halfDimensions.x);
    Vec2 halfJ = GetJBasisNormal();
    halfJ.SetLength(halfDimensions.y);
    out_corners[0] = center - halfI - halfJ;
    out_corners[1] = center - halfI + halfJ;
    out_corners[2] = center + halfI - halfJ;
    out_corners[3] = center + halfI + halfJ;
}

float OBB2::GetInnerRadius() const
{
    return halfDimensions.x < halfDimensions.y ? halfDimensions.x : halfDimensions.y;
}

float OBB2::GetOuterRadius() const
{
    return halfDimensions.x + halfDimensions.y;
}

Vec2 OBB2::GetNearestPoint(Vec2 const& point) const
{
    Vec2 const offset = point - center;
    Vec2 alongI = GetProjectedOnto2D(offset, GetIBasisNormal());
    Vec2 alongJ = GetProjectedOnto2D(offset, GetJBasisNormal());
    alongI.ClampLength(halfDimensions.x);
    alongJ.ClampLength(halfDimensions.y);
    return center + alongI + alongJ;
}

Vec2 OBB2::GetPointAtUV(Vec2 const& uv) const
{
    Vec2 corners[4];
    GetCornerPoints(corners);
    Vec2 const fullI = GetIBasisNormal() * (2.f * halfDimensions.x);
    Vec2 const fullJ = GetJBasisNormal() * (2.f * halfDimensions.y);
    return corners[0] + fullI * uv.x + fullJ * uv.y;
}

Vec2 OBB2::GetUVForPoint(Vec2 const& point) const
{
    Vec2 corners[4];
    GetCornerPoints(corners);
    Vec2 const offset = point - corners[0];
    float const alongI = GetProjectedOnto2D(offset, GetIBasisNormal()).GetLength();
    float const alongJ = GetProjectedOnto2D(offset, GetJBasisNormal()).GetLength();
    return Vec2(alongI / (2.f * halfDimensions.x), alongJ / (2.f * halfDimensions.y));
}

bool OBB2::IsPointInside(Vec2 const& point) const
{
    Vec2 const offset = point - center;
    float const alongI = GetProjectedOnto2D(offset, GetIBasisNormal()).GetLength();
    float const alongJ = GetProjectedOnto2D(offset, GetJBasisNormal()).GetLength();
    return alongI < halfDimensions.x && alongJ < halfDimensions.y;
}

void OBB2::SetCenter(Vec2 const& newCenter)
{
    center = newCenter;
}

void OBB2::SetDimensions(Vec2 const& newFullDimensions)
{
    halfDimensions = newFullDimensions * 0.5f;
}

void OBB2::SetOrientationDegrees(float orientationDegrees)
{
    iBasisNormal = Vec2::MakeFromPolarDegrees(orientationDegrees, 1.f);
}

void OBB2::RotateByDegrees(float deltaDegrees)
{
    iBasisNormal.RotateDegrees(deltaDegrees);
}

void OBB2::Translate(Vec2 const& translation)
{
    center += translation;
}

void OBB2::StretchToIncludePoint(Vec2 const& point)
{
    // In the box's own frame the box spans [-half, +half] on each axis; widen
    // that span to the point's coordinate and move the center to the middle.
    Vec2 const iNormal = GetIBasisNormal();
    Vec2 const jNormal = GetJBasisNormal();
    Vec2 const offset = point - center;
    float const localCoordinates[2] = {DotProduct2D(offset, iNormal), DotProduct2D(offset, jNormal)};
    float* const halfExtents[2] = {&halfDimensions.x, &halfDimensions.y};
    Vec2 const axes[2] = {iNormal, jNormal};
    for (int axisIndex = 0; axisIndex < 2; ++axisIndex)
    {
        float const local = localCoordinates[axisIndex];
        float const halfExtent = *halfExtents[axisIndex];
        float const low = local < -halfExtent ? local : -halfExtent;
        float const high = local > halfExtent ? local : halfExtent;
        *halfExtents[axisIndex] = (high - low) * 0.5f;
        center += axes[axisIndex] * ((high + low) * 0.5f);
    }
}
