#include "Engine/Input/InputSystem.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/Engine/Platform/OSWindowTestSupport.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <cmath>
#include <limits>
#include <string>

namespace
{
void ExpectReportNames(ChildResult const& result, char const* message, char const* functionName)
{
    EXPECT_TRUE(result.ExitedWithFailure()) << result.standardOutput;
    EXPECT_NE(result.standardOutput.find(message), std::string::npos) << result.standardOutput;
    EXPECT_NE(result.standardOutput.find(functionName), std::string::npos) << result.standardOutput;
    EXPECT_NE(result.standardOutput.find("Window.cpp"), std::string::npos) << result.standardOutput;
}
}  // namespace

// The largest box of the aspect within 90 % of the desktop, centred, each edge truncated.
TEST(ComputeClientRect, FitsTheAspectInsideNinetyPercentOfTheDesktopCentred)
{
    struct Case
    {
        float desktopWidth, desktopHeight, clientAspect;
        float left, top, right, bottom;
    };
    Case const CASES[] = {
        {1920.f, 1080.f, 1.3333334f, 312.f, 54.f, 1608.f, 1026.f},  // wide desktop: height limits
        {1280.f, 1024.f, 1.3333334f, 64.f, 80.f, 1216.f, 944.f},    // narrow desktop: width limits
        {1024.f, 768.f, 1.3333334f, 51.f, 38.f, 972.f, 729.f},      // same aspect: 921.6 x 691.2 truncated
        {1920.f, 1080.f, 1.7777778f, 96.f, 54.f, 1824.f, 1026.f},   // a 16:9 client on a 16:9 desktop
        {1080.f, 1920.f, 1.3333334f, 54.f, 595.f, 1026.f, 1324.f},  // portrait desktop
        {800.f, 600.f, 1.f, 130.f, 30.f, 670.f, 570.f},             // square client
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << testCase.desktopWidth << "x" << testCase.desktopHeight
                                        << " aspect " << testCase.clientAspect);
        AABB2 const clientRect =
            ComputeClientRect(Vec2(testCase.desktopWidth, testCase.desktopHeight), testCase.clientAspect);
        EXPECT_EQ(clientRect.mins, Vec2(testCase.left, testCase.top));
        EXPECT_EQ(clientRect.maxs, Vec2(testCase.right, testCase.bottom));
    }
}

TEST(ComputeClientRect, UnusableInputGivesAnEmptyRectInsteadOfOverflowing)
{
    float const NOT_A_NUMBER = std::numeric_limits<float>::quiet_NaN();
    float const INFINITE = std::numeric_limits<float>::infinity();
    struct Case
    {
        Vec2 desktopSize;
        float clientAspect;
    };
    Case const CASES[] = {
        {Vec2(1920.f, 1080.f), 0.f},
        {Vec2(1920.f, 1080.f), -1.f},
        {Vec2(1920.f, 1080.f), NOT_A_NUMBER},
        {Vec2(1920.f, 1080.f), INFINITE},
        {Vec2(0.f, 1080.f), 1.f},
        {Vec2(1920.f, -5.f), 1.f},
        {Vec2(1.e30f, 1080.f), 1.f},
        {Vec2(NOT_A_NUMBER, 1080.f), 1.f},
    };
    for (Case const& testCase : CASES)
    {
        AABB2 const clientRect = ComputeClientRect(testCase.desktopSize, testCase.clientAspect);
        EXPECT_EQ(clientRect.mins, Vec2(0.f, 0.f));
        EXPECT_EQ(clientRect.maxs, Vec2(0.f, 0.f));
    }
}

TEST(OSWindow, WithoutAWindowThereIsNoDrawableAndNoMouse)
{
    EXPECT_EQ(GetOSWindowDrawableSize(), IntVec2(0, 0));
    Vec2 pixels(7.f, 7.f);
    Vec2 clientSize(7.f, 7.f);
    EXPECT_FALSE(GetMouseClientPosition(pixels, clientSize));
    EXPECT_EQ(pixels, Vec2(7.f, 7.f));

    InputSystem input;
    input.m_mouseNormalizedClientPos = Vec2(0.25f, 0.75f);
    input.UpdateMouse();
    EXPECT_EQ(input.m_mouseNormalizedClientPos, Vec2(0.f, 0.f));
}

TEST_F(OSWindowTest, ClientAreaIsPlacedOnTheDesktopAsComputed)
{
    SDL_Window* const window = SDL_GL_GetCurrentWindow();
    ASSERT_NE(window, nullptr);
    SDL_DisplayMode desktopMode = {};
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktopMode), 0);
    ASSERT_EQ(desktopMode.w, 1920)
        << "the placement figures below are for with-display.sh's 1920x1080 screen";
    ASSERT_EQ(desktopMode.h, 1080);

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window, &left, &top);
    SDL_GetWindowSize(window, &width, &height);
    EXPECT_EQ(IntVec2(left, top), IntVec2(312, 54));
    EXPECT_EQ(IntVec2(width, height), IntVec2(1296, 972));
    EXPECT_EQ(GetOSWindowDrawableSize(), IntVec2(1296, 972));
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Dotsunder");
    Uint32 const flags = SDL_GetWindowFlags(window);
    EXPECT_NE(flags & SDL_WINDOW_RESIZABLE, 0u);
    EXPECT_NE(flags & SDL_WINDOW_SHOWN, 0u);
    EXPECT_EQ(flags & SDL_WINDOW_BORDERLESS, 0u);
}

TEST_F(OSWindowTest, ContextIsCurrentDoubleBufferedWithDepthAndStencil)
{
    ASSERT_NE(SDL_GL_GetCurrentContext(), nullptr);
    struct Case
    {
        SDL_GLattr attribute;
        int minimum;
    };
    Case const CASES[] = {{SDL_GL_DOUBLEBUFFER, 1}, {SDL_GL_RED_SIZE, 8},    {SDL_GL_GREEN_SIZE, 8},
                          {SDL_GL_BLUE_SIZE, 8},    {SDL_GL_DEPTH_SIZE, 24}, {SDL_GL_STENCIL_SIZE, 8}};
    for (Case const& testCase : CASES)
    {
        int value = 0;
        EXPECT_EQ(SDL_GL_GetAttribute(testCase.attribute, &value), 0);
        EXPECT_GE(value, testCase.minimum) << "attribute " << testCase.attribute;
    }
    // Immediate mode exists only in a legacy (compatibility) context.
    EXPECT_NE(SDL_GL_GetProcAddress("glBegin"), nullptr);
    using GetStringFunction = unsigned char const* (*)(unsigned int);
    auto const getString = reinterpret_cast<GetStringFunction>(SDL_GL_GetProcAddress("glGetString"));
    ASSERT_NE(getString, nullptr);
    unsigned int const GL_VERSION_NAME = 0x1F02;
    EXPECT_NE(getString(GL_VERSION_NAME), nullptr);
}

TEST_F(OSWindowTest, DrawableSizeFollowsAResize)
{
    SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 800, 500);
    EXPECT_TRUE(PumpSDLUntil([] { return GetOSWindowDrawableSize() == IntVec2(800, 500); }))
        << GetOSWindowDrawableSize().x << " x " << GetOSWindowDrawableSize().y;
}

// Client pixels run y down, the normalized position y up; outside the client it goes past 0..1.
TEST_F(OSWindowTest, MouseIsNormalizedOverTheClientAreaWithYUp)
{
    struct Case
    {
        int globalX, globalY;
        Vec2 expected;
    };
    Case const CASES[] = {
        {312 + 648, 54 + 486, Vec2(0.5f, 0.5f)},            // centre
        {312, 54, Vec2(0.f, 1.f)},                          // the client's top-left pixel
        {312 + 1296, 54 + 972, Vec2(1.f, 0.f)},             // just past the bottom-right pixel
        {0, 0, Vec2(-312.f / 1296.f, 1.f + 54.f / 972.f)},  // outside, above and left
    };
    InputSystem input;
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << testCase.globalX << ", " << testCase.globalY);
        SDL_WarpMouseGlobal(testCase.globalX, testCase.globalY);
        input.BeginFrame();
        EXPECT_FLOAT_EQ(input.m_mouseNormalizedClientPos.x, testCase.expected.x);
        EXPECT_FLOAT_EQ(input.m_mouseNormalizedClientPos.y, testCase.expected.y);
    }
    input.Shutdown();
}

TEST(CreateOSWindow, WithoutADisplayEndsWithAReportNamingIt)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("SDL_VIDEODRIVER");
            CreateOSWindow(TEST_CLIENT_ASPECT, "Dotsunder");
        },
        10);
    ExpectReportNames(result, "No display", "CreateOSWindow");
}

// The dummy driver is headless and has no OpenGL, so the window itself cannot be made.
TEST(CreateOSWindow, WithoutOpenGLEndsWithAReportGivingSDLsReason)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            CreateOSWindow(TEST_CLIENT_ASPECT, "Dotsunder");
        },
        10);
    ExpectReportNames(result, "Could not create a", "CreateOSWindow");
}

TEST(CreateOSWindow, ABadAspectEndsWithAReport)
{
    ChildResult const result = RunInChildProcess([] { CreateOSWindow(0.f, "Dotsunder"); }, 10);
    ExpectReportNames(result, "client aspect must be a positive", "CreateOSWindow");
}

TEST(CreateOpenGLRenderingContext, WithoutAWindowEndsWithAReport)
{
    ChildResult const result = RunInChildProcess([] { CreateOpenGLRenderingContext(); }, 10);
    ExpectReportNames(result, "no window", "CreateOpenGLRenderingContext");
}
