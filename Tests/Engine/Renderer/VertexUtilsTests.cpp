#include "Engine/Renderer/VertexUtils.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/OBB2.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
Rgba8 const COLOR(10, 20, 30, 40);
Vertex_PCU const EARLIER_VERTEX(Vec3(100.f, -100.f, 7.f), Rgba8(1, 2, 3, 4), Vec2(9.f, 9.f));

// Corners a, b, c, d at UV (min,min), (max,min), (min,max), (max,max), drawn a, b, c then c, b, d.
std::vector<Vertex_PCU> Quad(Vec2 a, Vec2 b, Vec2 c, Vec2 d, Vec2 uvMin = Vec2(0.f, 0.f),
                             Vec2 uvMax = Vec2(1.f, 1.f))
{
    Vec2 const uvB(uvMax.x, uvMin.y);
    Vec2 const uvC(uvMin.x, uvMax.y);
    return {{Vec3(a), COLOR, uvMin}, {Vec3(b), COLOR, uvB}, {Vec3(c), COLOR, uvC},
            {Vec3(c), COLOR, uvC},   {Vec3(b), COLOR, uvB}, {Vec3(d), COLOR, uvMax}};
}

// A line's corners drawn startRight, endRight, endLeft then startRight, endLeft, startLeft.
std::vector<Vertex_PCU> Line(Vec2 startRight, Vec2 endRight, Vec2 endLeft, Vec2 startLeft)
{
    Vec2 const uv(0.f, 0.f);
    return {{Vec3(startRight), COLOR, uv}, {Vec3(endRight), COLOR, uv}, {Vec3(endLeft), COLOR, uv},
            {Vec3(startRight), COLOR, uv}, {Vec3(endLeft), COLOR, uv},  {Vec3(startLeft), COLOR, uv}};
}

// The utilities append: what the list held before stays as it was.
void ExpectAppended(std::vector<Vertex_PCU> const& verts, std::vector<Vertex_PCU> const& expected)
{
    ASSERT_EQ(verts.size(), expected.size() + 1);
    EXPECT_EQ(verts[0].m_position, EARLIER_VERTEX.m_position);
    for (size_t index = 0; index < expected.size(); ++index)
    {
        SCOPED_TRACE("vertex " + std::to_string(index % 6) + " of shape " + std::to_string(index / 6));
        EXPECT_NEAR(verts[index + 1].m_position.x, expected[index].m_position.x, 1e-4f);
        EXPECT_NEAR(verts[index + 1].m_position.y, expected[index].m_position.y, 1e-4f);
        EXPECT_EQ(verts[index + 1].m_uvTexCoords, expected[index].m_uvTexCoords);
        EXPECT_EQ(verts[index + 1].m_color, COLOR);
    }
}
}  // namespace

// Shapes 0 to 6, one after another in the same list.
TEST(VertexUtils, EveryShapeAppendsItsCornersAndUVsInOrder)
{
    std::vector<Vertex_PCU> verts{EARLIER_VERTEX};
    std::vector<Vertex_PCU> expected;
    auto const expect = [&expected](std::vector<Vertex_PCU> const& shape)
    { expected.insert(expected.end(), shape.begin(), shape.end()); };

    AddVertsForAABB2D(verts, AABB2(0.f, 0.f, 2.f, 1.f), COLOR);
    expect(Quad(Vec2(0.f, 0.f), Vec2(2.f, 0.f), Vec2(0.f, 1.f), Vec2(2.f, 1.f)));
    AddVertsForAABB2D(verts, AABB2(-4.f, 8.f, -1.f, 9.5f), COLOR, Vec2(0.25f, 0.5f), Vec2(0.75f, 1.f));
    expect(Quad(Vec2(-4.f, 8.f), Vec2(-1.f, 8.f), Vec2(-4.f, 9.5f), Vec2(-1.f, 9.5f), Vec2(0.25f, 0.5f),
                Vec2(0.75f, 1.f)));
    Vertex_PCU filled[NUM_VERTS_PER_QUAD];
    FillVertsForAABB2D(filled, AABB2(1.5f, 2.f, 7.f, 3.25f), COLOR, Vec2(1.f, 0.f), Vec2(0.f, 1.f));
    verts.insert(verts.end(), filled, filled + NUM_VERTS_PER_QUAD);
    expect(Quad(Vec2(1.5f, 2.f), Vec2(7.f, 2.f), Vec2(1.5f, 3.25f), Vec2(7.f, 3.25f), Vec2(1.f, 0.f),
                Vec2(0.f, 1.f)));

    // Turned 90 degrees: i = (0, 1), half extents 2 along i and 1 along j = (-1, 0).
    OBB2 const turnedBox(Vec2(10.f, 20.f), Vec2(4.f, 2.f), Vec2(0.f, 1.f));
    Vec2 const corner0(11.f, 18.f), corner1(9.f, 18.f), corner2(11.f, 22.f), corner3(9.f, 22.f);
    AddVertsForOBB2D(verts, turnedBox, COLOR);
    expect(Quad(corner0, corner2, corner1, corner3));
    AddVertsForOBB2D(verts, turnedBox, COLOR, Vec2(0.5f, 0.25f), Vec2(1.f, 0.75f));
    expect(Quad(corner0, corner2, corner1, corner3, Vec2(0.5f, 0.25f), Vec2(1.f, 0.75f)));

    // Half the thickness past both ends: forward (3, 4) and left (-4, 3) for thickness 10.
    AddVertsForLine2D(verts, Vec2(0.f, 0.f), Vec2(3.f, 4.f), COLOR, 10.f);
    expect(Line(Vec2(1.f, -7.f), Vec2(10.f, 5.f), Vec2(2.f, 11.f), Vec2(-7.f, -1.f)));
    AddVertsForLine2D(verts, Vec2(5.f, 7.f), Vec2(5.f, 7.f), COLOR, 3.f);
    expect(Line(Vec2(5.f, 7.f), Vec2(5.f, 7.f), Vec2(5.f, 7.f), Vec2(5.f, 7.f)));
    ExpectAppended(verts, expected);
}

// 64 lines of 5.625 degrees counter-clockwise from +x, the last ending where the
// first began; a ring of radius 0 collapses on its centre.
TEST(AddVertsForRing2D, SixtyFourLinesAroundTheCenter)
{
    for (float const radius : {20.f, 0.f})
    {
        SCOPED_TRACE(radius);
        Vec2 const center(40.f, -12.f);
        float const thickness = 4.f;
        std::vector<Vertex_PCU> expected;
        for (int segment = 0; segment < 64; ++segment)
        {
            float const startDegrees = 5.625f * static_cast<float>(segment);
            AddVertsForLine2D(expected, center + Vec2::MakeFromPolarDegrees(startDegrees, radius),
                              center + Vec2::MakeFromPolarDegrees(startDegrees + 5.625f, radius), COLOR,
                              thickness);
        }
        std::vector<Vertex_PCU> verts{EARLIER_VERTEX};
        AddVertsForRing2D(verts, center, radius, COLOR, thickness);
        ExpectAppended(verts, expected);
    }
}
