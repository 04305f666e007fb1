#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/Engine/Platform/OSWindowTestSupport.hpp"

namespace
{
void PushKey(Uint32 eventType, SDL_Keycode sdlKeycode, bool isRepeat = false)
{
    SDL_Event event = {};
    event.type = eventType;
    event.key.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    event.key.state = eventType == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = isRepeat ? 1 : 0;
    event.key.keysym.sym = sdlKeycode;
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

void PushWindowEvent(SDL_WindowEventID windowEventID)
{
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    event.window.event = static_cast<Uint8>(windowEventID);
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

// The input system in the App's place, for the span of one test.
class MessagePumpTest : public OSWindowTest
{
protected:
    void SetUp() override
    {
        OSWindowTest::SetUp();
        g_theInput = &m_input;
    }
    void TearDown() override
    {
        g_theInput = nullptr;
        OSWindowTest::TearDown();
    }
    // One main-loop pass as far as keys go: pump, then the frame's end.
    void RunPass()
    {
        RunMessagePump();
        m_input.EndFrame();
    }

    InputSystem m_input;
};
}  // namespace

TEST_F(MessagePumpTest, AHeldKeyIsJustPressedForExactlyOnePass)
{
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    RunPass();
    EXPECT_TRUE(m_input.WasKeyJustPressed(KEYCODE_SPACE));
    EXPECT_TRUE(m_input.GetKeyState(KEYCODE_SPACE).IsPressed());

    // Auto-repeat arrives as more key-downs and makes no second edge.
    PushKey(SDL_KEYDOWN, SDLK_SPACE, true);
    RunPass();
    EXPECT_FALSE(m_input.WasKeyJustPressed(KEYCODE_SPACE));
    EXPECT_TRUE(m_input.GetKeyState(KEYCODE_SPACE).IsPressed());

    PushKey(SDL_KEYUP, SDLK_SPACE);
    RunPass();
    EXPECT_TRUE(m_input.WasKeyJustReleased(KEYCODE_SPACE));
    RunPass();
    EXPECT_FALSE(m_input.WasKeyJustReleased(KEYCODE_SPACE));
    EXPECT_FALSE(m_input.GetKeyState(KEYCODE_SPACE).IsPressed());
}

TEST_F(MessagePumpTest, APressAndReleaseInOnePumpLeaveNoTrace)
{
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYUP, SDLK_a);
    RunPass();
    EXPECT_FALSE(m_input.GetKeyState(KEYCODE_A).IsPressed());
    EXPECT_FALSE(m_input.WasKeyJustPressed(KEYCODE_A));
    RunPass();
    EXPECT_FALSE(m_input.WasKeyJustReleased(KEYCODE_A));
}

TEST_F(MessagePumpTest, LettersArriveAsTheirUpperCaseCodesAndModifiersAsOne)
{
    PushKey(SDL_KEYDOWN, SDLK_q);
    PushKey(SDL_KEYDOWN, SDLK_RSHIFT);
    PushKey(SDL_KEYDOWN, SDLK_LEFT);
    RunMessagePump();
    EXPECT_TRUE(m_input.IsKeyDown('Q'));
    EXPECT_TRUE(m_input.IsKeyDown(KEYCODE_SHIFT));
    EXPECT_TRUE(m_input.IsKeyDown(KEYCODE_LEFT_ARROW));
    EXPECT_FALSE(m_input.IsKeyDown('q'));
}

// Key-ups for keys let go while another window has focus never come.
TEST_F(MessagePumpTest, LosingFocusReleasesEveryHeldKey)
{
    PushKey(SDL_KEYDOWN, SDLK_RIGHT);
    PushKey(SDL_KEYDOWN, SDLK_F1);
    RunPass();
    ASSERT_TRUE(m_input.GetKeyState(KEYCODE_RIGHT_ARROW).IsPressed());

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    RunPass();
    EXPECT_FALSE(m_input.IsKeyDown(KEYCODE_RIGHT_ARROW));
    EXPECT_FALSE(m_input.IsKeyDown(KEYCODE_F1));
    EXPECT_TRUE(m_input.WasKeyJustReleased(KEYCODE_RIGHT_ARROW));
}

TEST_F(MessagePumpTest, KeysBeforeTheInputSystemExistsAreDropped)
{
    g_theInput = nullptr;
    PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    RunMessagePump();
    g_theInput = &m_input;
    RunPass();
    EXPECT_FALSE(m_input.GetKeyState(KEYCODE_ESCAPE).IsPressed());
}

TEST_F(MessagePumpTest, CloseRequestsReachTheCallbackAndTheWindowStays)
{
    int quitRequestCount = 0;
    SetQuitRequestedCallback([&quitRequestCount] { ++quitRequestCount; });
    RunMessagePump();
    quitRequestCount = 0;

    PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    RunMessagePump();
    EXPECT_EQ(quitRequestCount, 1);

    SDL_Event quitEvent = {};
    quitEvent.type = SDL_QUIT;
    SDL_PushEvent(&quitEvent);
    RunMessagePump();
    EXPECT_EQ(quitRequestCount, 2);
    EXPECT_NE(SDL_GL_GetCurrentWindow(), nullptr);
}

TEST_F(MessagePumpTest, AnEmptyQueueReturnsAtOnce)
{
    RunMessagePump();
    RunMessagePump();
    SDL_Event event;
    EXPECT_EQ(SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0);
}
