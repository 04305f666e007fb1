#pragma once
// Appends the triangles of simple 2-D shapes to a caller's vertex list: three
// vertices per triangle, six per quadrilateral, z = 0, one colour per shape.
// They only append: what is already in the list is never read, moved or
// changed.

#include <vector>

struct AABB2;
struct OBB2;
struct Rgba8;
struct Vec2;
struct Vertex_PCU;

constexpr int NUM_VERTS_PER_QUAD = 6;
constexpr int NUM_RING_SEGMENTS = 64;
constexpr int NUM_VERTS_PER_RING = NUM_RING_SEGMENTS * NUM_VERTS_PER_QUAD;

// Triangles (bottom-left, bottom-right, top-left) and (top-left, bottom-right,
// top-right), counter-clockwise with y up. UVs run from (0,0) to (1,1) unless
// given.
void AddVertsForAABB2D(std::vector<Vertex_PCU>& verts, AABB2 const& bounds, Rgba8 const& color);
void AddVertsForAABB2D(std::vector<Vertex_PCU>& verts, AABB2 const& bounds, Rgba8 const& color,
                       Vec2 const& uvAtMins, Vec2 const& uvAtMaxs);
// The same six vertices written into a fixed array, for a draw without a list.
void FillVertsForAABB2D(Vertex_PCU (&out_quadVerts)[NUM_VERTS_PER_QUAD], AABB2 const& bounds,
                        Rgba8 const& color, Vec2 const& uvAtMins, Vec2 const& uvAtMaxs);

// thickness wide, reaching half the thickness past both ends; all UVs (0,0).
// A zero-length line gives six vertices on its start point.
void AddVertsForLine2D(std::vector<Vertex_PCU>& verts, Vec2 const& start, Vec2 const& end, Rgba8 const& color,
                       float thickness);
// The same six vertices (start right, end right, end left; start right, end left,
// start left) written into a fixed array, for a draw without a list.
void FillVertsForLine2D(Vertex_PCU (&out_quadVerts)[NUM_VERTS_PER_QUAD], Vec2 const& start, Vec2 const& end,
                        Rgba8 const& color, float thickness);

// 64 thick lines between points on the circle, the first starting at center +
// (radius, 0); GetRingSegmentEnds gives segment segmentIndex's two points.
void AddVertsForRing2D(std::vector<Vertex_PCU>& verts, Vec2 const& center, float radius, Rgba8 const& color,
                       float thickness);
void GetRingSegmentEnds(Vec2 const& center, float radius, int segmentIndex, Vec2& out_segmentStart,
                        Vec2& out_segmentEnd);

// Corners 0, 2, 1 and 1, 2, 3 of OBB2::GetCornerPoints; UVs run from corner 0
// to corner 3.
void AddVertsForOBB2D(std::vector<Vertex_PCU>& verts, OBB2 const& box, Rgba8 const& color);
void AddVertsForOBB2D(std::vector<Vertex_PCU>& verts, OBB2 const& box, Rgba8 const& color,
                      Vec2 const& uvAtMins, Vec2 const& uvAtMaxs);
