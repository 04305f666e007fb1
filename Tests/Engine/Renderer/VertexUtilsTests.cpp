#include "Engine/Renderer/VertexUtils.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/OBB2.hpp"
#include "Engine/Math/Vec2.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
Rgba8 const SHAPE_COLOR(10, 20, 30, 40);

struct ExpectedVertex
{
    Vec2 position;
    Vec2 uv;
};

// Exact where the inputs make every value exact in binary; tolerance otherwise.
void ExpectVertices(std::vector<Vertex_PCU> const& verts, std::vector<ExpectedVertex> const& expected,
                    float tolerance = 0.f)
{
    ASSERT_EQ(verts.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index)
    {
        SCOPED_TRACE("vertex " + std::to_string(index));
        EXPECT_NEAR(verts[index].m_position.x, expected[index].position.x, tolerance);
        EXPECT_NEAR(verts[index].m_position.y, expected[index].position.y, tolerance);
        EXPECT_EQ(verts[index].m_position.z, 0.f);
        EXPECT_EQ(verts[index].m_uvTexCoords, expected[index].uv);
        EXPECT_EQ(verts[index].m_color, SHAPE_COLOR);
    }
}
}  // namespace

TEST(AddVertsForAABB2D, TwoCounterClockwiseTrianglesWithUnitUVs)
{
    std::vector<Vertex_PCU> verts;
    AddVertsForAABB2D(verts, AABB2(0.f, 0.f, 2.f, 1.f), SHAPE_COLOR);
    ExpectVertices(verts, {
                              {Vec2(0.f, 0.f), Vec2(0.f, 0.f)},
                              {Vec2(2.f, 0.f), Vec2(1.f, 0.f)},
                              {Vec2(0.f, 1.f), Vec2(0.f, 1.f)},
                              {Vec2(0.f, 1.f), Vec2(0.f, 1.f)},
                              {Vec2(2.f, 0.f), Vec2(1.f, 0.f)},
                              {Vec2(2.f, 1.f), Vec2(1.f, 1.f)},
                          });
}

TEST(AddVertsForAABB2D, GivenUVsFollowTheSameCorners)
{
    std::vector<Vertex_PCU> verts;
    AddVertsForAABB2D(verts, AABB2(-4.f, 8.f, -1.f, 9.5f), SHAPE_COLOR, Vec2(0.25f, 0.5f), Vec2(0.75f, 1.f));
    ExpectVertices(verts, {
                              {Vec2(-4.f, 8.f), Vec2(0.25f, 0.5f)},
                              {Vec2(-1.f, 8.f), Vec2(0.75f, 0.5f)},
                              {Vec2(-4.f, 9.5f), Vec2(0.25f, 1.f)},
                              {Vec2(-4.f, 9.5f), Vec2(0.25f, 1.f)},
                              {Vec2(-1.f, 8.f), Vec2(0.75f, 0.5f)},
                              {Vec2(-1.f, 9.5f), Vec2(0.75f, 1.f)},
                          });
}

TEST(FillVertsForAABB2D, WritesWhatAddVertsForAABB2DAppends)
{
    AABB2 const bounds(1.5f, 2.f, 7.f, 3.25f);
    std::vector<Vertex_PCU> appended;
    AddVertsForAABB2D(appended, bounds, SHAPE_COLOR, Vec2(1.f, 0.f), Vec2(0.f, 1.f));
    Vertex_PCU filled[NUM_VERTS_PER_QUAD];
    FillVertsForAABB2D(filled, bounds, SHAPE_COLOR, Vec2(1.f, 0.f), Vec2(0.f, 1.f));
    for (int index = 0; index < NUM_VERTS_PER_QUAD; ++index)
    {
        SCOPED_TRACE(index);
        EXPECT_EQ(filled[index].m_position, appended[index].m_position);
        EXPECT_EQ(filled[index].m_uvTexCoords, appended[index].m_uvTexCoords);
        EXPECT_EQ(filled[index].m_color, appended[index].m_color);
    }
}

// Corners in order startRight, endRight, endLeft, startRight, endLeft, startLeft.
TEST(AddVertsForLine2D, ThickQuadReachingHalfTheThicknessPastBothEnds)
{
    struct Case
    {
        char const* name;
        Vec2 start;
        Vec2 end;
        float thickness;
        Vec2 startRight, endRight, endLeft, startLeft;
    };
    Case const CASES[] = {
        {"horizontal", Vec2(0.f, 0.f), Vec2(10.f, 0.f), 2.f, Vec2(-1.f, -1.f), Vec2(11.f, -1.f),
         Vec2(11.f, 1.f), Vec2(-1.f, 1.f)},
        {"vertical", Vec2(0.f, 0.f), Vec2(0.f, 4.f), 1.f, Vec2(0.5f, -0.5f), Vec2(0.5f, 4.5f),
         Vec2(-0.5f, 4.5f), Vec2(-0.5f, -0.5f)},
        {"leftward", Vec2(5.f, 3.f), Vec2(1.f, 3.f), 4.f, Vec2(7.f, 5.f), Vec2(-1.f, 5.f), Vec2(-1.f, 1.f),
         Vec2(7.f, 1.f)},
        // forward (3,4) and left (-4,3) for thickness 10 along a 3-4-5 direction
        {"diagonal", Vec2(0.f, 0.f), Vec2(3.f, 4.f), 10.f, Vec2(1.f, -7.f), Vec2(10.f, 5.f), Vec2(2.f, 11.f),
         Vec2(-7.f, -1.f)},
        {"zero length", Vec2(5.f, 7.f), Vec2(5.f, 7.f), 3.f, Vec2(5.f, 7.f), Vec2(5.f, 7.f), Vec2(5.f, 7.f),
         Vec2(5.f, 7.f)},
        {"zero thickness", Vec2(1.f, 2.f), Vec2(3.f, 2.f), 0.f, Vec2(1.f, 2.f), Vec2(3.f, 2.f),
         Vec2(3.f, 2.f), Vec2(1.f, 2.f)},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        std::vector<Vertex_PCU> verts;
        AddVertsForLine2D(verts, testCase.start, testCase.end, SHAPE_COLOR, testCase.thickness);
        Vec2 const uv(0.f, 0.f);
        ExpectVertices(verts,
                       {
                           {testCase.startRight, uv},
                           {testCase.endRight, uv},
                           {testCase.endLeft, uv},
                           {testCase.startRight, uv},
                           {testCase.endLeft, uv},
                           {testCase.startLeft, uv},
                       },
                       1e-5f);
    }
}

// With no thickness each segment's first vertex is its start and its second its end.
TEST(AddVertsForRing2D, SixtyFourSegmentsAroundTheCenterStartingOnPlusX)
{
    Vec2 const center(40.f, -12.f);
    float const radius = 20.f;
    std::vector<Vertex_PCU> verts;
    AddVertsForRing2D(verts, center, radius, SHAPE_COLOR, 0.f);
    ASSERT_EQ(verts.size(), 384u);
    EXPECT_EQ(verts[0].m_position, Vec3(60.f, -12.f, 0.f));

    for (int segment = 0; segment < 64; ++segment)
    {
        SCOPED_TRACE("segment " + std::to_string(segment));
        Vec2 const expectedStart =
            center + Vec2::MakeFromPolarDegrees(5.625f * static_cast<float>(segment), radius);
        Vec2 const expectedEnd =
            center + Vec2::MakeFromPolarDegrees(5.625f * static_cast<float>(segment + 1), radius);
        Vertex_PCU const& segmentStart = verts[static_cast<size_t>(segment) * 6];
        Vertex_PCU const& segmentEnd = verts[static_cast<size_t>(segment) * 6 + 1];
        EXPECT_NEAR(segmentStart.m_position.x, expectedStart.x, 1e-4f);
        EXPECT_NEAR(segmentStart.m_position.y, expectedStart.y, 1e-4f);
        EXPECT_NEAR(segmentEnd.m_position.x, expectedEnd.x, 1e-4f);
        EXPECT_NEAR(segmentEnd.m_position.y, expectedEnd.y, 1e-4f);
    }
    // The last segment closes the ring on the first point.
    EXPECT_NEAR(verts[63 * 6 + 1].m_position.x, 60.f, 1e-4f);
    EXPECT_NEAR(verts[63 * 6 + 1].m_position.y, -12.f, 1e-4f);
}

TEST(AddVertsForRing2D, ThickRingStaysWithinItsThicknessOfTheCircle)
{
    Vec2 const center(0.f, 0.f);
    float const radius = 50.f;
    float const thickness = 4.f;
    std::vector<Vertex_PCU> verts;
    AddVertsForRing2D(verts, center, radius, SHAPE_COLOR, thickness);
    ASSERT_EQ(verts.size(), 384u);
    // Each corner lies half the thickness across the ring from a point on a chord
    // and at most half the thickness past a segment end, so within a thickness of the circle.
    float const innerLimit = radius - thickness;
    float const outerLimit = radius + thickness;
    for (Vertex_PCU const& vertex : verts)
    {
        float const distance = Vec2(vertex.m_position.x, vertex.m_position.y).GetLength();
        EXPECT_GE(distance, innerLimit);
        EXPECT_LE(distance, outerLimit);
        EXPECT_EQ(vertex.m_color, SHAPE_COLOR);
        EXPECT_EQ(vertex.m_uvTexCoords, Vec2(0.f, 0.f));
    }
}

TEST(AddVertsForRing2D, ZeroRadiusAndThicknessCollapseOnTheCenter)
{
    std::vector<Vertex_PCU> verts;
    AddVertsForRing2D(verts, Vec2(3.f, 4.f), 0.f, SHAPE_COLOR, 0.f);
    ASSERT_EQ(verts.size(), 384u);
    for (Vertex_PCU const& vertex : verts)
    {
        EXPECT_EQ(vertex.m_position, Vec3(3.f, 4.f, 0.f));
    }
}

// Corners 0, 2, 1, 1, 2, 3 of the box: i = (0, 2) and j = (-1, 0) for a box turned 90 degrees.
TEST(AddVertsForOBB2D, CornersZeroTwoOneThenOneTwoThree)
{
    OBB2 const box(Vec2(10.f, 20.f), Vec2(4.f, 2.f), Vec2(0.f, 1.f));
    Vec2 const corner0(11.f, 18.f);
    Vec2 const corner1(9.f, 18.f);
    Vec2 const corner2(11.f, 22.f);
    Vec2 const corner3(9.f, 22.f);

    std::vector<Vertex_PCU> verts;
    AddVertsForOBB2D(verts, box, SHAPE_COLOR);
    ExpectVertices(verts,
                   {
                       {corner0, Vec2(0.f, 0.f)},
                       {corner2, Vec2(1.f, 0.f)},
                       {corner1, Vec2(0.f, 1.f)},
                       {corner1, Vec2(0.f, 1.f)},
                       {corner2, Vec2(1.f, 0.f)},
                       {corner3, Vec2(1.f, 1.f)},
                   },
                   1e-5f);

    std::vector<Vertex_PCU> textured;
    AddVertsForOBB2D(textured, box, SHAPE_COLOR, Vec2(0.5f, 0.25f), Vec2(1.f, 0.75f));
    ExpectVertices(textured,
                   {
                       {corner0, Vec2(0.5f, 0.25f)},
                       {corner2, Vec2(1.f, 0.25f)},
                       {corner1, Vec2(0.5f, 0.75f)},
                       {corner1, Vec2(0.5f, 0.75f)},
                       {corner2, Vec2(1.f, 0.25f)},
                       {corner3, Vec2(1.f, 0.75f)},
                   },
                   1e-5f);
}

// Every utility appends; what the list held before stays as it was.
TEST(VertexUtils, AppendingLeavesExistingVerticesUntouched)
{
    struct Case
    {
        char const* name;
        size_t appendedCount;
        std::function<void(std::vector<Vertex_PCU>&)> append;
    };
    Case const CASES[] = {
        {"box", 6, [](auto& verts) { AddVertsForAABB2D(verts, AABB2(0.f, 0.f, 1.f, 1.f), SHAPE_COLOR); }},
        {"box with UVs", 6,
         [](auto& verts) {
             AddVertsForAABB2D(verts, AABB2(0.f, 0.f, 1.f, 1.f), SHAPE_COLOR, Vec2(0.f, 0.f), Vec2(1.f, 1.f));
         }},
        {"line", 6,
         [](auto& verts) { AddVertsForLine2D(verts, Vec2(0.f, 0.f), Vec2(1.f, 1.f), SHAPE_COLOR, 1.f); }},
        {"ring", 384, [](auto& verts) { AddVertsForRing2D(verts, Vec2(0.f, 0.f), 5.f, SHAPE_COLOR, 1.f); }},
        {"oriented box", 6,
         [](auto& verts)
         { AddVertsForOBB2D(verts, OBB2(Vec2(0.f, 0.f), Vec2(2.f, 2.f), 30.f), SHAPE_COLOR); }},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        std::vector<Vertex_PCU> verts;
        for (int index = 0; index < 5; ++index)
        {
            float const value = static_cast<float>(index) + 100.f;
            verts.emplace_back(Vec3(value, -value, value), Rgba8(1, 2, 3, 4), Vec2(value, value));
        }
        std::vector<Vertex_PCU> const before = verts;

        testCase.append(verts);

        ASSERT_EQ(verts.size(), before.size() + testCase.appendedCount);
        for (size_t index = 0; index < before.size(); ++index)
        {
            EXPECT_EQ(verts[index].m_position, before[index].m_position);
            EXPECT_EQ(verts[index].m_color, before[index].m_color);
            EXPECT_EQ(verts[index].m_uvTexCoords, before[index].m_uvTexCoords);
        }
    }
}
