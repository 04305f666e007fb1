#include "Game/DrawingHelpers.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/VertexUtils.hpp"

#include <vector>

namespace
{
constexpr int RING_NUM_SEGMENTS = 64;
constexpr float RING_DEGREES_PER_SEGMENT = 360.f / static_cast<float>(RING_NUM_SEGMENTS);
}  // namespace

void DrawLine(Vec2 const& start, Vec2 const& end, Rgba8 const& color, float thickness)
{
    std::vector<Vertex_PCU> vertexes;
    AddVertsForLine2D(vertexes, start, end, color, thickness);
    g_theRenderer->DrawVertexArray(static_cast<int>(vertexes.size()), vertexes.data());
}

void DrawRing(Vec2 const& center, float radius, Rgba8 const& color, float thickness)
{
    // Angles come from the integer index each time, so the last segment closes exactly.
    for (int segmentIndex = 0; segmentIndex < RING_NUM_SEGMENTS; ++segmentIndex)
    {
        float const startDegrees = static_cast<float>(segmentIndex) * RING_DEGREES_PER_SEGMENT;
        float const endDegrees = static_cast<float>(segmentIndex + 1) * RING_DEGREES_PER_SEGMENT;
        Vec2 const start = center + Vec2::MakeFromPolarDegrees(startDegrees, radius);
        Vec2 const end = center + Vec2::MakeFromPolarDegrees(endDegrees, radius);
        DrawLine(start, end, color, thickness);
    }
}
