#pragma once
// The player's 16 x 16 square selector, drawn as red corner brackets. The game
// owns it and moves it with Translate; it never updates or dies by itself.

#include "Engine/Math/AABB2.hpp"
#include "Game/Entity.hpp"

class Cursor final : public Entity
{
public:
    Cursor(Game* game, Vec2 const& position);

    void Update(float deltaSeconds) override;
    void Render() const override;  // 8 segments, 48 vertices, one draw
    void Die() override;

    void Translate(Vec2 const& displacement);  // no clamping: the game checks the world bounds

    AABB2 GetAABB2() const
    {
        Vec2 const halfSize(m_size * 0.5f, m_size * 0.5f);
        return AABB2(m_position - halfSize, m_position + halfSize);
    }

public:
    float m_size = 16.f;  // side, world units; a cursor step is half of it
    bool m_isVisible = true;
};
