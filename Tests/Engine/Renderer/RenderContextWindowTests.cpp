// The render context in the engine's own window: a resized window keeps its
// 4:3 picture, centred between black bars.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Platform/Window.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/Viewport.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr Uint32 RESIZE_WAIT_LIMIT_MILLISECONDS = 10000;  // a bound for a hung server, not a pace

// Pumps until the drawable takes the requested size; false when it never does.
bool ResizeAndWaitForDrawable(IntVec2 const& newSize)
{
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    if (window == nullptr)
    {
        return false;
    }
    SDL_SetWindowSize(window, newSize.x, newSize.y);
    Uint32 const startTicks = SDL_GetTicks();
    while (SDL_GetTicks() - startTicks < RESIZE_WAIT_LIMIT_MILLISECONDS)
    {
        RunMessagePump();
        if (GetOSWindowDrawableSize() == newSize)
        {
            return true;
        }
        SDL_Delay(5);
    }
    return false;
}

Viewport ReadGLRectangle(GLenum which)
{
    GLint rectangle[4] = {};
    glGetIntegerv(which, rectangle);
    return Viewport{IntVec2(rectangle[0], rectangle[1]), IntVec2(rectangle[2], rectangle[3])};
}

std::string Describe(Viewport const& viewport)
{
    return viewport.mins.GetAsString() + " size " + viewport.dimensions.GetAsString();
}

void ExpectPixel(int x, int y, Rgba8 const& expected)
{
    Rgba8 const actual = ReadBackBufferPixel(x, y);
    EXPECT_TRUE(IsColorNear(actual, expected, 0))
        << "pixel (" << x << ", " << y << ") is " << DescribeColor(actual) << ", expected "
        << DescribeColor(expected);
}

class RenderContextWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(KeepVideoSubsystemForTheProcess()) << SDL_GetError();
        CreateOSWindow(4.f / 3.f, "RenderContextWindowTest");
        CreateOpenGLRenderingContext();
        m_renderer.Startup();
        m_worldCamera.SetOrthoView(Vec2(0.f, 0.f), Vec2(256.f, 192.f));
    }
    void TearDown() override
    {
        m_renderer.Shutdown();
        DestroyOSWindow();
    }

    RenderContext m_renderer;
    Camera m_worldCamera;
};
}  // namespace

// Drawable sizes of other shapes than 4:3: the picture keeps 4:3 and the bars stay black.
TEST_F(RenderContextWindowTest, ResizedWindowLetterboxesThePicture)
{
    struct Case
    {
        IntVec2 drawableSize;
        Viewport expectedPicture;
    };
    Case const CASES[] = {
        {IntVec2(800, 400), {IntVec2(133, 0), IntVec2(533, 400)}},
        {IntVec2(400, 800), {IntVec2(0, 250), IntVec2(400, 300)}},
        {IntVec2(640, 480), {IntVec2(0, 0), IntVec2(640, 480)}},
        {IntVec2(1001, 600), {IntVec2(100, 0), IntVec2(800, 600)}},
    };
    Rgba8 const black(0, 0, 0, 255);
    Rgba8 const clearColor(30, 60, 90, 255);
    Rgba8 const boxColor(240, 200, 10, 255);
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.drawableSize.GetAsString());
        ASSERT_TRUE(ResizeAndWaitForDrawable(testCase.drawableSize))
            << "the drawable stayed at " << GetOSWindowDrawableSize().GetAsString();

        m_renderer.BeginFrame();
        Viewport const& picture = testCase.expectedPicture;
        EXPECT_EQ(ReadGLRectangle(GL_VIEWPORT), picture) << Describe(ReadGLRectangle(GL_VIEWPORT));
        EXPECT_EQ(ReadGLRectangle(GL_SCISSOR_BOX), picture) << Describe(ReadGLRectangle(GL_SCISSOR_BOX));
        EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));

        // The game's frame: clear, then the world's bottom-left quarter through its camera.
        m_renderer.ClearScreen(clearColor);
        m_renderer.BeginCamera(m_worldCamera);
        m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 128.f, 96.f), boxColor);
        m_renderer.EndCamera(m_worldCamera);

        int const left = picture.mins.x;
        int const bottom = picture.mins.y;
        int const right = picture.mins.x + picture.dimensions.x - 1;
        int const top = picture.mins.y + picture.dimensions.y - 1;
        ExpectPixel(left, bottom, boxColor);
        ExpectPixel(left + picture.dimensions.x / 2 - 2, bottom + picture.dimensions.y / 2 - 2, boxColor);
        ExpectPixel(right, top, clearColor);
        ExpectPixel(right, bottom, clearColor);
        ExpectPixel(left, top, clearColor);
        if (left > 0)
        {
            ExpectPixel(left - 1, bottom, black);
            ExpectPixel(0, top, black);
        }
        if (right < testCase.drawableSize.x - 1)
        {
            ExpectPixel(right + 1, top, black);
            ExpectPixel(testCase.drawableSize.x - 1, bottom, black);
        }
        if (bottom > 0)
        {
            ExpectPixel(left, bottom - 1, black);
            ExpectPixel(right, 0, black);
        }
        if (top < testCase.drawableSize.y - 1)
        {
            ExpectPixel(right, top + 1, black);
            ExpectPixel(left, testCase.drawableSize.y - 1, black);
        }
        m_renderer.EndFrame();
        SwapOSWindowBuffers();
    }
}
