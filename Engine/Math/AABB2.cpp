#include "Engine/Math/AABB2.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/NumberParsing.hpp"

AABB2::AABB2(char const* text)
{
    SetFromText(text);
}

AABB2 AABB2::MakeFromCenterAndDimensions(float width, float height, Vec2 const& center)
{
    AABB2 box(-width * 0.5f, -height * 0.5f, width * 0.5f, height * 0.5f);
    box.Translate(center);
    return box;
}

float AABB2::GetMinDimension() const
{
    float const width = GetWidth();
    float const height = GetHeight();
    return width < height ? width : height;
}

Vec2 AABB2::GetNearestPoint(Vec2 const& point) const
{
    return GetNearestPointOnAABB2(point, *this);
}

bool AABB2::IsPointInside(Vec2 const& point) const
{
    return mins.x <= point.x && point.x <= maxs.x && mins.y <= point.y && point.y <= maxs.y;
}

void AABB2::GetCornerPoints(Vec2 (&out_corners)[4]) const
{
    Vec2 const center = GetCenter();
    Vec2 const halfWidth(GetWidth() * 0.5f, 0.f);
    Vec2 const halfHeight(0.f, GetHeight() * 0.5f);
    out_corners[0] = center - halfWidth - halfHeight;
    out_corners[1] = center - halfWidth + halfHeight;
    out_corners[2] = center + halfWidth - halfHeight;
    out_corners[3] = center + halfWidth + halfHeight;
}

Vec2 AABB2::GetUVForPoint(Vec2 const& point) const
{
    return Vec2(RangeMap(mins.x, maxs.x, 0.f, 1.f, point.x), RangeMap(mins.y, maxs.y, 0.f, 1.f, point.y));
}

Vec2 AABB2::GetPointAtUV(Vec2 const& uv) const
{
    return Vec2(RangeMap(0.f, 1.f, mins.x, maxs.x, uv.x), RangeMap(0.f, 1.f, mins.y, maxs.y, uv.y));
}

AABB2 AABB2::GetBoxWithin(Vec2 const& dimensions, Vec2 const& alignment) const
{
    float const centerX =
        RangeMap(0.f, 1.f, mins.x + dimensions.x * 0.5f, maxs.x - dimensions.x * 0.5f, alignment.x);
    float const centerY =
        RangeMap(0.f, 1.f, mins.y + dimensions.y * 0.5f, maxs.y - dimensions.y * 0.5f, alignment.y);
    return MakeFromCenterAndDimensions(dimensions.x, dimensions.y, Vec2(centerX, centerY));
}

AABB2 AABB2::GetBoxAtBottom(float fractionOfHeight, float extraHeight) const
{
    return GetBoxWithin(Vec2(GetWidth(), fractionOfHeight * GetHeight() + extraHeight), ALIGN_BOTTOM_CENTER);
}

AABB2 AABB2::GetBoxAtTop(float fractionOfHeight, float extraHeight) const
{
    return GetBoxWithin(Vec2(GetWidth(), fractionOfHeight * GetHeight() + extraHeight), ALIGN_TOP_CENTER);
}

AABB2 AABB2::GetBoxAtLeft(float fractionOfWidth, float extraWidth) const
{
    return GetBoxWithin(Vec2(fractionOfWidth * GetWidth() + extraWidth, GetHeight()), ALIGN_CENTER_LEFT);
}

AABB2 AABB2::GetBoxAtRight(float fractionOfWidth, float extraWidth) const
{
    return GetBoxWithin(Vec2(fractionOfWidth * GetWidth() + extraWidth, GetHeight()), ALIGN_CENTER_RIGHT);
}

AABB2 AABB2::CarveBoxOffBottom(float fractionOfHeight, float extraHeight)
{
    AABB2 const strip = GetBoxAtBottom(fractionOfHeight, extraHeight);
    ResizeAtAnchor(Vec2(GetWidth(), (1.f - fractionOfHeight) * GetHeight() - extraHeight), ALIGN_TOP_CENTER);
    return strip;
}

AABB2 AABB2::CarveBoxOffTop(float fractionOfHeight, float extraHeight)
{
    AABB2 const strip = GetBoxAtTop(fractionOfHeight, extraHeight);
    ResizeAtAnchor(Vec2(GetWidth(), (1.f - fractionOfHeight) * GetHeight() - extraHeight),
                   ALIGN_BOTTOM_CENTER);
    return strip;
}

AABB2 AABB2::CarveBoxOffLeft(float fractionOfWidth, float extraWidth)
{
    AABB2 const strip = GetBoxAtLeft(fractionOfWidth, extraWidth);
    ResizeAtAnchor(Vec2((1.f - fractionOfWidth) * GetWidth() - extraWidth, GetHeight()), ALIGN_CENTER_RIGHT);
    return strip;
}

AABB2 AABB2::CarveBoxOffRight(float fractionOfWidth, float extraWidth)
{
    AABB2 const strip = GetBoxAtRight(fractionOfWidth, extraWidth);
    ResizeAtAnchor(Vec2((1.f - fractionOfWidth) * GetWidth() - extraWidth, GetHeight()), ALIGN_CENTER_LEFT);
    return strip;
}

void AABB2::Translate(Vec2 const& translation)
{
    mins += translation;
    maxs += translation;
}

void AABB2::SetCenter(Vec2 const& newCenter)
{
    Translate(newCenter - GetCenter());
}

void AABB2::SetDimensions(Vec2 const& newDimensions)
{
    Vec2 const center = GetCenter();
    mins = center - newDimensions * 0.5f;
    maxs = center + newDimensions * 0.5f;
}

void AABB2::StretchToIncludePoint(Vec2 const& point)
{
    mins.x = point.x < mins.x ? point.x : mins.x;
    mins.y = point.y < mins.y ? point.y : mins.y;
    maxs.x = point.x > maxs.x ? point.x : maxs.x;
    maxs.y = point.y > maxs.y ? point.y : maxs.y;
}

void AABB2::FitWithin(AABB2 const& bounds)
{
    // Edge by edge, in this order, so that a box too large for the bounds ends
    // on their right and top edges.
    if (mins.x < bounds.mins.x)
    {
        Translate(Vec2(bounds.mins.x - mins.x, 0.f));
    }
    if (maxs.x > bounds.maxs.x)
    {
        Translate(Vec2(bounds.maxs.x - maxs.x, 0.f));
    }
    if (mins.y < bounds.mins.y)
    {
        Translate(Vec2(0.f, bounds.mins.y - mins.y));
    }
    if (maxs.y > bounds.maxs.y)
    {
        Translate(Vec2(0.f, bounds.maxs.y - maxs.y));
    }
}

void AABB2::ResizeAtAnchor(Vec2 const& newDimensions, Vec2 const& alignment)
{
    Vec2 const anchor = GetPointAtUV(alignment);
    mins = anchor - newDimensions * alignment;
    maxs = anchor + newDimensions * (Vec2(1.f, 1.f) - alignment);
}

std::string AABB2::GetAsString() const
{
    return Stringf("(%.2f, %.2f, %.2f, %.2f)", mins.x, mins.y, maxs.x, maxs.y);
}

void AABB2::SetFromText(char const* text)
{
    float* const components[] = {&mins.x, &mins.y, &maxs.x, &maxs.y};
    ParseComponentsOrDie(text, components, "AABB2", REPORT_SITE("AABB2::SetFromText"));
}
