#pragma once
// Immediate-draw counterparts of the thick-line and ring vertex helpers: same
// geometry, drawn at once on g_theRenderer, nothing kept.

struct Vec2;
struct Rgba8;

// One quad, thickness wide, reaching half the thickness past both end points.
void DrawLine(Vec2 const& start, Vec2 const& end, Rgba8 const& color, float thickness);
// 64 segments, one DrawLine (one draw call) each.
void DrawRing(Vec2 const& center, float radius, Rgba8 const& color, float thickness);
