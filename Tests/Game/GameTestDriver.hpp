#pragma once
// Drives an App and its Game without a window: a real InputSystem and the App
// stand in g_theInput and g_theApp for the driver's span, keys are pressed as the
// window layer would press them, and each frame copies the key states first, as
// the previous frame's EndFrame would have.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Game/App.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Game/Game.hpp"

#include <initializer_list>

class GameTestDriver
{
public:
    GameTestDriver()
    {
        g_theInput = &m_input;
        g_theApp = &m_app;
        m_app.m_game = new Game();
    }
    ~GameTestDriver()  // the App then deletes its Game
    {
        g_theApp = m_previousApp;
        g_theInput = m_previousInput;
    }

    Game& GetGame() { return *m_app.m_game; }  // F8 replaces it

    void RunFrames(int numFrames = 1, float deltaSeconds = 0.0625f)  // exact in binary
    {
        for (int frameIndex = 0; frameIndex < numFrames; ++frameIndex)
        {
            m_input.EndFrame();
            m_app.Update(deltaSeconds);
            m_app.m_game->EndFrame();
        }
    }
    // The keys are seen as just pressed in the first frame and as released in the second.
    void Tap(std::initializer_list<unsigned char> keyCodes, float deltaSeconds = 0.0625f)
    {
        for (bool isDown : {true, false})
        {
            for (unsigned char keyCode : keyCodes)
            {
                isDown ? m_input.HandleKeyPressed(keyCode) : m_input.HandleKeyReleased(keyCode);
            }
            RunFrames(1, deltaSeconds);
        }
    }
    void Tap(unsigned char keyCode, float deltaSeconds = 0.0625f) { Tap({keyCode}, deltaSeconds); }

    void BankDots(int count, Rgba8 const& color = Rgba8::WHITE)
    {
        for (int dotIndex = 0; dotIndex < count; ++dotIndex)
        {
            GetGame().BankDot(color);
        }
    }

    InputSystem m_input;
    App m_app;

private:
    InputSystem* m_previousInput = g_theInput;
    App* m_previousApp = g_theApp;
};
