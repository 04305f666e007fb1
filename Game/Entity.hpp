#pragma once
// Base of every game object (dots and the cursor): kinematic state, life flags and
// a back-pointer to the owning Game. Fourteen virtual operations and no virtual
// destructor, so owners delete objects through their concrete type.

#include "Engine/Math/Vec2.hpp"

class Game;

class Entity
{
public:
    Entity(Game* game, Vec2 const& position);

    // Declared in the design's order. Derived classes override by name; nothing
    // reads the virtual table by position, so the order carries no meaning to code.
    virtual void Update(float deltaSeconds);  // semi-implicit Euler; frozen once dead, age always grows
    virtual void Render() const;
    virtual void DebugRender() const;
    virtual void Die();
    virtual bool IsOffScreen() const;       // on the margin counts as off; NaN counts as off
    virtual Vec2 GetForwardVector() const;  // length is the speed, not 1
    virtual Vec2 GetPosition() const { return m_position; }
    virtual float GetOrientationDegrees() const { return m_orientationDegrees; }
    virtual float GetPhysicsRadius() const { return m_physicsRadius; }
    virtual int GetHealth() const { return m_health; }
    virtual bool IsDead() const { return m_isDead; }
    virtual bool IsGarbage() const { return m_isGarbage; }
    virtual void SetAngularVelocity(float angularVelocityDegreesPerSecond);
    virtual void SetPosition(Vec2 position);

protected:
    // Not virtual on purpose (see above); protected so that nobody deletes through Entity*.
    ~Entity() = default;
    Entity(Entity const&) = default;
    Entity& operator=(Entity const&) = default;

public:
    Vec2 m_position;
    Vec2 m_velocity;
    Vec2 m_acceleration;
    float m_orientationDegrees = 0.f;
    float m_angularVelocity = 0.f;  // degrees per second
    float m_physicsRadius = 10.f;
    float m_cosmeticRadius = 20.f;  // also the margin of IsOffScreen
    float m_ageInSeconds = 0.f;
    int m_health = 0;
    bool m_isDead = false;
    bool m_isGarbage = false;  // tells the owner to drop the object from its lists
    Game* m_game = nullptr;    // not owned
};
