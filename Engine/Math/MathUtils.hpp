#pragma once
// Free functions over the value types: degree trigonometry, clamping and
// mapping, easing, distances and projections, nearest points, overlap tests,
// pushing discs apart and placing vertex arrays. No state.

#include <array>
#include <vector>

struct AABB2;
struct Capsule2;
struct Disc;
struct FloatRange;
struct IntVec2;
struct OBB2;
struct Vec2;
struct Vec3;
struct Vertex_PCU;

// Scalars and angles. The degree functions scale by the float constants
// 0.017453292 and 57.295776, so CosDegrees(90) is about -4.4e-8, not 0.
float ConvertDegreesToRadians(float degrees);
float ConvertRadiansToDegrees(float radians);
float CosDegrees(float degrees);
float SinDegrees(float degrees);
float Atan2Degrees(float y, float x);  // y first; in [-180, 180]

// The lower bound is tested first, so reversed bounds give minValue.
float Clamp(float value, float minValue, float maxValue);
int ClampInt(int value, int minValue, int maxValue);
float ClampZeroToOne(float value);
// Not clamped; inStart == inEnd gives a non-finite value.
float RangeMap(float inStart, float inEnd, float outStart, float outEnd, float inValue);
float Interpolate(float start, float end, float fractionTowardEnd);
bool IsNearlyEqual(float a, float b, float epsilon);  // strictly: epsilon > |a - b|
bool IsNearlyEqual(Vec2 const& a, Vec2 const& b);     // distance below 0.000001
float GetAbsoluteValue(float value);
float RoundToNearest(float value);  // halves away from zero
// The float-to-int conversions saturate at the int limits and give 0 for NaN,
// where a plain cast would be undefined.
int TruncateToInt(float value);  // toward zero
int RoundDownToInt(float value);
int RoundToNearestInt(float value);  // halves away from zero
float WrapDegrees(float degrees);    // in [0, 360)
// In (-180, 180]; a half turn is +180 in both directions.
float GetShortestAngularDisplacement(float fromDegrees, float toDegrees);
float GetTurnedToward(float currentDegrees, float goalDegrees, float maxDeltaDegrees);  // in [0, 360)

// Easing curves, t usually in [0, 1].
using EasingFunction = float (*)(float t);
float SmoothStart2(float t);
float SmoothStart3(float t);
float SmoothStart4(float t);
float SmoothStart5(float t);
float SmoothStop2(float t);
float SmoothStop3(float t);
float SmoothStop4(float t);
float SmoothStop5(float t);
// The curve at double speed for the first half, its mirror image for the second.
float EaseInOut(EasingFunction curve, float t);
float SmoothStep3(float t);

// Vectors and distances.
float DotProduct2D(Vec2 const& a, Vec2 const& b);
float DotProduct3D(Vec3 const& a, Vec3 const& b);
float DotProduct4D(std::array<float, 4> const& a, std::array<float, 4> const& b);
float GetDistance2D(Vec2 const& a, Vec2 const& b);
float GetDistanceSquared2D(Vec2 const& a, Vec2 const& b);
float GetDistance3D(Vec3 const& a, Vec3 const& b);
float GetDistanceSquared3D(Vec3 const& a, Vec3 const& b);
float GetDistanceXY3D(Vec3 const& a, Vec3 const& b);  // ignores z
float GetDistanceXYSquared3D(Vec3 const& a, Vec3 const& b);
int GetTaxicabDistance2D(IntVec2 const& a, IntVec2 const& b);
float GetAngleDegreesBetweenVectors2D(Vec2 const& a, Vec2 const& b);  // in [0, 180]; 0 if either is zero
float GetProjectedLength2D(Vec2 const& vectorToProject, Vec2 const& vectorToProjectOnto);
Vec2 GetProjectedOnto2D(Vec2 const& vectorToProject,
                        Vec2 const& vectorToProjectOnto);  // zero onto gives (0,0)
// Range of the points' projected lengths, relative to origin, along the
// direction turned 90 degrees counter-clockwise. No points give (1e9, -1e9).
FloatRange GetProjectedRange2D(int numPoints, Vec2 const* points, Vec2 const& origin, Vec2 const& direction);
Vec2 GetSegmentCenter2D(Vec2 const& start, Vec2 const& end);
Vec2 GetSegmentCenter2D(Capsule2 const& capsule);

// Nearest points.
Vec2 GetNearestPointOnAABB2(Vec2 const& point, AABB2 const& box);
Vec2 GetNearestPointOnDisc2D(Vec2 const& point, Vec2 const& discCenter, float discRadius);
Vec2 GetNearestPointOnInfiniteLine2D(Vec2 const& point, Vec2 const& pointOnLine,
                                     Vec2 const& anotherPointOnLine);
Vec2 GetNearestPointOnLineSegment2D(Vec2 const& point, Vec2 const& start, Vec2 const& end);
Vec2 GetNearestPointOnCapsule2D(Vec2 const& point, Vec2 const& boneStart, Vec2 const& boneEnd, float radius);
Vec2 GetNearestPointOnCapsule2D(Vec2 const& point, Capsule2 const& capsule);

// Overlap tests.
bool DoAABBsOverlap(AABB2 const& boxA, AABB2 const& boxB);  // touching edges or corners count as overlap
bool DoDiscAndAABBOverlap(Vec2 const& discCenter, float discRadius, AABB2 const& box);
// True when the two outlines meet: one disc wholly inside the other gives false.
bool DoCirclesIntersect(Vec2 const& centerA, float radiusA, Vec2 const& centerB, float radiusB);
bool DoSpheresIntersect(Vec3 const& centerA, float radiusA, Vec3 const& centerB, float radiusB);
bool IsPointInSector2D(Vec2 const& point, Vec2 const& sectorTip, float sectorForwardDegrees,
                       float sectorApertureDegrees, float sectorRadius);
bool DoOBBsOverlap(OBB2 const& boxA, OBB2 const& boxB);
bool DoOBBAndAABBOverlap(OBB2 const& orientedBox, AABB2 const& box);
bool DoOBBAndDiscOverlap(OBB2 const& orientedBox, Disc const& disc);
bool DoOBBAndCapsuleOverlap(OBB2 const& orientedBox, Capsule2 const& capsule);

// Pushing discs out: the first disc's center moves; coincident centers move nothing.
void PushDiscOutOfPoint(Vec2& discCenter, float discRadius, Vec2 const& point);
void PushDiscOutOfDisc(Vec2& discCenter, float discRadius, Vec2 const& otherCenter, float otherRadius);
void PushDiscsOutOfEachOther(Vec2& centerA, float radiusA, Vec2& centerB, float radiusB);  // half each
void PushDiscOutOfAABB2(Vec2& discCenter, float discRadius, AABB2 const& box);

// Transforms. Scale, then rotate about the origin (through polar form), then translate.
Vec2 TransformPosition2D(Vec2 const& position, float uniformScale, float rotationDegrees,
                         Vec2 const& translation);
Vec2 TransformPosition2D(Vec2 const& position, Vec2 const& iBasis, Vec2 const& jBasis,
                         Vec2 const& translation);
Vec3 TransformPosition3DXY(Vec3 const& position, float uniformScale, float rotationDegrees,
                           Vec2 const& translation);  // z unchanged
Vec3 TransformPosition3DXY(Vec3 const& position, Vec2 const& iBasis, Vec2 const& jBasis,
                           Vec2 const& translation);
void TransformVertex(Vertex_PCU& vertex, float uniformScale, float rotationDegrees, Vec2 const& translation);
// A count of 0 or less does nothing; a null array with a positive count is fatal.
void TransformVertexArray(int numVertexes, Vertex_PCU* vertexes, float uniformScale, float rotationDegrees,
                          Vec2 const& translation);
void TransformVertexArray(std::vector<Vertex_PCU>& vertexes, float uniformScale, float rotationDegrees,
                          Vec2 const& translation);
