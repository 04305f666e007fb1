#pragma once
// One complete play-through: twenty word puzzles in a fixed order, then the end
// screen. Owns its dots (two lists), its cursor, its random number generator and
// the glyph table it created; everything is released when it leaves play or when
// the Game is destroyed.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Renderer/Camera.hpp"

#include <vector>

class Cursor;
class Dot;
class DotFont;
class RandomNumberGenerator;
struct Rgba8;

// The world both cameras show, in world units with the origin at the bottom left;
// the window's client area has its aspect.
constexpr float WORLD_WIDTH = 256.f;
constexpr float WORLD_HEIGHT = 192.f;

constexpr int GAME_STATE_PLAYING = 0;
constexpr int GAME_STATE_SOLVED = 1;
constexpr int GAME_STATE_END_SCREEN = 2;

constexpr int NUM_PUZZLES = 20;
constexpr int NUM_ARROW_KEYS = 4;  // Left, Right, Up, Down, in that order
constexpr int WRONG_LETTERS_BUFFER_SIZE = 512;
constexpr int WRONG_LETTERS_MAX_LENGTH = 35;  // four lines of eight, three line feeds
constexpr int BANK_SLOTS_PER_ROW = 256;
// Slots whose dot stays on the world (rows 0 to 211). A dot banked beyond them would
// leave the world on its first update and bank another, for ever.
constexpr int BANK_CAPACITY = BANK_SLOTS_PER_ROW * 212;

class Game
{
public:
    Game();  // shows puzzle 1
    ~Game();
    Game(Game const&) = delete;
    Game& operator=(Game const&) = delete;

    char const* GetCurrentAnswer() const;
    void SetupPuzzle();   // shows the puzzle at m_puzzleIndex from nothing: empty bank, no wrong letters
    void ClearAllDots();  // destroys every dot without banking; forgets the wrong letters
    void AddScreenShake(float amount, float durationSeconds);  // replaces any running shake

    void BeginFrame();
    void Update(float deltaSeconds);  // unclamped; a NaN delta counts as 0
    void Render() const;
    void EndFrame();  // dead dots leave the lists only here

    // Keyboard
    void HandleKeyboardInput(float deltaSeconds);
    void BreakTextsUnderCursor();

    // Dots in play and the bank
    void BankDot(Rgba8 const& color);
    void SpendBankedDots(int count);  // from the right-hand end, without banking anything
    void UpdateDots(float deltaSeconds);
    void RemoveDeadDots();
    int GetDotCount() const;  // text dots plus banked dots, flying ones included
    void AppendDotVerts(std::vector<Vertex_PCU>& verts) const;  // text dots, then banked dots

    // Letters
    int FindUnrevealedLetter(char letter) const;  // -1 when none is left
    bool IsAnswerComplete() const;                // spaces never need guessing

    // End screen
    void ShowEndScreen();
    Rgba8 GetRandomBrightColor();  // r + g + b >= 400
    void ClearUnbrokenTextDots();

private:
    void UpdateScreenShake(float deltaSeconds);
    void UpdateWorldCamera();
    void UpdateProgression();
    void StepCursor(int arrowIndex);
    bool HandleLetterKeys();  // false ends the frame's keyboard handling
    void AddWrongLetter(char letter);
    void ClearWrongLetters();
    void DestroyDots(std::vector<Dot*>& dots);

    void RenderWorld() const;
    void RenderDots() const;
    void RenderWrongLetters() const;
    void RenderDotCount() const;

public:
    std::vector<Dot*> m_textDots;    // owned: every text dot, flying ones included
    std::vector<Dot*> m_bankedDots;  // owned: the bank, in slot order
    char const* m_answer = nullptr;
    std::vector<Vec2> m_letterSlots;  // one per answer character, spaces included
    std::vector<bool> m_isLetterRevealed;
    int m_answerLength = 0;
    std::vector<Vertex_PCU> m_answerUnderlines;
    Cursor* m_cursor = nullptr;  // owned
    float m_shakeAmount = 0.f;   // world units; 0 or less means no shake
    float m_shakeDecayPerSecond = 0.f;
    bool m_isKeyRepeating[NUM_ARROW_KEYS] = {};
    float m_keyHeldSeconds[NUM_ARROW_KEYS] = {};
    int m_puzzleIndex = 0;
    int m_state = GAME_STATE_PLAYING;
    float m_stateSeconds = 0.f;
    char m_wrongLetters[WRONG_LETTERS_BUFFER_SIZE] = {};
    int m_wrongLetterLength = 0;
    int m_bankedDotCount = 0;  // always the size of m_bankedDots; the next slot index
    int m_failTrials = 0;
    int m_restarts = 0;
    Camera m_worldCamera;                    // shaken
    Camera m_screenCamera;                   // never shaken
    RandomNumberGenerator* m_rng = nullptr;  // owned; seed 0, so every Game draws the same sequence
    DotFont* m_dotFont = nullptr;            // owned; g_theDotFont while this Game is the current one
};
