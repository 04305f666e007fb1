#include "Engine/Renderer/VertexUtils.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Shapes are checked by what they cover, not by the order of their vertices. Their
// UVs are drawn, and checked, by the texture and font tests.
namespace
{
Rgba8 const COLOR(10, 20, 30, 40);
Vertex_PCU const EARLIER_VERTEX(Vec3(100.f, -100.f, 7.f), Rgba8(1, 2, 3, 4), Vec2(9.f, 9.f));

Vec2 At(std::vector<Vertex_PCU> const& verts, size_t index)
{
    return Vec2(verts[index].m_position.x, verts[index].m_position.y);
}

// Twice the signed area: positive for counter-clockwise corners.
float GetWindingArea(Vec2 const& a, Vec2 const& b, Vec2 const& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// On or inside a triangle of the list after the earlier vertex; flat ones cover nothing.
bool IsCoveredByTriangles(std::vector<Vertex_PCU> const& verts, Vec2 const& point)
{
    for (size_t index = 1; index + 2 < verts.size(); index += 3)
    {
        Vec2 const a = At(verts, index), b = At(verts, index + 1), c = At(verts, index + 2);
        if (GetWindingArea(a, b, c) > 0.f && GetWindingArea(a, b, point) >= 0.f &&
            GetWindingArea(b, c, point) >= 0.f && GetWindingArea(c, a, point) >= 0.f)
        {
            return true;
        }
    }
    return false;
}

// After the untouched earlier vertex: the expected count, every triangle
// counter-clockwise (or flat), every vertex in the shape's colour at z = 0.
std::vector<Vertex_PCU> AppendShape(std::function<void(std::vector<Vertex_PCU>&)> const& add, size_t count)
{
    std::vector<Vertex_PCU> verts{EARLIER_VERTEX};
    add(verts);
    EXPECT_EQ(verts.size(), count + 1);
    EXPECT_EQ(verts[0].m_position, EARLIER_VERTEX.m_position);
    for (size_t index = 1; index < verts.size(); ++index)
    {
        bool const isTriangleStart = index % 3 == 1 && index + 2 < verts.size();
        EXPECT_TRUE(verts[index].m_color == COLOR && verts[index].m_position.z == 0.f &&
                    (!isTriangleStart ||
                     GetWindingArea(At(verts, index), At(verts, index + 1), At(verts, index + 2)) >= 0.f))
            << index;
    }
    return verts;
}
}  // namespace

// Points a hair inside each shape are covered, points a hair outside are not.
// Boxes and thick lines (the dots, DrawLine) are drawn by the game's tests; here
// the rest. The turned box is 4 long along +y and 2 wide. A glyph at cell height
// 10 and aspect 0.5 is 5 x 10: placed by its alignment in the box (0, 0)-(40, 20),
// where a larger one overhangs away from its alignment, or at the point (40, 20).
// The ring, radius 20 and 0.5 thick, has no gap where it starts and ends; its
// chords bring the inner edge 0.024 closer to the centre between their ends.
TEST(VertexUtils, ShapesCoverTheirAreaAndNothingBeyond)
{
    Vec2 const center(40.f, -12.f);
    Texture const texture(0, 256, 256, 4, "font.png");  // never uploaded
    BitmapFont const font("font", texture);
    AABB2 const box(0.f, 0.f, 40.f, 20.f);
    struct Case
    {
        char const* shape;
        std::function<void(std::vector<Vertex_PCU>&)> add;
        std::vector<Vec2> inside, outside;
        size_t count = NUM_VERTS_PER_QUAD;
    };
    Case const CASES[] = {
        {"turned box",
         [](auto& verts)
         { AddVertsForOBB2D(verts, OBB2(Vec2(10.f, 20.f), Vec2(4.f, 2.f), Vec2(0.f, 1.f)), COLOR); },
         {Vec2(10.99f, 21.99f), Vec2(9.01f, 18.01f)},
         {Vec2(11.01f, 20.f), Vec2(10.f, 22.01f), Vec2(11.9f, 20.9f)}},
        {"text at the top, a quarter from the left of a box",
         [&](auto& out) { font.AddVertsForTextInBox2D(out, box, 10.f, "A", COLOR, 0.5f, Vec2(0.25f, 1.f)); },
         {Vec2(8.76f, 10.01f), Vec2(13.74f, 19.99f)},
         {Vec2(8.74f, 15.f), Vec2(13.76f, 15.f), Vec2(11.25f, 9.99f), Vec2(11.25f, 20.01f)}},
        {"text larger than its box",
         [&](auto& out) { font.AddVertsForTextInBox2D(out, box, 60.f, "A", COLOR, 0.5f, ALIGN_CENTERED); },
         {Vec2(5.01f, -19.99f), Vec2(34.99f, 39.99f)},
         {Vec2(4.99f, 10.f), Vec2(35.01f, 10.f), Vec2(20.f, -20.01f), Vec2(20.f, 40.01f)}},
        {"text at a point",
         [&](auto& out)
         { font.AddVertsForText2D(out, Vec2(40.f, 20.f), 10.f, "A", COLOR, 0.5f, ALIGN_BOTTOM_RIGHT); },
         {Vec2(35.01f, 20.01f), Vec2(39.99f, 29.99f)},
         {Vec2(34.99f, 25.f), Vec2(40.01f, 25.f), Vec2(37.5f, 19.99f), Vec2(37.5f, 30.01f)}},
        {"ring",
         [&](auto& out) { AddVertsForRing2D(out, center, 20.f, COLOR, 0.5f); },
         {center + Vec2(20.f, -0.002f), center + Vec2(20.f, 0.1f), center - Vec2(20.2f, 0.f)},
         {center + Vec2(0.f, 20.3f), center + Vec2::MakeFromPolarDegrees(2.8f, 19.7f), center},
         NUM_VERTS_PER_RING},
        // No direction to normalise: a NaN would fail the winding check.
        {"line of no length",
         [](auto& out) { AddVertsForLine2D(out, Vec2(5.f, 7.f), Vec2(5.f, 7.f), COLOR, 3.f); },
         {},
         {Vec2(5.f, 7.f)}},
    };
    for (Case const& testCase : CASES)
    {
        std::vector<Vertex_PCU> const verts = AppendShape(testCase.add, testCase.count);
        for (bool const isInside : {true, false})
        {
            for (Vec2 const& point : isInside ? testCase.inside : testCase.outside)
            {
                EXPECT_EQ(IsCoveredByTriangles(verts, point), isInside)
                    << testCase.shape << " " << point.GetAsString();
            }
        }
    }
}
