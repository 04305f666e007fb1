#include "Game/DrawingHelpers.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/VertexUtils.hpp"

void DrawLine(Vec2 const& start, Vec2 const& end, Rgba8 const& color, float thickness)
{
    Vertex_PCU vertexes[NUM_VERTS_PER_QUAD];
    FillVertsForLine2D(vertexes, start, end, color, thickness);
    g_theRenderer->DrawVertexArray(NUM_VERTS_PER_QUAD, vertexes);
}

void DrawRing(Vec2 const& center, float radius, Rgba8 const& color, float thickness)
{
    for (int segmentIndex = 0; segmentIndex < NUM_RING_SEGMENTS; ++segmentIndex)
    {
        Vec2 start;
        Vec2 end;
        GetRingSegmentEnds(center, radius, segmentIndex, start, end);
        DrawLine(start, end, color, thickness);
    }
}
