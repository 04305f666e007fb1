#include "Game/DrawingHelpers.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Math/Vec3.hpp"
#include "Engine/Renderer/RenderContext.hpp"

namespace
{
constexpr int RING_NUM_SEGMENTS = 64;
constexpr float RING_DEGREES_PER_SEGMENT = 360.f / static_cast<float>(RING_NUM_SEGMENTS);
}  // namespace

void DrawLine(Vec2 const& start, Vec2 const& end, Rgba8 const& color, float thickness)
{
    Vec2 const displacement = end - start;
    float const halfThickness = 0.5f * thickness;
    Vec2 forwardVector = displacement.GetNormalized();
    forwardVector.SetLength(halfThickness);
    Vec2 const leftVector = forwardVector.GetRotated90Degrees();

    Vec2 const endLeft = end + forwardVector + leftVector;
    Vec2 const endRight = end + forwardVector - leftVector;
    Vec2 const startLeft = start - forwardVector + leftVector;
    Vec2 const startRight = start - forwardVector - leftVector;

    Vec2 const uv(0.f, 0.f);
    Vertex_PCU const vertexes[6] = {
        Vertex_PCU(Vec3(startRight), color, uv), Vertex_PCU(Vec3(endRight), color, uv),
        Vertex_PCU(Vec3(endLeft), color, uv),    Vertex_PCU(Vec3(startRight), color, uv),
        Vertex_PCU(Vec3(endLeft), color, uv),    Vertex_PCU(Vec3(startLeft), color, uv),
    };
    g_theRenderer->DrawVertexArray(6, vertexes);
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
