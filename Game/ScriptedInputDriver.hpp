#pragma once
// Runs the real App logic (F4, F8, quitting) and its Game through a real
// InputSystem without a window: the replay tool, the tests and the benchmarks
// play through it. For its span the driver's App and InputSystem are g_theApp and
// g_theInput. Keys change as the window layer would change them, and each frame
// first copies the key states, as the previous frame's EndFrame would have, so
// that a key pressed before a frame is just pressed in it. Nothing is drawn.
//
// Every frame run is recorded as input script (Game/InputScript.hpp), so that a
// game driven from code can be written out and replayed.

#include "Engine/Input/InputSystem.hpp"
#include "Game/App.hpp"
#include "Game/InputScript.hpp"

#include <cstdint>
#include <initializer_list>
#include <vector>

class Game;

constexpr float DRIVER_DEFAULT_DELTA_SECONDS = 0.0625f;  // exact in binary

class ScriptedInputDriver
{
public:
    ScriptedInputDriver();   // a fresh App showing puzzle 1
    ~ScriptedInputDriver();  // the App then deletes its Game
    ScriptedInputDriver(ScriptedInputDriver const&) = delete;
    ScriptedInputDriver& operator=(ScriptedInputDriver const&) = delete;

    Game& GetGame() { return *m_app.m_game; }  // F8 replaces it
    bool IsQuitting() const { return m_app.IsQuitting(); }

    void PressKey(unsigned char keyCode);
    void ReleaseKey(unsigned char keyCode);
    void RunFrames(int numFrames = 1, float deltaSeconds = DRIVER_DEFAULT_DELTA_SECONDS);
    // The keys are seen as just pressed in the first frame and as released in the second.
    void Tap(std::initializer_list<unsigned char> keyCodes,
             float deltaSeconds = DRIVER_DEFAULT_DELTA_SECONDS);
    void Tap(unsigned char keyCode, float deltaSeconds = DRIVER_DEFAULT_DELTA_SECONDS)
    {
        Tap({keyCode}, deltaSeconds);
    }
    // Runs the line's frames; stops early after a frame in which quitting was requested.
    // Returns the number of frames run.
    int RunScriptFrame(ScriptFrame const& frame);

    std::vector<ScriptFrame> const& GetRecordedScript() const { return m_recordedScript; }
    int GetFrameCount() const { return m_frameCount; }  // frames run so far
    // HashGameState after each frame run while m_isHashingFrames was set, in order.
    std::vector<uint64_t> const& GetFrameHashes() const { return m_frameHashes; }

public:
    InputSystem m_input;
    App m_app;
    bool m_isHashingFrames = false;

private:
    void RunFrame(float deltaSeconds);

private:
    InputSystem* m_previousInput = nullptr;
    App* m_previousApp = nullptr;
    std::vector<ScriptKeyChange> m_pendingKeyChanges;  // recorded with the next frame
    std::vector<ScriptFrame> m_recordedScript;
    std::vector<uint64_t> m_frameHashes;
    int m_frameCount = 0;
};

// A 64-bit FNV-1a digest of everything that decides how the game goes on: both dot
// lists in order (position, velocity, acceleration, size, colour and flags of each
// dot), the bank count, the cursor, the answer's reveal flags, the puzzle, state
// and counters, the wrong-letter buffer, the shake and the world camera, the arrow
// timers, the generator's position and the App's debug display. Float fields count
// by their bits, so -0 and 0 differ.
uint64_t HashGameState(App const& app);
