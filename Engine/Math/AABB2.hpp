#pragma once
// An axis-aligned box: mins is the bottom-left corner, maxs the top-right.
// Nothing keeps mins <= maxs; every operation computes with the fields as they
// stand, so a width or height may come out negative.

#include "Engine/Math/Vec2.hpp"

#include <string>

// Box-relative (u, v) anchors: (0,0) the bottom-left corner, (1,1) the top-right.
inline constexpr Vec2 ALIGN_BOTTOM_CENTER(0.5f, 0.f);
inline constexpr Vec2 ALIGN_BOTTOM_LEFT(0.f, 0.f);
inline constexpr Vec2 ALIGN_BOTTOM_RIGHT(1.f, 0.f);
inline constexpr Vec2 ALIGN_CENTERED(0.5f, 0.5f);
inline constexpr Vec2 ALIGN_CENTER_LEFT(0.f, 0.5f);
inline constexpr Vec2 ALIGN_CENTER_RIGHT(1.f, 0.5f);
inline constexpr Vec2 ALIGN_TOP_CENTER(0.5f, 1.f);
inline constexpr Vec2 ALIGN_TOP_LEFT(0.f, 1.f);
inline constexpr Vec2 ALIGN_TOP_RIGHT(1.f, 1.f);

struct AABB2
{
    Vec2 mins;
    Vec2 maxs;

    constexpr AABB2() = default;
    constexpr AABB2(Vec2 const& boxMins, Vec2 const& boxMaxs) : mins(boxMins), maxs(boxMaxs) {}
    constexpr AABB2(float minX, float minY, float maxX, float maxY) : mins(minX, minY), maxs(maxX, maxY) {}
    explicit AABB2(char const* text);  // both corners (0,0), then SetFromText; bad text is fatal

    static AABB2 MakeFromCenterAndDimensions(float width, float height, Vec2 const& center);

    constexpr float GetWidth() const { return maxs.x - mins.x; }
    constexpr float GetHeight() const { return maxs.y - mins.y; }
    constexpr Vec2 GetDimensions() const { return Vec2(GetWidth(), GetHeight()); }
    constexpr Vec2 GetCenter() const { return Vec2((mins.x + maxs.x) * 0.5f, (mins.y + maxs.y) * 0.5f); }
    float GetMinDimension() const;
    constexpr float GetWidthPlusHeight() const { return GetWidth() + GetHeight(); }
    Vec2 GetNearestPoint(Vec2 const& point) const;
    bool IsPointInside(Vec2 const& point) const;  // edges count as inside
    // Bottom-left, top-left, bottom-right, top-right, built from the center and half extents.
    void GetCornerPoints(Vec2 (&out_corners)[4]) const;

    // Not clamped: points outside the box give values outside [0, 1]; a box of
    // zero width or height gives a non-finite value.
    Vec2 GetUVForPoint(Vec2 const& point) const;
    Vec2 GetPointAtUV(Vec2 const& uv) const;  // not clamped

    // A box of the given dimensions inside this one; alignment (0,0) puts it in
    // the bottom-left corner, (1,1) in the top-right.
    AABB2 GetBoxWithin(Vec2 const& dimensions, Vec2 const& alignment) const;
    AABB2 GetBoxAtBottom(float fractionOfHeight, float extraHeight = 0.f) const;
    AABB2 GetBoxAtTop(float fractionOfHeight, float extraHeight = 0.f) const;
    AABB2 GetBoxAtLeft(float fractionOfWidth, float extraWidth = 0.f) const;
    AABB2 GetBoxAtRight(float fractionOfWidth, float extraWidth = 0.f) const;
    // Return the strip and shrink this box to the rest.
    AABB2 CarveBoxOffBottom(float fractionOfHeight, float extraHeight = 0.f);
    AABB2 CarveBoxOffTop(float fractionOfHeight, float extraHeight = 0.f);
    AABB2 CarveBoxOffLeft(float fractionOfWidth, float extraWidth = 0.f);
    AABB2 CarveBoxOffRight(float fractionOfWidth, float extraWidth = 0.f);

    void Translate(Vec2 const& translation);
    void SetCenter(Vec2 const& newCenter);
    void SetDimensions(Vec2 const& newDimensions);  // keeps the center
    void StretchToIncludePoint(Vec2 const& point);
    // Moves the box inside bounds, edge by edge (left, right, bottom, top); a box
    // larger than bounds ends with its right and top edges on those of bounds.
    void FitWithin(AABB2 const& bounds);
    void ResizeAtAnchor(Vec2 const& newDimensions, Vec2 const& alignment);  // the point at alignment stays

    std::string GetAsString() const;  // "(%.2f, %.2f, %.2f, %.2f)"
    // "minX,minY,maxX,maxY"; a wrong piece count or a piece without a number is fatal.
    void SetFromText(char const* text);

    constexpr bool operator==(AABB2 const& other) const { return mins == other.mins && maxs == other.maxs; }
    constexpr bool operator!=(AABB2 const& other) const { return !(*this == other); }

    static AABB2 const ZERO_TO_ONE;
};

inline constexpr AABB2 AABB2::ZERO_TO_ONE = AABB2(0.f, 0.f, 1.f, 1.f);
