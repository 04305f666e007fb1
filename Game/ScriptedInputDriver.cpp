#include "Game/ScriptedInputDriver.hpp"

#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/Game.hpp"

#include <cstring>
#include <type_traits>

ScriptedInputDriver::ScriptedInputDriver() : m_previousInput(g_theInput), m_previousApp(g_theApp)
{
    g_theInput = &m_input;
    g_theApp = &m_app;
    m_app.m_game = new Game();
}

ScriptedInputDriver::~ScriptedInputDriver()
{
    g_theApp = m_previousApp;
    g_theInput = m_previousInput;
}

void ScriptedInputDriver::PressKey(unsigned char keyCode)
{
    m_input.HandleKeyPressed(keyCode);
    m_pendingKeyChanges.push_back({keyCode, true});
}

void ScriptedInputDriver::ReleaseKey(unsigned char keyCode)
{
    m_input.HandleKeyReleased(keyCode);
    m_pendingKeyChanges.push_back({keyCode, false});
}

void ScriptedInputDriver::RunFrames(int numFrames, float deltaSeconds)
{
    for (int frameIndex = 0; frameIndex < numFrames; ++frameIndex)
    {
        // A frame without key changes and with the previous delta lengthens the last line.
        ScriptFrame* const lastLine = m_recordedScript.empty() ? nullptr : &m_recordedScript.back();
        if (m_pendingKeyChanges.empty() && lastLine != nullptr && lastLine->deltaSeconds == deltaSeconds &&
            lastLine->frameCount < SCRIPT_MAX_FRAME_COUNT)
        {
            ++lastLine->frameCount;
        }
        else
        {
            m_recordedScript.push_back({deltaSeconds, m_pendingKeyChanges, 1});
            m_pendingKeyChanges.clear();
        }
        RunFrame(deltaSeconds);
    }
}

void ScriptedInputDriver::Tap(std::initializer_list<unsigned char> keyCodes, float deltaSeconds)
{
    for (bool isDown : {true, false})
    {
        for (unsigned char keyCode : keyCodes)
        {
            isDown ? PressKey(keyCode) : ReleaseKey(keyCode);
        }
        RunFrames(1, deltaSeconds);
    }
}

int ScriptedInputDriver::RunScriptFrame(ScriptFrame const& frame)
{
    for (ScriptKeyChange const& change : frame.keyChanges)
    {
        change.isDown ? PressKey(change.keyCode) : ReleaseKey(change.keyCode);
    }
    int numFramesRun = 0;
    while (numFramesRun < frame.frameCount && !IsQuitting())
    {
        RunFrames(1, frame.deltaSeconds);
        ++numFramesRun;
    }
    return numFramesRun;
}

// The App's frame without its render context: no BeginFrame or Render of the
// systems, which need a window; the Game's phases and the App's keys as in RunFrame.
void ScriptedInputDriver::RunFrame(float deltaSeconds)
{
    m_input.EndFrame();
    m_app.m_game->BeginFrame();
    m_app.Update(deltaSeconds);
    m_app.m_game->EndFrame();
    ++m_frameCount;
    if (m_isHashingFrames)
    {
        m_frameHashes.push_back(HashGameState(m_app));
    }
}

namespace
{
constexpr uint64_t FNV_OFFSET_BASIS = 14695981039346656037ull;
constexpr uint64_t FNV_PRIME = 1099511628211ull;

class StateHasher
{
public:
    void AddBytes(void const* data, size_t numBytes)
    {
        unsigned char const* bytes = static_cast<unsigned char const*>(data);
        for (size_t byteIndex = 0; byteIndex < numBytes; ++byteIndex)
        {
            m_hash = (m_hash ^ bytes[byteIndex]) * FNV_PRIME;
        }
    }
    // Scalars one by one, never whole structs, whose padding bytes are undefined.
    template <typename T>
    void Add(T value)
    {
        static_assert(std::is_arithmetic_v<T>, "scalars only");
        AddBytes(&value, sizeof(value));
    }
    void Add(Vec2 const& value)
    {
        Add(value.x);
        Add(value.y);
    }
    void Add(Rgba8 const& color)
    {
        Add(color.r);
        Add(color.g);
        Add(color.b);
        Add(color.a);
    }
    void AddDots(std::vector<Dot*> const& dots)
    {
        Add(dots.size());
        for (Dot const* dot : dots)
        {
            Add(dot->m_position);
            Add(dot->m_velocity);
            Add(dot->m_acceleration);
            Add(dot->m_size);
            Add(dot->m_color);
            Add(dot->m_isFree);
            Add(dot->m_isUnbreakable);
            Add(dot->m_skipBanking);
            Add(dot->m_isDead);
            Add(dot->m_isGarbage);
        }
    }
    uint64_t GetHash() const { return m_hash; }

private:
    uint64_t m_hash = FNV_OFFSET_BASIS;
};
}  // namespace

uint64_t HashGameState(App const& app)
{
    StateHasher hasher;
    hasher.Add(app.m_debugDisplay);
    hasher.Add(app.m_isQuitting);
    Game const* const game = app.m_game;
    if (game == nullptr)
    {
        return hasher.GetHash();
    }
    hasher.AddDots(game->m_textDots);
    hasher.AddDots(game->m_bankedDots);
    hasher.Add(game->m_bankedDotCount);
    hasher.Add(game->m_cursor->m_position);
    hasher.Add(game->m_isLetterRevealed.size());
    for (bool isRevealed : game->m_isLetterRevealed)
    {
        hasher.Add(isRevealed);
    }
    hasher.Add(game->m_puzzleIndex);
    hasher.Add(game->m_state);
    hasher.Add(game->m_stateSeconds);
    hasher.Add(game->m_restarts);
    hasher.Add(game->m_failTrials);
    hasher.Add(game->m_wrongLetterLength);
    hasher.AddBytes(game->m_wrongLetters, sizeof(game->m_wrongLetters));
    hasher.Add(game->m_shakeAmount);
    hasher.Add(game->m_shakeDecayPerSecond);
    hasher.Add(game->m_worldCamera.GetOrthoBottomLeft());
    hasher.Add(game->m_worldCamera.GetOrthoTopRight());
    for (int arrowIndex = 0; arrowIndex < NUM_ARROW_KEYS; ++arrowIndex)
    {
        hasher.Add(game->m_keyHeldSeconds[arrowIndex]);
        hasher.Add(game->m_isKeyRepeating[arrowIndex]);
    }
    hasher.Add(game->m_rng->m_seed);
    hasher.Add(game->m_rng->m_position);
    return hasher.GetHash();
}
