#include "Engine/Renderer/VertexUtils.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Math/Vec3.hpp"

namespace
{
constexpr float RING_SEGMENT_DEGREES =
    360.f / static_cast<float>(NUM_RING_SEGMENTS);  // 5.625, exact in float

// The one corner order boxes and oriented boxes share: a, b, c then c, b, d,
// where a, b, c, d sit at UV (min,min), (max,min), (min,max), (max,max).
void WriteQuad(Vertex_PCU* quadVerts, Vec2 const& cornerA, Vec2 const& cornerB, Vec2 const& cornerC,
               Vec2 const& cornerD, Rgba8 const& color, Vec2 const& uvAtMins, Vec2 const& uvAtMaxs)
{
    Vec2 const uvA(uvAtMins.x, uvAtMins.y);
    Vec2 const uvB(uvAtMaxs.x, uvAtMins.y);
    Vec2 const uvC(uvAtMins.x, uvAtMaxs.y);
    Vec2 const uvD(uvAtMaxs.x, uvAtMaxs.y);
    quadVerts[0] = Vertex_PCU(Vec3(cornerA), color, uvA);
    quadVerts[1] = Vertex_PCU(Vec3(cornerB), color, uvB);
    quadVerts[2] = Vertex_PCU(Vec3(cornerC), color, uvC);
    quadVerts[3] = Vertex_PCU(Vec3(cornerC), color, uvC);
    quadVerts[4] = Vertex_PCU(Vec3(cornerB), color, uvB);
    quadVerts[5] = Vertex_PCU(Vec3(cornerD), color, uvD);
}

// Grows the list by one quadrilateral and returns where its six vertices go.
Vertex_PCU* AppendQuadSlots(std::vector<Vertex_PCU>& verts)
{
    size_t const firstNewIndex = verts.size();
    verts.resize(firstNewIndex + NUM_VERTS_PER_QUAD);
    return verts.data() + firstNewIndex;
}

// The thick line's one construction, for the list and the fixed array alike.
void WriteLine(Vertex_PCU* quadVerts, Vec2 const& start, Vec2 const& end, Rgba8 const& color, float thickness)
{
    Vec2 const displacement = end - start;
    float const halfThickness = 0.5f * thickness;
    Vec2 forwardVector = displacement.GetNormalized();  // stays zero for a zero-length line
    forwardVector.SetLength(halfThickness);
    Vec2 const leftVector = forwardVector.GetRotated90Degrees();

    Vec2 const endLeft = end + forwardVector + leftVector;
    Vec2 const endRight = end + forwardVector - leftVector;
    Vec2 const startLeft = start - forwardVector + leftVector;
    Vec2 const startRight = start - forwardVector - leftVector;

    Vec2 const uv(0.f, 0.f);
    quadVerts[0] = Vertex_PCU(Vec3(startRight), color, uv);
    quadVerts[1] = Vertex_PCU(Vec3(endRight), color, uv);
    quadVerts[2] = Vertex_PCU(Vec3(endLeft), color, uv);
    quadVerts[3] = Vertex_PCU(Vec3(startRight), color, uv);
    quadVerts[4] = Vertex_PCU(Vec3(endLeft), color, uv);
    quadVerts[5] = Vertex_PCU(Vec3(startLeft), color, uv);
}
}  // namespace

void AddVertsForAABB2D(std::vector<Vertex_PCU>& verts, AABB2 const& bounds, Rgba8 const& color)
{
    AddVertsForAABB2D(verts, bounds, color, Vec2(0.f, 0.f), Vec2(1.f, 1.f));
}

void AddVertsForAABB2D(std::vector<Vertex_PCU>& verts, AABB2 const& bounds, Rgba8 const& color,
                       Vec2 const& uvAtMins, Vec2 const& uvAtMaxs)
{
    Vertex_PCU* quadVerts = AppendQuadSlots(verts);
    WriteQuad(quadVerts, bounds.mins, Vec2(bounds.maxs.x, bounds.mins.y), Vec2(bounds.mins.x, bounds.maxs.y),
              bounds.maxs, color, uvAtMins, uvAtMaxs);
}

void FillVertsForAABB2D(Vertex_PCU (&out_quadVerts)[NUM_VERTS_PER_QUAD], AABB2 const& bounds,
                        Rgba8 const& color, Vec2 const& uvAtMins, Vec2 const& uvAtMaxs)
{
    WriteQuad(out_quadVerts, bounds.mins, Vec2(bounds.maxs.x, bounds.mins.y),
              Vec2(bounds.mins.x, bounds.maxs.y), bounds.maxs, color, uvAtMins, uvAtMaxs);
}

void AddVertsForLine2D(std::vector<Vertex_PCU>& verts, Vec2 const& start, Vec2 const& end, Rgba8 const& color,
                       float thickness)
{
    Vertex_PCU* quadVerts = AppendQuadSlots(verts);
    WriteLine(quadVerts, start, end, color, thickness);
}

void FillVertsForLine2D(Vertex_PCU (&out_quadVerts)[NUM_VERTS_PER_QUAD], Vec2 const& start, Vec2 const& end,
                        Rgba8 const& color, float thickness)
{
    WriteLine(out_quadVerts, start, end, color, thickness);
}

void GetRingSegmentEnds(Vec2 const& center, float radius, int segmentIndex, Vec2& out_segmentStart,
                        Vec2& out_segmentEnd)
{
    // From the integer index each time, so rounding does not pile up around the
    // circle and the last segment ends where the first starts.
    float const startDegrees = static_cast<float>(segmentIndex) * RING_SEGMENT_DEGREES;
    float const endDegrees = static_cast<float>(segmentIndex + 1) * RING_SEGMENT_DEGREES;
    out_segmentStart = center + Vec2::MakeFromPolarDegrees(startDegrees, radius);
    out_segmentEnd = center + Vec2::MakeFromPolarDegrees(endDegrees, radius);
}

void AddVertsForRing2D(std::vector<Vertex_PCU>& verts, Vec2 const& center, float radius, Rgba8 const& color,
                       float thickness)
{
    verts.reserve(verts.size() + NUM_VERTS_PER_RING);
    for (int segmentIndex = 0; segmentIndex < NUM_RING_SEGMENTS; ++segmentIndex)
    {
        Vec2 segmentStart;
        Vec2 segmentEnd;
        GetRingSegmentEnds(center, radius, segmentIndex, segmentStart, segmentEnd);
        AddVertsForLine2D(verts, segmentStart, segmentEnd, color, thickness);
    }
}

void AddVertsForOBB2D(std::vector<Vertex_PCU>& verts, OBB2 const& box, Rgba8 const& color)
{
    AddVertsForOBB2D(verts, box, color, Vec2(0.f, 0.f), Vec2(1.f, 1.f));
}

void AddVertsForOBB2D(std::vector<Vertex_PCU>& verts, OBB2 const& box, Rgba8 const& color,
                      Vec2 const& uvAtMins, Vec2 const& uvAtMaxs)
{
    Vec2 cornerPoints[4];
    box.GetCornerPoints(cornerPoints);
    Vertex_PCU* quadVerts = AppendQuadSlots(verts);
    WriteQuad(quadVerts, cornerPoints[0], cornerPoints[2], cornerPoints[1], cornerPoints[3], color, uvAtMins,
              uvAtMaxs);
}
