#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Platform/KeyTranslation.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
            event.key.keysym.scancode = SDL_SCANCODE_RIGHT;
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

// Keycode (what the key types) and scancode (where it sits): runs of consecutive
// keys, the code of the first.
TEST(TranslateSDLKeyToKeyCode, FollowsTheLayoutForLatinLettersAndDigitsAndElseThePlace)
{
    struct Case
    {
        int sdlKeycode;
        int sdlScancode;  // advances with the keycode unless unknown
        int runLength;
        int firstKeyCode;
    };
    int const UNKNOWN = SDL_SCANCODE_UNKNOWN;
    // US; French AZERTY (A and Q swapped, the digit row typing & é " ' ( - è _ ç à,
    // M in the place of ;); Russian, Greek and Hebrew letters in the place of T.
    Case const CASES[] = {
        {SDLK_a, SDL_SCANCODE_A, 26, 65},     {SDLK_1, SDL_SCANCODE_1, 9, 49},
        {SDLK_0, SDL_SCANCODE_0, 1, 48},      {SDLK_a, SDL_SCANCODE_Q, 1, 65},
        {SDLK_q, SDL_SCANCODE_A, 1, 81},      {SDLK_AMPERSAND, SDL_SCANCODE_1, 1, 49},
        {SDLK_MINUS, SDL_SCANCODE_6, 1, 54},  {0xE0, SDL_SCANCODE_0, 1, 48},
        {SDLK_COMMA, SDL_SCANCODE_M, 1, 188}, {SDLK_m, SDL_SCANCODE_SEMICOLON, 1, 77},
        {0x0435, SDL_SCANCODE_T, 1, 84},      {0x03C4, SDL_SCANCODE_T, 1, 84},
        {0x05D0, SDL_SCANCODE_T, 1, 84},      {0x0436, SDL_SCANCODE_SEMICOLON, 1, 186},
        {SDLK_ESCAPE, UNKNOWN, 1, 27},        {SDLK_SPACE, UNKNOWN, 1, 32},
        {SDLK_LEFT, UNKNOWN, 1, 37},          {SDLK_UP, UNKNOWN, 1, 38},
        {SDLK_RIGHT, UNKNOWN, 1, 39},         {SDLK_DOWN, UNKNOWN, 1, 40},
        {SDLK_F1, UNKNOWN, 12, 112},          {SDLK_RETURN, UNKNOWN, 1, 13},
        {SDLK_KP_ENTER, UNKNOWN, 1, 13},      {SDLK_LSHIFT, UNKNOWN, 1, 16},
        {SDLK_RSHIFT, UNKNOWN, 1, 16},        {SDLK_LCTRL, UNKNOWN, 1, 17},
        {SDLK_RCTRL, UNKNOWN, 1, 17},         {SDLK_LALT, UNKNOWN, 1, 18},
        {SDLK_RALT, UNKNOWN, 1, 18},          {SDLK_F13, UNKNOWN, 1, 0},
        {SDLK_MODE, SDL_SCANCODE_RALT, 1, 0}, {0x0435, UNKNOWN, 1, 0},
    };
    for (Case const& c : CASES)
    {
        for (int offset = 0; offset < c.runLength; ++offset)
        {
            int const scancode = c.sdlScancode == UNKNOWN ? UNKNOWN : c.sdlScancode + offset;
            EXPECT_EQ(TranslateSDLKeyToKeyCode(c.sdlKeycode + offset, scancode), c.firstKeyCode + offset)
                << "keycode " << c.sdlKeycode + offset << ", scancode " << scancode;
        }
    }
}

namespace
{
SDL_Event MakeKeyEvent(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint16 modifiers, bool isRepeat)
{
    SDL_Event event = {};
    event.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = isRepeat ? 1 : 0;
    event.key.keysym = {scancode, sym, modifiers, 0};
    return event;
}
// As a keyboard gives them: the modifier state of a modifier's own press already has it.
SDL_Event Press(SDL_Keycode sym, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE)
{
    return MakeKeyEvent(SDL_KEYDOWN, sym, scancode, modifiers, false);
}
SDL_Event Repeat(SDL_Keycode sym, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE)
{
    return MakeKeyEvent(SDL_KEYDOWN, sym, scancode, modifiers, true);
}
SDL_Event Release(SDL_Keycode sym, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE)
{
    return MakeKeyEvent(SDL_KEYUP, sym, scancode, modifiers, false);
}
}  // namespace

// Each step's events go through one pump and one EndFrame; then exactly the listed
// codes read pressed.
TEST_F(WindowTest, SystemKeysNeverReachTheGameAndSharedCodesHoldWhileEitherKeyIsDown)
{
    Uint16 const ALT = KMOD_LALT;
    SDL_Event const ALT_DOWN = Press(SDLK_LALT, SDL_SCANCODE_LALT, ALT);
    SDL_Event const ALT_UP = Release(SDLK_LALT, SDL_SCANCODE_LALT);
    struct Step
    {
        char const* what;
        std::vector<SDL_Event> events;
        std::vector<int> pressedKeyCodes;
    };
    Step const STEPS[] = {
        {"Alt alone", {ALT_DOWN}, {}},
        {"Alt+J", {Press(SDLK_j, SDL_SCANCODE_J, ALT)}, {}},
        {"Alt+SPACE", {Release(SDLK_j, SDL_SCANCODE_J, ALT), Press(SDLK_SPACE, SDL_SCANCODE_SPACE, ALT)}, {}},
        {"Alt released", {Release(SDLK_SPACE, SDL_SCANCODE_SPACE, ALT), ALT_UP}, {}},
        {"F10", {Press(SDLK_F10, SDL_SCANCODE_F10)}, {}},
        {"J after Alt", {Release(SDLK_F10, SDL_SCANCODE_F10), Press(SDLK_j, SDL_SCANCODE_J)}, {'J'}},
        {"Alt joins J", {ALT_DOWN, Repeat(SDLK_j, SDL_SCANCODE_J, ALT)}, {'J'}},
        {"J let go under Alt", {Release(SDLK_j, SDL_SCANCODE_J, ALT)}, {}},
        {"Alt+J again", {Press(SDLK_j, SDL_SCANCODE_J, ALT)}, {}},
        {"J held on after Alt", {ALT_UP, Repeat(SDLK_j, SDL_SCANCODE_J)}, {}},
        {"Russian T", {Release(SDLK_j, SDL_SCANCODE_J), Press(0x0435, SDL_SCANCODE_T)}, {'T'}},
        {"French A", {Release(0x0435, SDL_SCANCODE_T), Press(SDLK_a, SDL_SCANCODE_Q)}, {'A'}},
        {"both Shifts",
         {Release(SDLK_a, SDL_SCANCODE_Q), Press(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT),
          Press(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_SHIFT)},
         {16}},
        {"left Shift let go", {Release(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_RSHIFT)}, {16}},
        {"right Shift let go", {Release(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT)}, {}},
        {"right Ctrl, then left",
         {Press(SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_RCTRL), Press(SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_CTRL),
          Release(SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_LCTRL)},
         {17}},
        {"F11", {Release(SDLK_LCTRL, SDL_SCANCODE_LCTRL), Press(SDLK_F11, SDL_SCANCODE_F11)}, {}},
        {"F11 back", {Release(SDLK_F11, SDL_SCANCODE_F11), Press(SDLK_F11, SDL_SCANCODE_F11)}, {}},
        {"Alt+Enter",
         {Release(SDLK_F11, SDL_SCANCODE_F11), ALT_DOWN, Press(SDLK_RETURN, SDL_SCANCODE_RETURN, ALT)},
         {}},
        {"Alt+Enter back",
         {Release(SDLK_RETURN, SDL_SCANCODE_RETURN, ALT), Press(SDLK_RETURN, SDL_SCANCODE_RETURN, ALT)},
         {}},
        {"Enter after Alt",
         {Release(SDLK_RETURN, SDL_SCANCODE_RETURN, ALT), ALT_UP, Press(SDLK_RETURN, SDL_SCANCODE_RETURN)},
         {13}},
    };
    for (Step const& step : STEPS)
    {
        for (SDL_Event event : step.events)
        {
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        }
        RunMessagePump();
        m_input.EndFrame();
        std::vector<int> pressedKeyCodes;
        for (int keyCode = 0; keyCode < NUM_KEYCODES; ++keyCode)
        {
            if (m_input.GetKeyState(static_cast<unsigned char>(keyCode)).IsPressed())
            {
                pressedKeyCodes.push_back(keyCode);
            }
        }
        EXPECT_EQ(pressedKeyCodes, step.pressedKeyCodes) << step.what;
    }
}
