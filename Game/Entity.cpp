#include "Game/Entity.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Game/DrawingHelpers.hpp"
#include "Game/Game.hpp"

namespace
{
constexpr float DEBUG_LINE_THICKNESS = 0.2f;
}  // namespace

Entity::Entity(Game* game, Vec2 const& position) : m_position(position), m_game(game) {}

void Entity::Update(float deltaSeconds)
{
    if (!m_isDead)
    {
        // The new velocity moves the position in the same step.
        m_velocity += m_acceleration * deltaSeconds;
        m_position += m_velocity * deltaSeconds;
        m_orientationDegrees += m_angularVelocity * deltaSeconds;
    }
    m_ageInSeconds += deltaSeconds;
}

void Entity::Render() const {}

void Entity::DebugRender() const
{
    Rgba8 const colorCosmetic(255, 0, 255, 255);
    Rgba8 const colorPhysics(0, 255, 255, 255);
    Rgba8 const colorVelocity(255, 255, 0, 255);
    DrawRing(m_position, m_cosmeticRadius, colorCosmetic, DEBUG_LINE_THICKNESS);
    DrawRing(m_position, m_physicsRadius, colorPhysics, DEBUG_LINE_THICKNESS);
    Vec2 const targetPos = m_position + m_velocity;
    DrawLine(m_position, targetPos, colorVelocity, DEBUG_LINE_THICKNESS);
}

void Entity::Die()
{
    m_isDead = true;
}

bool Entity::IsOffScreen() const
{
    float const margin = m_cosmeticRadius;
    // Each test negates the inside comparison, so a NaN coordinate is off the world.
    if (!(m_position.x > -margin))
    {
        return true;
    }
    if (!(m_position.x < WORLD_WIDTH + margin))
    {
        return true;
    }
    if (!(m_position.y > -margin))
    {
        return true;
    }
    if (!(m_position.y < WORLD_HEIGHT + margin))
    {
        return true;
    }
    return false;
}

Vec2 Entity::GetForwardVector() const
{
    return Vec2::MakeFromPolarDegrees(m_orientationDegrees, m_velocity.GetLength());
}

void Entity::SetAngularVelocity(float angularVelocityDegreesPerSecond)
{
    m_angularVelocity = angularVelocityDegreesPerSecond;
}

void Entity::SetPosition(Vec2 position)
{
    m_position = position;
}
