// Where the 4:3 picture goes in a drawable of another shape: centred between
// black bars, in the engine's own window as it is resized.

#include "Engine/Platform/Window.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/Viewport.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST(ComputeLetterboxViewport, LargestCenteredFourByThreeRectangle)
{
    struct Case
    {
        IntVec2 drawableSize;
        Viewport expected;
    };
    Case const CASES[] = {
        {IntVec2(640, 480), {IntVec2(0, 0), IntVec2(640, 480)}},     // exact 4:3 fills it
        {IntVec2(800, 400), {IntVec2(133, 0), IntVec2(533, 400)}},   // wide: bars left and right
        {IntVec2(400, 800), {IntVec2(0, 250), IntVec2(400, 300)}},   // tall: bars below and above
        {IntVec2(1001, 600), {IntVec2(100, 0), IntVec2(800, 600)}},  // odd pixel to the right bar
        {IntVec2(1296, 973), {IntVec2(0, 0), IntVec2(1296, 972)}},   // odd pixel to the top bar
        {IntVec2(1, 1), {IntVec2(0, 0), IntVec2(1, 0)}},             // too small for a whole row
        {IntVec2(1 << 30, 1 << 30), {IntVec2(0, 134217728), IntVec2(1 << 30, 805306368)}},  // no overflow
        {IntVec2(0, 600), {}},
        {IntVec2(-800, 600), {}},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.drawableSize.GetAsString());
        Viewport const viewport = ComputeLetterboxViewport(testCase.drawableSize, 4.f / 3.f);
        EXPECT_EQ(viewport, testCase.expected)
            << viewport.mins.GetAsString() << " size " << viewport.dimensions.GetAsString();
    }
}

// In drawable pixels: the viewport moves to the picture, and the bars around it
// stay black.
TEST(RenderContextWindowTest, ResizedWindowLetterboxesThePicture)
{
    ASSERT_TRUE(KeepVideoSubsystemForTheProcess()) << SDL_GetError();
    CreateOSWindow(4.f / 3.f, "RenderContextWindowTest");
    CreateOpenGLRenderingContext();
    RenderContext renderer;
    renderer.Startup();
    Rgba8 const black(0, 0, 0), clearColor(30, 60, 90);
    for (IntVec2 const& size : {IntVec2(800, 400), IntVec2(400, 800), IntVec2(640, 480), IntVec2(1001, 600)})
    {
        SCOPED_TRACE(size.GetAsString());
        SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), size.x, size.y);
        // The limit is for a hung server, not a pace.
        for (Uint32 const start = SDL_GetTicks();
             GetOSWindowDrawableSize() != size && SDL_GetTicks() - start < 10000; SDL_Delay(5))
        {
            RunMessagePump();
        }
        ASSERT_EQ(GetOSWindowDrawableSize(), size);

        renderer.BeginFrame();
        Viewport const picture = ComputeLetterboxViewport(size, 4.f / 3.f);
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(IntVec2(viewport[0], viewport[1]), picture.mins);
        EXPECT_EQ(IntVec2(viewport[2], viewport[3]), picture.dimensions);

        // The clear stays inside the picture: its corners and as many pixels as it has, the rest black.
        renderer.ClearScreen(clearColor);
        std::vector<Rgba8> frame(static_cast<size_t>(size.x) * static_cast<size_t>(size.y));
        glReadPixels(0, 0, size.x, size.y, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
        IntVec2 const maxs = picture.mins + picture.dimensions - IntVec2(1, 1);
        EXPECT_EQ(frame[static_cast<size_t>(picture.mins.y * size.x + picture.mins.x)], clearColor);
        EXPECT_EQ(frame[static_cast<size_t>(maxs.y * size.x + maxs.x)], clearColor);
        auto const clearCount = std::count(frame.begin(), frame.end(), clearColor);
        EXPECT_EQ(clearCount, picture.dimensions.x * picture.dimensions.y);
        EXPECT_EQ(std::count(frame.begin(), frame.end(), black), size.x * size.y - clearCount);
        renderer.EndFrame();
        SwapOSWindowBuffers();
    }
    renderer.Shutdown();
    DestroyOSWindow();
}
