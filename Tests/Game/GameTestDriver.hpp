#pragma once
// Drives a Game without a window: a real InputSystem stands in g_theInput for the
// driver's span, keys are pressed as the window layer would press them, and each
// frame copies the key states first, as the previous frame's EndFrame would have.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Game/App.hpp"
#include "Game/Game.hpp"

#include <initializer_list>

class GameTestDriver
{
public:
    GameTestDriver() : m_previousInput(g_theInput)
    {
        g_theInput = &m_input;
        m_game = new Game();
    }
    ~GameTestDriver()
    {
        delete m_game;
        g_theInput = m_previousInput;
    }
    GameTestDriver(GameTestDriver const&) = delete;
    GameTestDriver& operator=(GameTestDriver const&) = delete;

    void Press(unsigned char keyCode) { m_input.HandleKeyPressed(keyCode); }
    void Release(unsigned char keyCode) { m_input.HandleKeyReleased(keyCode); }

    void RunFrame(float deltaSeconds)
    {
        m_input.EndFrame();
        m_game->Update(deltaSeconds);
        m_game->EndFrame();
    }
    void RunFrames(int numFrames, float deltaSeconds)
    {
        for (int frameIndex = 0; frameIndex < numFrames; ++frameIndex)
        {
            RunFrame(deltaSeconds);
        }
    }

    // The keys are seen as just pressed in the first frame and as released in the second.
    void Tap(std::initializer_list<unsigned char> keyCodes, float deltaSeconds = DEFAULT_DELTA_SECONDS)
    {
        for (unsigned char keyCode : keyCodes)
        {
            Press(keyCode);
        }
        RunFrame(deltaSeconds);
        for (unsigned char keyCode : keyCodes)
        {
            Release(keyCode);
        }
        RunFrame(deltaSeconds);
    }
    void Tap(unsigned char keyCode, float deltaSeconds = DEFAULT_DELTA_SECONDS)
    {
        Tap({keyCode}, deltaSeconds);
    }

    void BankDots(int count, Rgba8 const& color = Rgba8::WHITE)
    {
        for (int dotIndex = 0; dotIndex < count; ++dotIndex)
        {
            m_game->BankDot(color);
        }
    }

    static constexpr float DEFAULT_DELTA_SECONDS = 0.0625f;  // exact in binary

    InputSystem m_input;
    Game* m_game = nullptr;

private:
    InputSystem* m_previousInput = nullptr;
};

// Hands g_theApp to a local App (without systems or a Game) for its span.
struct ScopedApp
{
    App app;
    App* previous = g_theApp;
    ScopedApp() { g_theApp = &app; }
    ~ScopedApp() { g_theApp = previous; }
    ScopedApp(ScopedApp const&) = delete;
    ScopedApp& operator=(ScopedApp const&) = delete;
};
