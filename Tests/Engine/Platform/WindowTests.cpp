#include "Engine/Core/StringUtils.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Platform/KeyTranslation.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
constexpr float CLIENT_ASPECT = 1.3333334f;

// The real window and GL context, with the input system in the App's place. SDL's
// video stays up between tests, as it does in the program: under the sanitizers a
// third restart of it fails.
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
        DestroyOSWindow();
    }
    InputSystem m_input;
};
}  // namespace

TEST(ComputeClientRect, FitsTheAspectInsideNinetyPercentOfTheDesktopCentred)
{
    struct Case
    {
        Vec2 desktopSize;
        float clientAspect;
        AABB2 expected;
    } const CASES[] = {
        {Vec2(1280.f, 1024.f), CLIENT_ASPECT, AABB2(64.f, 80.f, 1216.f, 944.f)},  // narrow: width limits
        {Vec2(1024.f, 768.f), CLIENT_ASPECT, AABB2(51.f, 38.f, 972.f, 729.f)},    // 921.6 x 691.2, truncated
        {Vec2(1080.f, 1920.f), CLIENT_ASPECT, AABB2(54.f, 595.f, 1026.f, 1324.f)},  // portrait
        {Vec2(1920.f, 1080.f), 0.f, AABB2()},  // an unusable aspect gives an empty rect
    };
    for (Case const& c : CASES)
    {
        EXPECT_EQ(ComputeClientRect(c.desktopSize, c.clientAspect), c.expected)
            << c.desktopSize.GetAsString();
    }
}

// Where the rule places the window, on a wide screen, the game's end-to-end run
// pins. The mouse is read over the client area, y up, unclamped.
TEST_F(WindowTest, TheMouseIsNormalizedOverTheClientArea)
{
    IntVec2 leftTop, size = GetOSWindowDrawableSize();
    SDL_GetWindowPosition(SDL_GL_GetCurrentWindow(), &leftTop.x, &leftTop.y);
    // The client's centre, its top-left pixel and the screen's corner.
    for (IntVec2 const& offset : {size / 2, IntVec2(0, 0), IntVec2(0, 0) - leftTop})
    {
        SDL_WarpMouseGlobal(leftTop.x + offset.x, leftTop.y + offset.y);
        m_input.UpdateMouse();
        Vec2 const normalized = m_input.GetMouseNormalizedClientPosition();
        Vec2 const expected(static_cast<float>(offset.x) / size.x,
                            1.f - static_cast<float>(offset.y) / size.y);
        EXPECT_LT((normalized - expected).GetLength(), 1e-6f) << offset.GetAsString();
    }
}

// Keycode (what the key types) and scancode (where it sits, advancing with the
// keycode unless unknown): runs of consecutive keys and the code of the first.
// US; French AZERTY (A and Q swapped, the digit row typing & é " ' ( - è _ ç à,
// M in the place of ;); a Greek letter in the place of T. The keys the game
// plays with, and a Russian layout, are the key events' and the end-to-end runs'.
TEST(TranslateSDLKeyToKeyCode, FollowsTheLayoutForLatinLettersAndDigitsAndElseThePlace)
{
    int const UNKNOWN = SDL_SCANCODE_UNKNOWN;
    int const CASES[][4] = {
        {SDLK_a, SDL_SCANCODE_A, 26, 65},     {SDLK_1, SDL_SCANCODE_1, 9, 49},
        {SDLK_0, SDL_SCANCODE_0, 1, 48},      {SDLK_a, SDL_SCANCODE_Q, 1, 65},
        {SDLK_q, SDL_SCANCODE_A, 1, 81},      {SDLK_AMPERSAND, SDL_SCANCODE_1, 1, 49},
        {SDLK_MINUS, SDL_SCANCODE_6, 1, 54},  {0xE0, SDL_SCANCODE_0, 1, 48},
        {SDLK_COMMA, SDL_SCANCODE_M, 1, 188}, {SDLK_m, SDL_SCANCODE_SEMICOLON, 1, 77},
        {0x03C4, SDL_SCANCODE_T, 1, 84},      {0x0436, SDL_SCANCODE_SEMICOLON, 1, 186},
        {SDLK_LEFT, UNKNOWN, 1, 37},          {SDLK_F1, UNKNOWN, 12, 112},
        {SDLK_KP_ENTER, UNKNOWN, 1, 13},      {SDLK_LALT, UNKNOWN, 1, 18},
        {SDLK_RALT, UNKNOWN, 1, 18},          {SDLK_F13, UNKNOWN, 1, 0},
        {SDLK_MODE, SDL_SCANCODE_RALT, 1, 0}, {0x0435, UNKNOWN, 1, 0},
    };
    for (auto const& [keycode, firstScancode, runLength, firstKeyCode] : CASES)
    {
        for (int offset = 0; offset < runLength; ++offset)
        {
            int const scancode = firstScancode == UNKNOWN ? UNKNOWN : firstScancode + offset;
            EXPECT_EQ(TranslateSDLKeyToKeyCode(keycode + offset, scancode), firstKeyCode + offset)
                << "keycode " << keycode + offset << ", scancode " << scancode;
        }
    }
}

// Each step ("events=key states") goes through one pump, then EndFrame; then every
// code pressed or just released is listed, ascending, + just pressed, - just
// released. +key press, *key its OS repeat, -key release, Alt's held with its
// modifier bit (the only one read); "lost" the focus lost; "none" no input system
// during this pump. The keys of other layouts, and the close box reaching the App,
// are the game's end-to-end runs'.
TEST_F(WindowTest, KeysGiveOneEdgePerPressSystemKeysNoneAndSharedCodesHoldWhileEitherIsDown)
{
    char const* const STEPS =
        // One edge per press: auto-repeat adds none, a press and release in one pump leave
        // no trace, losing the focus releases, a missing input system gets nothing.
        "+Right=39+; *Right=39; =39; -Right=39-; =; +Right -Right=; +Right=39+; lost=39-; none +Right=; "
        // Alt alone, Alt+J, Alt+SPACE and F10 give nothing; J after Alt is a press.
        "+Left_Alt=; +J=; -J +Space=; -Space -Left_Alt +F10=; -F10 +J=74+; "
        // J held, then let go under Alt, is released; J held on after Alt+J gives nothing.
        "+Left_Alt *J=74; -J=74-; +J=; -Left_Alt *J=; -J=; "
        // Left and right share a code, pressed while either key is down.
        "+Left_Shift +Right_Shift=16+; -Left_Shift=16; -Right_Shift=16-; +Right_Ctrl +Left_Ctrl "
        "-Right_Ctrl=17+; -Left_Ctrl=17-; "
        // F11 and Alt+Enter are the window's (fullscreen and back); Enter alone is a key.
        "+F11 -F11 +F11 -F11=; +Left_Alt +Return=; -Return +Return -Return -Left_Alt=; +Return=13+";
    Uint16 modifiers = KMOD_NONE;
    for (std::string const& step : SplitStringOnDelimiter(STEPS, "; "))
    {
        Strings const eventsAndKeyStates = SplitStringOnDelimiter(step, '=');
        g_theInput = &m_input;
        for (std::string const& token : SplitStringOnDelimiter(eventsAndKeyStates[0], ' '))
        {
            // Keys by SDL's names, '_' for a space.
            std::string name = token.empty() ? "" : token.substr(1);
            std::replace(name.begin(), name.end(), '_', ' ');
            SDL_Scancode const scancode = SDL_GetScancodeFromName(name.c_str());
            Uint16 const modifier = scancode == SDL_SCANCODE_LALT ? KMOD_LALT : KMOD_NONE;
            // A modifier's own press already holds its bit, its release no more.
            modifiers = token[0] == '-' ? (modifiers & ~modifier) : (modifiers | modifier);
            SDL_Event event = {};
            event.type = token == "lost" ? SDL_WINDOWEVENT : (token[0] == '-' ? SDL_KEYUP : SDL_KEYDOWN);
            event.window.event = token == "lost" ? SDL_WINDOWEVENT_FOCUS_LOST : 0;
            event.key.repeat = token[0] == '*' ? 1 : 0;
            event.key.keysym = {scancode, SDL_GetKeyFromName(name.c_str()), modifiers, 0};
            g_theInput = token == "none" ? nullptr : g_theInput;
            ASSERT_TRUE(token == "none" || token.empty() || SDL_PushEvent(&event) == 1) << SDL_GetError();
        }
        RunMessagePump();
        m_input.EndFrame();
        std::string keyStates;
        for (int keyCode = 0; keyCode < NUM_KEYCODES; ++keyCode)
        {
            KeyButtonState const& state = m_input.GetKeyState(static_cast<unsigned char>(keyCode));
            if (state.IsPressed() || state.WasJustReleased())
            {
                keyStates += (keyStates.empty() ? "" : " ") + std::to_string(keyCode) +
                             (state.WasJustPressed() ? "+" : (state.WasJustReleased() ? "-" : ""));
            }
        }
        // A trailing delimiter leaves no empty piece behind it.
        EXPECT_EQ(keyStates, eventsAndKeyStates.size() > 1 ? eventsAndKeyStates[1] : "") << step;
    }
}
