#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
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

TEST_F(WindowTest, CloseRequestsReachTheQuitCallback)
{
    int quitRequestCount = 0;
    SetQuitRequestedCallback([&quitRequestCount] { ++quitRequestCount; });
    SDL_Event events[2] = {};
    events[0].type = SDL_WINDOWEVENT;
    events[0].window.event = SDL_WINDOWEVENT_CLOSE;
    events[1].type = SDL_QUIT;
    ASSERT_EQ(SDL_PeepEvents(events, 2, SDL_ADDEVENT, 0, 0), 2) << SDL_GetError();
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
struct Key
{
    char const* name;
    SDL_Keycode sym;
    SDL_Scancode scancode;
    Uint16 modifier;  // the modifier state bit the key holds
};
Key const KEYS[] = {
    {"right", SDLK_RIGHT, SDL_SCANCODE_RIGHT, 0},
    {"j", SDLK_j, SDL_SCANCODE_J, 0},
    {"space", SDLK_SPACE, SDL_SCANCODE_SPACE, 0},
    {"enter", SDLK_RETURN, SDL_SCANCODE_RETURN, 0},
    {"f10", SDLK_F10, SDL_SCANCODE_F10, 0},
    {"f11", SDLK_F11, SDL_SCANCODE_F11, 0},
    {"ruT", 0x0435, SDL_SCANCODE_T, 0},  // Russian: Cyrillic ie, in the place of T
    {"frA", SDLK_a, SDL_SCANCODE_Q, 0},  // French: A, in the place of Q
    {"alt", SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT},
    {"lshift", SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT},
    {"rshift", SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_RSHIFT},
    {"lctrl", SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL},
    {"rctrl", SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_RCTRL},
};

// Every code pressed or just released this frame, ascending: + just pressed, - just released.
std::string DescribeKeyStates(InputSystem const& input)
{
    std::string description;
    for (int keyCode = 0; keyCode < NUM_KEYCODES; ++keyCode)
    {
        KeyButtonState const& state = input.GetKeyState(static_cast<unsigned char>(keyCode));
        if (state.IsPressed() || state.WasJustReleased())
        {
            description += (description.empty() ? "" : " ") + std::to_string(keyCode) +
                           (state.WasJustPressed() ? "+" : (state.WasJustReleased() ? "-" : ""));
        }
    }
    return description;
}
}  // namespace

// Each step ("events=key states") goes through one pump, then EndFrame; then the key
// states are as DescribeKeyStates gives them. +key press, *key its OS repeat, -key
// release, each with the modifier state a keyboard gives it; "lost" the focus lost;
// "none" no input system during this pump.
TEST_F(WindowTest, KeysGiveOneEdgePerPressSystemKeysNoneAndSharedCodesHoldWhileEitherIsDown)
{
    char const* const SCENARIOS[] = {
        // One edge per press: auto-repeat adds none, a press and release in one pump leave
        // no trace, losing the focus releases, a missing input system gets nothing.
        "+right=39+; *right=39; =39; -right=39-; =; +right -right=; +right=39+; lost=39-; none +right=",
        // Alt alone, Alt+J, Alt+SPACE and F10 give nothing; J after Alt is a press.
        "+alt=; +j=; -j +space=; -space -alt +f10=; -f10 +j=74+",
        // J held, then let go under Alt, is released; J held on after Alt+J gives nothing.
        "+alt *j=74; -j=74-; +j=; -alt *j=; -j=",
        // Cyrillic ie in the place of T gives T; the French A in the place of Q gives A.
        "+ruT=84+; -ruT +frA=65+ 84-; -frA=65-",
        // Left and right share a code, pressed while either key is down.
        "+lshift +rshift=16+; -lshift=16; -rshift=16-; +rctrl +lctrl -rctrl=17+; -lctrl=17-",
        // F11 and Alt+Enter are the window's (fullscreen and back); Enter alone is a key.
        "+f11 -f11 +f11 -f11=; +alt +enter=; -enter +enter -enter -alt=; +enter=13+",
    };
    Uint16 modifiers = KMOD_NONE;
    Strings steps;
    for (char const* const scenario : SCENARIOS)
    {
        Strings const scenarioSteps = SplitStringOnDelimiter(scenario, "; ");
        steps.insert(steps.end(), scenarioSteps.begin(), scenarioSteps.end());
    }
    for (std::string const& step : steps)
    {
        Strings const eventsAndKeyStates = SplitStringOnDelimiter(step, '=');
        g_theInput = &m_input;
        for (std::string const& token : SplitStringOnDelimiter(eventsAndKeyStates[0], ' '))
        {
            if (token.empty() || token == "none")
            {
                g_theInput = token.empty() ? g_theInput : nullptr;
                continue;
            }
            SDL_Event event = {};
            event.type = SDL_WINDOWEVENT;
            event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
            for (Key const& key : KEYS)
            {
                if (token.substr(1) == key.name)
                {
                    // A modifier's own press already holds its bit, its release no more.
                    modifiers = token[0] == '-' ? (modifiers & ~key.modifier) : (modifiers | key.modifier);
                    event.type = token[0] == '-' ? SDL_KEYUP : SDL_KEYDOWN;
                    event.key.repeat = token[0] == '*' ? 1 : 0;
                    event.key.keysym = {key.scancode, key.sym, modifiers, 0};
                }
            }
            ASSERT_TRUE(event.type != SDL_WINDOWEVENT || token == "lost") << token;
            ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        }
        RunMessagePump();
        m_input.EndFrame();
        // A trailing delimiter leaves no empty piece behind it.
        EXPECT_EQ(DescribeKeyStates(m_input), eventsAndKeyStates.size() > 1 ? eventsAndKeyStates[1] : "")
            << step;
    }
}
