#pragma once
// One vertex as the renderer draws it: position, colour, texture coordinates.
// Every three vertices of a list make one triangle.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Math/Vec3.hpp"

struct Vertex_PCU
{
    Vec3 m_position;
    Rgba8 m_color;
    Vec2 m_uvTexCoords;

    constexpr Vertex_PCU() = default;  // origin, opaque white, uv (0,0)
    constexpr Vertex_PCU(Vec3 const& position, Rgba8 const& color, Vec2 const& uvTexCoords)
        : m_position(position), m_color(color), m_uvTexCoords(uvTexCoords)
    {
    }
};
