#pragma once
// One coloured square: the atom of every text on screen and of the dot bank.
// Owned by the Game's dot lists; deleted through Dot*, hence final.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Game/Entity.hpp"

#include <vector>

struct Vertex_PCU;

class Dot final : public Entity
{
public:
    Dot(Game* game, Vec2 const& position, float size, Rgba8 const& color);

    void Update(float deltaSeconds) override;  // off-world test first (free or not), then physics if free
    void Render() const override;              // a single immediate draw; the game batches with AppendVerts
    void Die() override;                       // banks a replacement unless m_skipBanking

    void BreakFree(Vec2 const& velocity);  // the caller checks m_isFree and m_isUnbreakable
    void AppendVerts(std::vector<Vertex_PCU>& verts) const;

    // The hit box is centred on the position; the drawn box starts at it.
    AABB2 GetAABB2() const
    {
        Vec2 const halfSize(m_size * 0.5f, m_size * 0.5f);
        return AABB2(m_position - halfSize, m_position + halfSize);
    }
    AABB2 GetDrawnAABB2() const { return AABB2(m_position, m_position + Vec2(m_size, m_size)); }
    bool IsFree() const { return m_isFree; }

public:
    bool m_isUnbreakable = false;
    bool m_skipBanking = false;  // when set, Die banks nothing
    float m_size = 1.f;          // world units; 1 for banked dots, the text scale for text dots
    Rgba8 m_color;
    bool m_isFree = false;  // broken loose; only then does the physics step run
};
