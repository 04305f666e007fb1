#include "Game/Dot.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/VertexUtils.hpp"
#include "Game/Game.hpp"

namespace
{
constexpr float DOT_GRAVITY_Y = -100.f;  // world units per second squared, on broken dots
}

Dot::Dot(Game* game, Vec2 const& position, float size, Rgba8 const& color)
    : Entity(game, position), m_size(size), m_color(color)
{
}

void Dot::Update(float deltaSeconds)
{
    // A dot dies once: a second death would bank a dot out of nothing.
    if (!m_isDead && IsOffScreen())
    {
        // Leaving the world always banks, whatever the flag said.
        m_skipBanking = false;
        Die();
    }
    if (m_isFree)
    {
        Entity::Update(deltaSeconds);
    }
}

void Dot::Render() const
{
    std::vector<Vertex_PCU> vertexes;
    AddVertsForAABB2D(vertexes, GetDrawnAABB2(), m_color);
    g_theRenderer->DrawVertexArray(vertexes);
}

void Dot::Die()
{
    m_isDead = true;
    m_isGarbage = true;
    if (!m_skipBanking && m_game != nullptr)
    {
        m_game->BankDot(m_color);
    }
}

void Dot::BreakFree(Vec2 const& velocity)
{
    m_isFree = true;
    m_velocity = velocity;
    m_acceleration = Vec2(0.f, DOT_GRAVITY_Y);
}

void Dot::AppendVerts(std::vector<Vertex_PCU>& verts) const
{
    AddVertsForAABB2D(verts, GetDrawnAABB2(), m_color);
}
