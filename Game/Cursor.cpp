#include "Game/Cursor.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/VertexUtils.hpp"

#include <vector>

namespace
{
constexpr float CURSOR_LINE_THICKNESS = 1.f;

// Reused every frame, so that drawing the cursor allocates nothing once it has
// been drawn. One thread draws.
std::vector<Vertex_PCU> s_cursorVertexes;
}  // namespace

Cursor::Cursor(Game* game, Vec2 const& position) : Entity(game, position) {}

void Cursor::Update(float deltaSeconds)
{
    (void)deltaSeconds;
}

void Cursor::Render() const
{
    if (!m_isVisible)
    {
        return;
    }
    std::vector<Vertex_PCU>& vertexes = s_cursorVertexes;
    vertexes.clear();
    Rgba8 const red(255, 0, 0, 255);

    // Each side keeps its outer thirds; the middle third stays open.
    float const s = m_size;
    float const a = -s / 2.f;
    float const b = a + s / 3.f;
    float const c = a + (s * 2.f) / 3.f;
    float const d = s / 2.f;
    struct Segment
    {
        Vec2 startOffset;
        Vec2 endOffset;
    };
    Segment const segments[] = {
        {Vec2(a, a), Vec2(a, b)}, {Vec2(a, c), Vec2(a, d)}, {Vec2(a, a), Vec2(b, a)},
        {Vec2(c, a), Vec2(d, a)}, {Vec2(d, a), Vec2(d, b)}, {Vec2(d, c), Vec2(d, d)},
        {Vec2(a, d), Vec2(b, d)}, {Vec2(c, d), Vec2(d, d)},
    };
    for (Segment const& segment : segments)
    {
        AddVertsForLine2D(vertexes, m_position + segment.startOffset, m_position + segment.endOffset, red,
                          CURSOR_LINE_THICKNESS);
    }
    g_theRenderer->DrawVertexArray(vertexes);
}

void Cursor::Die() {}

void Cursor::Translate(Vec2 const& displacement)
{
    m_position += displacement;
}
