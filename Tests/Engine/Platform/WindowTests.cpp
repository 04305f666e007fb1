#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Platform/FramePacer.hpp"
#include "Engine/Platform/KeyTranslation.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace
{
constexpr float CLIENT_ASPECT = 1.3333334f;

// The real window and GL context on the 1920x1080 screen of tools/with-display.sh,
// with the input system in the App's place. SDL's video stays up between tests, as
// it does in the program: under the sanitizers a third restart of it fails.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(KeepVideoSubsystemForTheProcess()) << SDL_GetError();
        CreateOSWindow(CLIENT_ASPECT, "Dotsunder");
        CreateOpenGLRenderingContext();
        g_theInput = &m_input;
    }
    void TearDown() override
    {
        g_theInput = nullptr;
        SetQuitRequestedCallback(nullptr);
        DestroyOSWindow();
    }
    // A window event, or a key event of the right arrow.
    void Push(Uint32 type, Uint8 windowEvent = 0, bool isRepeat = false)
    {
        SDL_Event event = {};
        event.type = type;
        if (type == SDL_WINDOWEVENT)
        {
            event.window.event = windowEvent;
        }
        else
        {
            event.key.repeat = isRepeat ? 1 : 0;
            event.key.keysym.sym = SDLK_RIGHT;
        }
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    InputSystem m_input;
};
}  // namespace

TEST(ComputeClientRect, FitsTheAspectInsideNinetyPercentOfTheDesktopCentred)
{
    struct Case
    {
        float desktopWidth, desktopHeight, clientAspect, left, top, right, bottom;
    };
    Case const CASES[] = {
        {1920.f, 1080.f, CLIENT_ASPECT, 312.f, 54.f, 1608.f, 1026.f},  // wide desktop: height limits
        {1280.f, 1024.f, CLIENT_ASPECT, 64.f, 80.f, 1216.f, 944.f},    // narrow desktop: width limits
        {1024.f, 768.f, CLIENT_ASPECT, 51.f, 38.f, 972.f, 729.f},      // 921.6 x 691.2, truncated
        {1080.f, 1920.f, CLIENT_ASPECT, 54.f, 595.f, 1026.f, 1324.f},  // portrait
        {1920.f, 1080.f, 0.f, 0.f, 0.f, 0.f, 0.f},  // an unusable aspect gives an empty rect
    };
    for (Case const& c : CASES)
    {
        AABB2 const rect = ComputeClientRect(Vec2(c.desktopWidth, c.desktopHeight), c.clientAspect);
        EXPECT_EQ(rect.mins, Vec2(c.left, c.top)) << c.desktopWidth << "x" << c.desktopHeight;
        EXPECT_EQ(rect.maxs, Vec2(c.right, c.bottom)) << c.desktopWidth << "x" << c.desktopHeight;
    }
}

TEST_F(WindowTest, ClientAreaIsPlacedAsComputedAndTheMouseIsNormalizedOverItYUpUnclamped)
{
    IntVec2 position, size;
    SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &position.x, &position.y);
    SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &size.x, &size.y);
    EXPECT_EQ(position, IntVec2(312, 54));
    EXPECT_EQ(size, IntVec2(1296, 972));
    EXPECT_EQ(GetOSWindowDrawableSize(), IntVec2(1296, 972));

    std::pair<IntVec2, Vec2> const CASES[] = {
        {IntVec2(312 + 648, 54 + 486), Vec2(0.5f, 0.5f)},
        {IntVec2(312, 54), Vec2(0.f, 1.f)},  // the client's top-left pixel
        {IntVec2(0, 0), Vec2(-312.f / 1296.f, 1.f + 54.f / 972.f)},
    };
    for (std::pair<IntVec2, Vec2> const& c : CASES)
    {
        SDL_WarpMouseGlobal(c.first.x, c.first.y);
        m_input.UpdateMouse();
        EXPECT_FLOAT_EQ(m_input.GetMouseNormalizedClientPosition().x, c.second.x) << c.first.x;
        EXPECT_FLOAT_EQ(m_input.GetMouseNormalizedClientPosition().y, c.second.y) << c.first.y;
    }
}

// A step's events go through one pump: d key-down, r its OS repeat, u key-up, f focus
// lost, n a key-down while no input system exists. Then pressed, just pressed, just released.
TEST_F(WindowTest, PumpedKeyEventsGiveEdgesForExactlyOneFrame)
{
    struct Step
    {
        char const* events;
        char const* expected;
    };
    Step const STEPS[] = {{"d", "110"},  {"r", "100"}, {"", "100"},  {"u", "001"}, {"", "000"},
                          {"du", "000"}, {"", "000"},  {"d", "110"}, {"f", "001"}, {"n", "000"}};
    for (Step const& step : STEPS)
    {
        for (char const* event = step.events; *event != '\0'; ++event)
        {
            Push(*event == 'f' ? SDL_WINDOWEVENT : (*event == 'u' ? SDL_KEYUP : SDL_KEYDOWN),
                 SDL_WINDOWEVENT_FOCUS_LOST, *event == 'r');
        }
        g_theInput = step.events[0] == 'n' ? nullptr : &m_input;
        RunMessagePump();
        g_theInput = &m_input;
        m_input.EndFrame();
        KeyButtonState const& state = m_input.GetKeyState(KEYCODE_RIGHT_ARROW);
        std::string const actual = {state.IsPressed() ? '1' : '0', state.WasJustPressed() ? '1' : '0',
                                    state.WasJustReleased() ? '1' : '0'};
        EXPECT_EQ(actual, step.expected) << "after \"" << step.events << "\"";
    }
}

TEST_F(WindowTest, CloseRequestsReachTheQuitCallback)
{
    int quitRequestCount = 0;
    SetQuitRequestedCallback([&quitRequestCount] { ++quitRequestCount; });
    Push(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
    Push(SDL_QUIT);
    RunMessagePump();
    EXPECT_EQ(quitRequestCount, 2);
}

TEST(TranslateSDLKeycodeToKeyCode, GivesTheVirtualKeyOfEveryKeyTheGameReads)
{
    // SDL keycode, the length of its run of consecutive keys, the code of the first.
    int const CASES[][3] = {
        {SDLK_ESCAPE, 1, 27},   {SDLK_SPACE, 1, 32},  {SDLK_LEFT, 1, 37},     {SDLK_UP, 1, 38},
        {SDLK_RIGHT, 1, 39},    {SDLK_DOWN, 1, 40},   {SDLK_0, 10, 48},       {SDLK_a, 26, 65},
        {SDLK_F1, 12, 112},     {SDLK_RETURN, 1, 13}, {SDLK_KP_ENTER, 1, 13}, {SDLK_TAB, 1, 9},
        {SDLK_BACKSPACE, 1, 8}, {SDLK_LSHIFT, 1, 16}, {SDLK_RSHIFT, 1, 16},   {SDLK_LCTRL, 1, 17},
        {SDLK_RCTRL, 1, 17},    {SDLK_LALT, 1, 18},   {SDLK_RALT, 1, 18},     {SDLK_F13, 1, 0},
        {SDLK_EXCLAIM, 1, 0},   {SDLK_UNKNOWN, 1, 0},
    };
    for (auto const& c : CASES)
    {
        for (int offset = 0; offset < c[1]; ++offset)
        {
            EXPECT_EQ(TranslateSDLKeycodeToKeyCode(c[0] + offset), c[2] + offset)
                << SDL_GetKeyName(c[0] + offset);
        }
    }
}

TEST(FramePacer, WaitsOutTheRefreshPeriodOnlyWhereTheSwapDoesNot)
{
    double const PERIOD_60_HZ = 1.0 / 60.0;
    EXPECT_DOUBLE_EQ(ComputePacingWaitSeconds(0.001, PERIOD_60_HZ, false), PERIOD_60_HZ - 0.001);
    EXPECT_DOUBLE_EQ(ComputePacingWaitSeconds(0.002, 1.0 / 144.0, false), 1.0 / 144.0 - 0.002);
    EXPECT_DOUBLE_EQ(ComputePacingWaitSeconds(-0.002, PERIOD_60_HZ, false),
                     PERIOD_60_HZ);  // never longer than a period
    EXPECT_DOUBLE_EQ(ComputePacingWaitSeconds(0.5, PERIOD_60_HZ, false), 0.0);
    EXPECT_DOUBLE_EQ(ComputePacingWaitSeconds(0.001, PERIOD_60_HZ, true), 0.0);
    // A swap that returns in far less than a period did not wait for the display.
    EXPECT_FALSE(DidSwapWaitForDisplay(true, 0.001, PERIOD_60_HZ));
    EXPECT_TRUE(DidSwapWaitForDisplay(true, PERIOD_60_HZ, PERIOD_60_HZ));
}

// Mesa under Xvfb refuses a swap interval and reports no refresh rate: the pacer
// must then pace itself, at 60 Hz.
TEST_F(WindowTest, FramePacerAsksForTheSwapIntervalAndElsePacesItself)
{
    FramePacer pacer;
    pacer.Startup();
    bool const isIntervalSet = SDL_GL_GetSwapInterval() == 1;
    EXPECT_EQ(pacer.IsSwapIntervalAccepted(), isIntervalSet || SDL_GL_SetSwapInterval(1) == 0);
    EXPECT_EQ(pacer.HasSeenSwapNotWait(), !pacer.IsSwapIntervalAccepted());
    SDL_DisplayMode mode = {};
    ASSERT_EQ(SDL_GetCurrentDisplayMode(0, &mode), 0);
    EXPECT_DOUBLE_EQ(pacer.GetRefreshPeriodSeconds(), 1.0 / (mode.refresh_rate > 0 ? mode.refresh_rate : 60));
}
