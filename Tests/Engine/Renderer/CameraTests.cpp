#include "Engine/Renderer/Camera.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

TEST(Camera, NewCameraHasEveryFieldZero)
{
    Camera const camera;
    EXPECT_EQ(camera.m_orthoLeft, 0.f);
    EXPECT_EQ(camera.m_orthoRight, 0.f);
    EXPECT_EQ(camera.m_orthoTop, 0.f);
    EXPECT_EQ(camera.m_orthoBottom, 0.f);
    EXPECT_EQ(camera.m_orthoNear, 0.f);
    EXPECT_EQ(camera.m_orthoFar, 0.f);
}

// Six floats in the order left, right, top, bottom, near, far.
TEST(Camera, FieldsKeepTheirOrder)
{
    EXPECT_EQ(offsetof(Camera, m_orthoLeft), 0 * sizeof(float));
    EXPECT_EQ(offsetof(Camera, m_orthoRight), 1 * sizeof(float));
    EXPECT_EQ(offsetof(Camera, m_orthoTop), 2 * sizeof(float));
    EXPECT_EQ(offsetof(Camera, m_orthoBottom), 3 * sizeof(float));
    EXPECT_EQ(offsetof(Camera, m_orthoNear), 4 * sizeof(float));
    EXPECT_EQ(offsetof(Camera, m_orthoFar), 5 * sizeof(float));
    EXPECT_EQ(sizeof(Camera), 6 * sizeof(float));
}

TEST(Camera, SetOrthoViewFillsTheViewVolumeAndItsGetters)
{
    Camera camera;
    camera.m_orthoNear = 5.f;
    camera.m_orthoFar = -5.f;
    camera.SetOrthoView(Vec2(-10.f, 5.f), Vec2(30.f, 45.5f));

    EXPECT_EQ(camera.m_orthoLeft, -10.f);
    EXPECT_EQ(camera.m_orthoRight, 30.f);
    EXPECT_EQ(camera.m_orthoTop, 45.5f);
    EXPECT_EQ(camera.m_orthoBottom, 5.f);
    EXPECT_EQ(camera.m_orthoNear, 0.f);
    EXPECT_EQ(camera.m_orthoFar, 1.f);

    EXPECT_EQ(camera.GetOrthoBottomLeft(), Vec2(-10.f, 5.f));
    EXPECT_EQ(camera.GetOrthoTopRight(), Vec2(30.f, 45.5f));
    EXPECT_EQ(camera.GetOrthoDimensions(), Vec2(40.f, 40.5f));
    EXPECT_EQ(camera.GetOrthoBounds(), AABB2(-10.f, 5.f, 30.f, 45.5f));
}

TEST(Camera, Translate2DMovesTheViewButNotNearOrFar)
{
    Camera camera;
    camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(256.f, 192.f));
    camera.m_orthoNear = 0.25f;
    camera.m_orthoFar = 0.75f;
    camera.Translate2D(Vec2(3.f, -2.f));

    EXPECT_EQ(camera.m_orthoLeft, 3.f);
    EXPECT_EQ(camera.m_orthoRight, 259.f);
    EXPECT_EQ(camera.m_orthoTop, 190.f);
    EXPECT_EQ(camera.m_orthoBottom, -2.f);
    EXPECT_EQ(camera.m_orthoNear, 0.25f);
    EXPECT_EQ(camera.m_orthoFar, 0.75f);
    EXPECT_EQ(camera.GetOrthoDimensions(), Vec2(256.f, 192.f));
}

// Not clamped: points outside the view map outside [0, 1] and back again.
TEST(Camera, NormalizedAndWorldPositionsRoundTrip)
{
    Camera camera;
    camera.SetOrthoView(Vec2(-16.f, 8.f), Vec2(240.f, 200.f));
    struct Case
    {
        Vec2 normalized;
        Vec2 world;
    };
    Case const CASES[] = {
        {Vec2(0.f, 0.f), Vec2(-16.f, 8.f)},       {Vec2(1.f, 1.f), Vec2(240.f, 200.f)},
        {Vec2(0.5f, 0.5f), Vec2(112.f, 104.f)},   {Vec2(1.f, 0.f), Vec2(240.f, 8.f)},
        {Vec2(-0.5f, 1.5f), Vec2(-144.f, 296.f)}, {Vec2(0.25f, 0.75f), Vec2(48.f, 152.f)},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.normalized.GetAsString());
        EXPECT_EQ(camera.ConvertNormalizedToWorld(testCase.normalized), testCase.world);
        EXPECT_EQ(camera.ConvertWorldToNormalized(testCase.world), testCase.normalized);
    }
}

TEST(Camera, BoxesConvertCornerByCorner)
{
    Camera camera;
    camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(256.f, 192.f));
    camera.Translate2D(Vec2(64.f, -32.f));
    AABB2 const normalizedBox(0.25f, 0.5f, 0.75f, 1.25f);
    AABB2 const worldBox = camera.ConvertNormalizedBoxToWorld(normalizedBox);
    EXPECT_EQ(worldBox, AABB2(128.f, 64.f, 256.f, 208.f));
    EXPECT_EQ(camera.ConvertWorldBoxToNormalized(worldBox), normalizedBox);
}

TEST(Camera, ViewWithoutWidthGivesNonFiniteNormalizedX)
{
    Camera camera;
    camera.SetOrthoView(Vec2(5.f, 0.f), Vec2(5.f, 10.f));
    Vec2 const normalized = camera.ConvertWorldToNormalized(Vec2(7.f, 5.f));
    EXPECT_FALSE(std::isfinite(normalized.x));
    EXPECT_EQ(normalized.y, 0.5f);
}
