#include "Engine/Math/MathUtils.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/Capsule2.hpp"
#include "Engine/Math/Disc.hpp"
#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Math/Vec3.hpp"

#include <climits>
#include <cmath>

namespace
{
constexpr float DEGREES_TO_RADIANS = 0.017453292f;
constexpr float RADIANS_TO_DEGREES = 57.295776f;
constexpr float NEARLY_ZERO = 0.000001f;
constexpr float EMPTY_RANGE_MIN = 1e9f;
constexpr float EMPTY_RANGE_MAX = -1e9f;

// The corners of one box against the half extents of the other, along that
// other box's two axes. An axis whose projected range lies wholly and strictly
// beyond a half extent separates the boxes.
bool DoCornersMissBoxAlongItsAxes(Vec2 const (&corners)[4], OBB2 const& box)
{
    Vec2 const axes[2] = {box.GetIBasisNormal(), box.GetJBasisNormal()};
    float const halfExtents[2] = {box.halfDimensions.x, box.halfDimensions.y};
    for (int axisIndex = 0; axisIndex < 2; ++axisIndex)
    {
        // The range is taken along the direction turned 90 degrees, so hand it
        // the axis turned back by 90 degrees.
        FloatRange const range =
            GetProjectedRange2D(4, corners, box.center, axes[axisIndex].GetRotatedMinus90Degrees());
        if (range.min > halfExtents[axisIndex] || range.max < -halfExtents[axisIndex])
        {
            return true;
        }
    }
    return false;
}

void PushPointAwayFrom(Vec2& pointToMove, Vec2 const& pointToLeave, float pushDistance)
{
    // Coincident points give a zero offset, which SetLength leaves at zero.
    Vec2 push = pointToMove - pointToLeave;
    push.SetLength(pushDistance);
    pointToMove += push;
}
}  // namespace

float ConvertDegreesToRadians(float degrees)
{
    return degrees * DEGREES_TO_RADIANS;
}

float ConvertRadiansToDegrees(float radians)
{
    return radians * RADIANS_TO_DEGREES;
}

float CosDegrees(float degrees)
{
    return std::cos(degrees * DEGREES_TO_RADIANS);
}

float SinDegrees(float degrees)
{
    return std::sin(degrees * DEGREES_TO_RADIANS);
}

float Atan2Degrees(float y, float x)
{
    return std::atan2(y, x) * RADIANS_TO_DEGREES;
}

float Clamp(float value, float minValue, float maxValue)
{
    if (minValue > value)
    {
        return minValue;
    }
    if (value > maxValue)
    {
        return maxValue;
    }
    return value;
}

int ClampInt(int value, int minValue, int maxValue)
{
    if (value < minValue)
    {
        return minValue;
    }
    if (value < maxValue)
    {
        return value;
    }
    return maxValue;
}

float ClampZeroToOne(float value)
{
    return Clamp(value, 0.f, 1.f);
}

float RangeMap(float inStart, float inEnd, float outStart, float outEnd, float inValue)
{
    return (outEnd - outStart) * ((inValue - inStart) / (inEnd - inStart)) + outStart;
}

float Interpolate(float start, float end, float fractionTowardEnd)
{
    return start + fractionTowardEnd * (end - start);
}

bool IsNearlyEqual(float a, float b, float epsilon)
{
    return epsilon > std::fabs(a - b);
}

bool IsNearlyEqual(Vec2 const& a, Vec2 const& b)
{
    return GetDistance2D(a, b) < NEARLY_ZERO;
}

float GetAbsoluteValue(float value)
{
    return std::fabs(value);
}

float RoundToNearest(float value)
{
    return std::round(value);
}

int TruncateToInt(float value)
{
    // 2147483648 is the first float past INT_MAX; -2147483648 is INT_MIN exactly.
    if (std::isnan(value))
    {
        return 0;
    }
    if (value >= 2147483648.f)
    {
        return INT_MAX;
    }
    if (value < -2147483648.f)
    {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

int RoundDownToInt(float value)
{
    return TruncateToInt(std::floor(value));
}

int RoundToNearestInt(float value)
{
    return TruncateToInt(std::round(value));
}

float WrapDegrees(float degrees)
{
    // degrees - floor(degrees / 360) * 360, but with the exact remainder: the
    // quotient may round onto the next whole turn (719.99999 / 360 gives 2), and
    // beyond 2^24 degrees the product of turns and 360 is no longer exact.
    // A tiny negative remainder plus 360 rounds to 360: fold it back to 0.
    float wrappedDegrees = std::fmod(degrees, 360.f);
    if (wrappedDegrees < 0.f)
    {
        wrappedDegrees += 360.f;
    }
    if (wrappedDegrees >= 360.f)
    {
        wrappedDegrees -= 360.f;
    }
    return wrappedDegrees;
}

float GetShortestAngularDisplacement(float fromDegrees, float toDegrees)
{
    float const from = WrapDegrees(fromDegrees);
    float to = WrapDegrees(toDegrees);
    if (from > to)
    {
        to += 360.f;
    }
    float displacement = to - from;
    if (displacement > 180.f)
    {
        displacement -= 360.f;
    }
    return displacement;
}

float GetTurnedToward(float currentDegrees, float goalDegrees, float maxDeltaDegrees)
{
    float const displacement = GetShortestAngularDisplacement(currentDegrees, goalDegrees);
    return WrapDegrees(currentDegrees + Clamp(displacement, -maxDeltaDegrees, maxDeltaDegrees));
}

float SmoothStart2(float t)
{
    return t * t;
}

float SmoothStart3(float t)
{
    return t * t * t;
}

float SmoothStart4(float t)
{
    return t * t * t * t;
}

float SmoothStart5(float t)
{
    return t * t * t * t * t;
}

float SmoothStop2(float t)
{
    float const s = 1.f - t;
    return 1.f - s * s;
}

float SmoothStop3(float t)
{
    float const s = 1.f - t;
    return 1.f - s * s * s;
}

float SmoothStop4(float t)
{
    float const s = 1.f - t;
    return 1.f - s * s * s * s;
}

float SmoothStop5(float t)
{
    float const s = 1.f - t;
    return 1.f - s * s * s * s * s;
}

float EaseInOut(EasingFunction curve, float t)
{
    if (static_cast<double>(t) < 0.5)
    {
        return 0.5f * curve(2.f * t);
    }
    return 0.5f * (2.f - curve(2.f - 2.f * t));
}

float SmoothStep3(float t)
{
    return EaseInOut(SmoothStart3, t);
}

float DotProduct2D(Vec2 const& a, Vec2 const& b)
{
    return a.x * b.x + a.y * b.y;
}

float DotProduct3D(Vec3 const& a, Vec3 const& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

float DotProduct4D(std::array<float, 4> const& a, std::array<float, 4> const& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
}

float GetDistance2D(Vec2 const& a, Vec2 const& b)
{
    return (b - a).GetLength();
}

float GetDistanceSquared2D(Vec2 const& a, Vec2 const& b)
{
    return (b - a).GetLengthSquared();
}

float GetDistance3D(Vec3 const& a, Vec3 const& b)
{
    return (b - a).GetLength();
}

float GetDistanceSquared3D(Vec3 const& a, Vec3 const& b)
{
    return (b - a).GetLengthSquared();
}

float GetDistanceXY3D(Vec3 const& a, Vec3 const& b)
{
    return (b - a).GetLengthXY();
}

float GetDistanceXYSquared3D(Vec3 const& a, Vec3 const& b)
{
    return (b - a).GetLengthXYSquared();
}

int GetTaxicabDistance2D(IntVec2 const& a, IntVec2 const& b)
{
    return (b - a).GetTaxicabLength();
}

float GetAngleDegreesBetweenVectors2D(Vec2 const& a, Vec2 const& b)
{
    float const lengthA = a.GetLength();
    float const lengthB = b.GetLength();
    if (lengthA == 0.f || lengthB == 0.f)
    {
        return 0.f;
    }
    // Rounding can push the cosine of (anti)parallel vectors a hair past 1,
    // where acos has no answer.
    float const cosine = Clamp(DotProduct2D(a, b) / (lengthA * lengthB), -1.f, 1.f);
    return ConvertRadiansToDegrees(std::acos(cosine));
}

float GetProjectedLength2D(Vec2 const& vectorToProject, Vec2 const& vectorToProjectOnto)
{
    return DotProduct2D(vectorToProject, vectorToProjectOnto.GetNormalized());
}

Vec2 GetProjectedOnto2D(Vec2 const& vectorToProject, Vec2 const& vectorToProjectOnto)
{
    Vec2 projection = vectorToProjectOnto.GetNormalized();
    projection.SetLength(DotProduct2D(vectorToProject, projection));
    return projection;
}

FloatRange GetProjectedRange2D(int numPoints, Vec2 const* points, Vec2 const& origin, Vec2 const& direction)
{
    FloatRange range(EMPTY_RANGE_MIN, EMPTY_RANGE_MAX);
    if (numPoints <= 0)
    {
        return range;
    }
    GUARANTEE_OR_DIE(points != nullptr, "GetProjectedRange2D", "No points to project");
    Vec2 const axis = direction.GetRotated90Degrees();
    for (int pointIndex = 0; pointIndex < numPoints; ++pointIndex)
    {
        float const projectedLength = GetProjectedLength2D(points[pointIndex] - origin, axis);
        range.min = projectedLength < range.min ? projectedLength : range.min;
        range.max = projectedLength > range.max ? projectedLength : range.max;
    }
    return range;
}

Vec2 GetSegmentCenter2D(Vec2 const& start, Vec2 const& end)
{
    return (start + end) * 0.5f;
}

Vec2 GetSegmentCenter2D(Capsule2 const& capsule)
{
    return GetSegmentCenter2D(capsule.start, capsule.end);
}

Vec2 GetNearestPointOnAABB2(Vec2 const& point, AABB2 const& box)
{
    return Vec2(Clamp(point.x, box.mins.x, box.maxs.x), Clamp(point.y, box.mins.y, box.maxs.y));
}

Vec2 GetNearestPointOnDisc2D(Vec2 const& point, Vec2 const& discCenter, float discRadius)
{
    return discCenter + (point - discCenter).GetClamped(discRadius);
}

Vec2 GetNearestPointOnInfiniteLine2D(Vec2 const& point, Vec2 const& pointOnLine,
                                     Vec2 const& anotherPointOnLine)
{
    return pointOnLine + GetProjectedOnto2D(point - pointOnLine, anotherPointOnLine - pointOnLine);
}

Vec2 GetNearestPointOnLineSegment2D(Vec2 const& point, Vec2 const& start, Vec2 const& end)
{
    if (DotProduct2D(point - start, end - start) <= 0.f)
    {
        return start;
    }
    if (DotProduct2D(point - end, start - end) <= 0.f)
    {
        return end;
    }
    return GetNearestPointOnInfiniteLine2D(point, start, end);
}

Vec2 GetNearestPointOnCapsule2D(Vec2 const& point, Vec2 const& boneStart, Vec2 const& boneEnd, float radius)
{
    Vec2 const nearestOnBone = GetNearestPointOnLineSegment2D(point, boneStart, boneEnd);
    Vec2 offset = point - nearestOnBone;
    offset.ClampLength(radius);
    return nearestOnBone + offset;
}

Vec2 GetNearestPointOnCapsule2D(Vec2 const& point, Capsule2 const& capsule)
{
    return GetNearestPointOnCapsule2D(point, capsule.start, capsule.end, capsule.radius);
}

bool DoAABBsOverlap(AABB2 const& boxA, AABB2 const& boxB)
{
    if (boxA.mins.x > boxB.maxs.x || boxB.mins.x > boxA.maxs.x)
    {
        return false;
    }
    if (boxA.mins.y > boxB.maxs.y || boxB.mins.y > boxA.maxs.y)
    {
        return false;
    }
    return true;
}

bool DoDiscAndAABBOverlap(Vec2 const& discCenter, float discRadius, AABB2 const& box)
{
    if (box.IsPointInside(discCenter))
    {
        return true;
    }
    return discRadius >= GetDistance2D(discCenter, GetNearestPointOnAABB2(discCenter, box));
}

bool DoCirclesIntersect(Vec2 const& centerA, float radiusA, Vec2 const& centerB, float radiusB)
{
    float const distance = GetDistance2D(centerA, centerB);
    return std::fabs(radiusA - radiusB) <= distance && distance <= radiusA + radiusB;
}

bool DoSpheresIntersect(Vec3 const& centerA, float radiusA, Vec3 const& centerB, float radiusB)
{
    float const distance = GetDistance3D(centerA, centerB);
    return std::fabs(radiusA - radiusB) <= distance && distance <= radiusA + radiusB;
}

bool IsPointInSector2D(Vec2 const& point, Vec2 const& sectorTip, float sectorForwardDegrees,
                       float sectorApertureDegrees, float sectorRadius)
{
    if (GetDistance2D(point, sectorTip) > sectorRadius)
    {
        return false;
    }
    Vec2 const forward = Vec2::MakeFromPolarDegrees(sectorForwardDegrees, sectorRadius);
    return GetAngleDegreesBetweenVectors2D(point - sectorTip, forward) <= sectorApertureDegrees * 0.5f;
}

bool DoOBBsOverlap(OBB2 const& boxA, OBB2 const& boxB)
{
    float const centerDistance = GetDistance2D(boxA.center, boxB.center);
    if (centerDistance > boxA.GetOuterRadius() + boxB.GetOuterRadius())
    {
        return false;
    }
    if (boxA.GetInnerRadius() + boxB.GetInnerRadius() > centerDistance)
    {
        return true;
    }
    Vec2 cornersA[4];
    Vec2 cornersB[4];
    boxA.GetCornerPoints(cornersA);
    boxB.GetCornerPoints(cornersB);
    return !DoCornersMissBoxAlongItsAxes(cornersB, boxA) && !DoCornersMissBoxAlongItsAxes(cornersA, boxB);
}

bool DoOBBAndAABBOverlap(OBB2 const& orientedBox, AABB2 const& box)
{
    return DoOBBsOverlap(orientedBox, OBB2(box, 0.f));
}

bool DoOBBAndDiscOverlap(OBB2 const& orientedBox, Disc const& disc)
{
    return GetDistance2D(disc.center, orientedBox.GetNearestPoint(disc.center)) <= disc.radius;
}

bool DoOBBAndCapsuleOverlap(OBB2 const& orientedBox, Capsule2 const& capsule)
{
    Vec2 const bone = capsule.start - capsule.end;
    OBB2 const boneBox(GetSegmentCenter2D(capsule), Vec2(bone.GetLength(), 2.f * capsule.radius),
                       bone.GetNormalized());
    return DoOBBsOverlap(boneBox, orientedBox) ||
           DoOBBAndDiscOverlap(orientedBox, Disc(capsule.start, capsule.radius)) ||
           DoOBBAndDiscOverlap(orientedBox, Disc(capsule.end, capsule.radius));
}

void PushDiscOutOfPoint(Vec2& discCenter, float discRadius, Vec2 const& point)
{
    float const distance = GetDistance2D(point, discCenter);
    if (distance < discRadius)
    {
        PushPointAwayFrom(discCenter, point, discRadius - distance);
    }
}

void PushDiscOutOfDisc(Vec2& discCenter, float discRadius, Vec2 const& otherCenter, float otherRadius)
{
    float const distance = GetDistance2D(otherCenter, discCenter);
    float const touchingDistance = discRadius + otherRadius;
    if (distance < touchingDistance)
    {
        PushPointAwayFrom(discCenter, otherCenter, touchingDistance - distance);
    }
}

void PushDiscsOutOfEachOther(Vec2& centerA, float radiusA, Vec2& centerB, float radiusB)
{
    float const distance = GetDistance2D(centerA, centerB);
    float const touchingDistance = radiusA + radiusB;
    if (distance < touchingDistance)
    {
        float const halfOverlap = 0.5f * (touchingDistance - distance);
        // Both pushes start from where the centers were before either moved.
        Vec2 const originalA = centerA;
        PushPointAwayFrom(centerA, centerB, halfOverlap);
        PushPointAwayFrom(centerB, originalA, halfOverlap);
    }
}

void PushDiscOutOfAABB2(Vec2& discCenter, float discRadius, AABB2 const& box)
{
    PushDiscOutOfPoint(discCenter, discRadius, GetNearestPointOnAABB2(discCenter, box));
}

Vec2 TransformPosition2D(Vec2 const& position, float uniformScale, float rotationDegrees,
                         Vec2 const& translation)
{
    Vec2 transformed = position * uniformScale;
    transformed.RotateDegrees(rotationDegrees);
    return transformed + translation;
}

Vec2 TransformPosition2D(Vec2 const& position, Vec2 const& iBasis, Vec2 const& jBasis,
                         Vec2 const& translation)
{
    return iBasis * position.x + jBasis * position.y + translation;
}

Vec3 TransformPosition3DXY(Vec3 const& position, float uniformScale, float rotationDegrees,
                           Vec2 const& translation)
{
    Vec2 const xy =
        TransformPosition2D(Vec2(position.x, position.y), uniformScale, rotationDegrees, translation);
    return Vec3(xy.x, xy.y, position.z);
}

Vec3 TransformPosition3DXY(Vec3 const& position, Vec2 const& iBasis, Vec2 const& jBasis,
                           Vec2 const& translation)
{
    Vec2 const xy = TransformPosition2D(Vec2(position.x, position.y), iBasis, jBasis, translation);
    return Vec3(xy.x, xy.y, position.z);
}

void TransformVertex(Vertex_PCU& vertex, float uniformScale, float rotationDegrees, Vec2 const& translation)
{
    vertex.m_position = TransformPosition3DXY(vertex.m_position, uniformScale, rotationDegrees, translation);
}

void TransformVertexArray(int numVertexes, Vertex_PCU* vertexes, float uniformScale, float rotationDegrees,
                          Vec2 const& translation)
{
    if (numVertexes <= 0)
    {
        return;
    }
    GUARANTEE_OR_DIE(vertexes != nullptr, "TransformVertexArray", "No vertexes to transform");
    for (int vertexIndex = 0; vertexIndex < numVertexes; ++vertexIndex)
    {
        TransformVertex(vertexes[vertexIndex], uniformScale, rotationDegrees, translation);
    }
}

void TransformVertexArray(std::vector<Vertex_PCU>& vertexes, float uniformScale, float rotationDegrees,
                          Vec2 const& translation)
{
    // The count form takes an int; a list longer than that is transformed in turns.
    std::size_t const vertexCount = vertexes.size();
    std::size_t const CHUNK_SIZE = static_cast<std::size_t>(INT_MAX);
    for (std::size_t firstIndex = 0; firstIndex < vertexCount; firstIndex += CHUNK_SIZE)
    {
        std::size_t const remaining = vertexCount - firstIndex;
        int const chunkCount = static_cast<int>(remaining < CHUNK_SIZE ? remaining : CHUNK_SIZE);
        TransformVertexArray(chunkCount, vertexes.data() + firstIndex, uniformScale, rotationDegrees,
                             translation);
    }
}
