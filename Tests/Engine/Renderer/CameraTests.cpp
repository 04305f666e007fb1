#include "Engine/Renderer/Camera.hpp"

#include <gtest/gtest.h>

// Not clamped: points outside the view map outside [0, 1] and back again.
TEST(Camera, NormalizedAndWorldPositionsRoundTrip)
{
    Camera camera;
    camera.SetOrthoView(Vec2(-16.f, 8.f), Vec2(240.f, 200.f));
    Vec2 const CASES[][2] = {{Vec2(0.25f, 0.75f), Vec2(48.f, 152.f)},
                             {Vec2(-0.5f, 1.5f), Vec2(-144.f, 296.f)}};
    for (auto const& [normalized, world] : CASES)
    {
        EXPECT_TRUE(camera.ConvertNormalizedToWorld(normalized) == world &&
                    camera.ConvertWorldToNormalized(world) == normalized)
            << normalized.GetAsString();
    }
}
