#include "Game/Game.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/Rgba8.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyButtonState.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/VertexUtils.hpp"
#include "Game/App.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace
{
constexpr int TEXT_BUFFER_SIZE = 128;

char const* const PUZZLE_HINTS[] = {
    "ARROWS TO MOVE THE CURSOR\nSPACE TO BREAK TEXTS\nF1 TO RESTART",
    "BINARY",
    "KEEP THE ORCHARD SINGING",
    "LAW OF UNIVERSAL GRAVITATION",
    "THREAD",
    "PEN APPLE",
    "Color 0",
    "MINIONS",
    "SHAPE OF CURSOR",
    "FIRST ELECTRONIC\nGENERAL-PURPOSE COMPUTER",
    "DRAGON QUEST",
    "TORVALD ESKEMIND",
    "BLADE RUNNER",
    "STEINS;GATE",
    "GAMES WITH TEXT BASED STORIES",
    "YANKEES",
    "ARTIFICIAL INTELLIGENCE",
    "HIGHEST MOUNTAIN",
    "FIRST MARVEL SUPERHERO",
    "START WITH",
};
char const* const PUZZLE_ANSWERS[] = {
    "TUTORIAL",     "TWO",      "QUELM",          "HALVEN",  "NEEDLE",      "PINEAPPLE", "BLACK",
    "BANANA",       "SQUARE",   "ENIAC",          "SLIME",   "NINTENDO",    "CYBERPUNK", "TIME MACHINE",
    "VISUAL NOVEL", "NEW YORK", "NEURAL NETWORK", "EVEREST", "HUMAN TORCH", "NOTHING",
};
static_assert(std::size(PUZZLE_HINTS) == NUM_PUZZLES, "one hint per puzzle");
static_assert(std::size(PUZZLE_ANSWERS) == NUM_PUZZLES, "one answer per hint");

Vec2 const WORLD_BOTTOM_LEFT(0.f, 0.f);
Vec2 const WORLD_TOP_RIGHT(WORLD_WIDTH, WORLD_HEIGHT);
Vec2 const CURSOR_START_POSITION(128.f, 72.f);
Vec2 const CENTER_PIVOT(0.5f, 0.5f);

Rgba8 const TEXT_COLOR(255, 255, 255, 255);
Rgba8 const REVEAL_COLOR(255, 255, 128, 255);
Rgba8 const WRONG_LETTER_COLOR(255, 0, 0, 255);
Rgba8 const DOT_COUNT_COLOR(0, 255, 0, 255);
Rgba8 const CLEAR_COLOR(0, 0, 0, 255);

Vec2 const HINT_POSITION(128.f, 152.f);
Vec2 const PUZZLE_NUMBER_POSITION(248.f, 182.f);
Vec2 const PUZZLE_NUMBER_PIVOT(1.f, 0.5f);  // right edge on the position
constexpr float ANSWER_ROW_Y = 106.f;
constexpr float LETTER_SLOT_ADVANCE = 12.f;  // an 8-unit underline and a 4-unit gap
constexpr float UNDERLINE_LENGTH = 8.f;
constexpr float UNDERLINE_THICKNESS = 0.5f;
constexpr float LETTER_SLOT_OFFSET_X = -2.5f;

constexpr float BREAK_MIN_DEGREES = 45.f;
constexpr float BREAK_MAX_DEGREES = 135.f;
constexpr float BREAK_MIN_SPEED = 20.f;  // world units per second
constexpr float BREAK_MAX_SPEED = 50.f;
constexpr float BREAK_SHAKE_AMOUNT = 2.f;
constexpr float BREAK_SHAKE_SECONDS = 0.5f;
constexpr float LETTER_SHAKE_AMOUNT = 0.4f;
constexpr float LETTER_SHAKE_SECONDS = 0.2f;

constexpr float CURSOR_REPEAT_DELAY = 0.5f;     // seconds an arrow is held before it repeats
constexpr float CURSOR_REPEAT_INTERVAL = 0.1f;  // seconds between repeats
constexpr float SOLVED_PAUSE_SECONDS = 1.f;     // revealed answer stays this long
constexpr int LAST_PUZZLE_INDEX = NUM_PUZZLES - 1;
constexpr int WRONG_LETTERS_PER_LINE = 8;
constexpr int BRIGHT_COLOR_MIN_SUM = 400;

unsigned char const ARROW_KEYS[NUM_ARROW_KEYS] = {KEYCODE_LEFT_ARROW, KEYCODE_RIGHT_ARROW, KEYCODE_UP_ARROW,
                                                  KEYCODE_DOWN_ARROW};
enum ArrowIndex
{
    ARROW_LEFT = 0,
    ARROW_RIGHT = 1,
    ARROW_UP = 2,
    ARROW_DOWN = 3,
};

// Kept for the process, not per Game, and never reset: once a shake has died
// away the camera stays where the last draw put it.
float s_shakeOffsetX = 0.f;
float s_shakeOffsetY = 0.f;

// Reused every frame, so the storage of the one batched dot draw is not rebuilt.
std::vector<Vertex_PCU> s_dotVertexes;
}  // namespace

Game::Game()
{
    m_rng = new RandomNumberGenerator();

    m_dotFont = new DotFont();
    g_theDotFont = m_dotFont;
    m_dotFont->InitGlyphs();
    m_dotFont->m_game = this;

    m_worldCamera.SetOrthoView(WORLD_BOTTOM_LEFT, WORLD_TOP_RIGHT);
    m_screenCamera.SetOrthoView(WORLD_BOTTOM_LEFT, WORLD_TOP_RIGHT);

    m_cursor = new Cursor(this, CURSOR_START_POSITION);

    SetupPuzzle();
}

Game::~Game()
{
    ClearAllDots();
    delete m_cursor;
    m_cursor = nullptr;
    delete m_rng;
    m_rng = nullptr;
    // A newer Game may already have made its own font current (F8).
    if (g_theDotFont == m_dotFont)
    {
        g_theDotFont = nullptr;
    }
    delete m_dotFont;
    m_dotFont = nullptr;
}

char const* Game::GetCurrentAnswer() const
{
    GUARANTEE_OR_DIE(m_puzzleIndex >= 0 && m_puzzleIndex < NUM_PUZZLES, "Game::GetCurrentAnswer",
                     Stringf("Puzzle index %d is outside 0 to %d", m_puzzleIndex, LAST_PUZZLE_INDEX));
    return PUZZLE_ANSWERS[m_puzzleIndex];
}

void Game::SetupPuzzle()
{
    char const* const answer = GetCurrentAnswer();  // checks the index before anything changes
    ClearAllDots();
    m_state = GAME_STATE_PLAYING;

    m_dotFont->SpawnTextDots(m_textDots, PUZZLE_HINTS[m_puzzleIndex], 1.f, HINT_POSITION, CENTER_PIVOT,
                             TEXT_COLOR, false);
    char puzzleNumberText[TEXT_BUFFER_SIZE];
    std::snprintf(puzzleNumberText, sizeof(puzzleNumberText), "%d", m_puzzleIndex + 1);
    m_dotFont->SpawnTextDots(m_textDots, puzzleNumberText, 1.f, PUZZLE_NUMBER_POSITION, PUZZLE_NUMBER_PIVOT,
                             TEXT_COLOR, false);

    m_answer = answer;
    m_answerLength = static_cast<int>(std::strlen(m_answer));

    float const rowWidth = LETTER_SLOT_ADVANCE * static_cast<float>(m_answerLength) - 4.f;
    float slotX = 128.f - rowWidth / 2.f;
    m_letterSlots.clear();
    m_isLetterRevealed.clear();
    std::vector<Vertex_PCU> underlines;
    for (int letterIndex = 0; letterIndex < m_answerLength; ++letterIndex)
    {
        // A space keeps its slot, without an underline and without a guess.
        if (m_answer[letterIndex] != ' ')
        {
            AddVertsForLine2D(underlines, Vec2(slotX, ANSWER_ROW_Y),
                              Vec2(slotX + UNDERLINE_LENGTH, ANSWER_ROW_Y), TEXT_COLOR, UNDERLINE_THICKNESS);
        }
        m_letterSlots.push_back(Vec2(slotX + LETTER_SLOT_OFFSET_X, ANSWER_ROW_Y));
        m_isLetterRevealed.push_back(false);
        slotX += LETTER_SLOT_ADVANCE;
    }
    m_answerUnderlines = underlines;
}

void Game::ClearAllDots()
{
    DestroyDots(m_textDots);
    DestroyDots(m_bankedDots);
    m_bankedDotCount = 0;
    ClearWrongLetters();
}

void Game::DestroyDots(std::vector<Dot*>& dots)
{
    for (Dot* dot : dots)
    {
        delete dot;
    }
    dots.clear();
}

void Game::ClearWrongLetters()
{
    std::memset(m_wrongLetters, 0, sizeof(m_wrongLetters));
    m_wrongLetterLength = 0;
}

void Game::AddScreenShake(float amount, float durationSeconds)
{
    m_shakeAmount = amount;
    m_shakeDecayPerSecond = amount / durationSeconds;
}

void Game::BeginFrame() {}

// Order: shake, camera, keyboard, progression, dots (banked, then text), state time.
void Game::Update(float deltaSeconds)
{
    // A delta that is not a number counts as no time. Passed on, it would stop the
    // solved pause's clock for good (NaN is never more than a second) and throw
    // every flying dot off the world at once.
    if (std::isnan(deltaSeconds))
    {
        deltaSeconds = 0.f;
    }
    UpdateScreenShake(deltaSeconds);
    UpdateWorldCamera();
    HandleKeyboardInput(deltaSeconds);
    UpdateProgression();
    UpdateDots(deltaSeconds);
    m_stateSeconds += deltaSeconds;
}

void Game::UpdateScreenShake(float deltaSeconds)
{
    if (m_shakeAmount > 0.f)
    {
        s_shakeOffsetX = m_rng->GetRandomFloatInRange(0.f, m_shakeAmount);
        s_shakeOffsetY = m_rng->GetRandomFloatInRange(0.f, m_shakeAmount);
        m_shakeAmount -= m_shakeDecayPerSecond * deltaSeconds;
    }
}

void Game::UpdateWorldCamera()
{
    m_worldCamera.SetOrthoView(WORLD_BOTTOM_LEFT, WORLD_TOP_RIGHT);
    m_worldCamera.Translate2D(Vec2(s_shakeOffsetX, s_shakeOffsetY));
}

void Game::UpdateProgression()
{
    if (IsAnswerComplete() && m_state == GAME_STATE_PLAYING)
    {
        m_stateSeconds = 0.f;
        m_state = GAME_STATE_SOLVED;
    }
    if (m_state == GAME_STATE_SOLVED && m_stateSeconds > SOLVED_PAUSE_SECONDS)
    {
        if (m_puzzleIndex >= LAST_PUZZLE_INDEX)
        {
            ClearAllDots();
            m_state = GAME_STATE_END_SCREEN;
            m_answerUnderlines.clear();
            ShowEndScreen();
        }
        else
        {
            ++m_puzzleIndex;
            SetupPuzzle();
        }
    }
}

void Game::HandleKeyboardInput(float deltaSeconds)
{
    if (g_theInput == nullptr)
    {
        return;
    }

    for (int arrowIndex = 0; arrowIndex < NUM_ARROW_KEYS; ++arrowIndex)
    {
        if (g_theInput->WasKeyJustPressed(ARROW_KEYS[arrowIndex]))
        {
            StepCursor(arrowIndex);
        }
    }
    for (int arrowIndex = 0; arrowIndex < NUM_ARROW_KEYS; ++arrowIndex)
    {
        if (!g_theInput->GetKeyState(ARROW_KEYS[arrowIndex]).IsPressed())
        {
            m_keyHeldSeconds[arrowIndex] = 0.f;
            m_isKeyRepeating[arrowIndex] = false;
        }
    }
    // The timer restarts from zero after each repeat: the part of the frame past
    // the threshold is lost.
    for (int arrowIndex = 0; arrowIndex < NUM_ARROW_KEYS; ++arrowIndex)
    {
        if (!g_theInput->GetKeyState(ARROW_KEYS[arrowIndex]).IsPressed())
        {
            continue;
        }
        m_keyHeldSeconds[arrowIndex] += deltaSeconds;
        if (m_keyHeldSeconds[arrowIndex] > CURSOR_REPEAT_DELAY)
        {
            m_isKeyRepeating[arrowIndex] = true;
        }
        if (m_keyHeldSeconds[arrowIndex] > CURSOR_REPEAT_INTERVAL && m_isKeyRepeating[arrowIndex])
        {
            StepCursor(arrowIndex);
            m_keyHeldSeconds[arrowIndex] = 0.f;
        }
    }

    if (g_theInput->WasKeyJustPressed(KEYCODE_SPACE))
    {
        BreakTextsUnderCursor();
        if (m_state == GAME_STATE_END_SCREEN)
        {
            ClearUnbrokenTextDots();
            ShowEndScreen();
        }
    }

    // A refused 33rd wrong letter ends the frame's keyboard handling: F1 and
    // Escape on that frame go unseen.
    if (!HandleLetterKeys())
    {
        return;
    }

    if (g_theInput->GetKeyState(KEYCODE_F1).WasJustPressed())
    {
        if (m_state == GAME_STATE_PLAYING)
        {
            SetupPuzzle();
            ++m_restarts;
        }
        else if (m_state == GAME_STATE_END_SCREEN)
        {
            ClearAllDots();
            ShowEndScreen();
        }
    }

    if (g_theInput->WasKeyJustPressed(KEYCODE_ESCAPE) && g_theApp != nullptr)
    {
        g_theApp->HandleQuitRequested();
    }
}

// The whole 16 x 16 square stays inside the world: each test is strict.
void Game::StepCursor(int arrowIndex)
{
    Vec2 const position = m_cursor->GetPosition();
    float const halfSize = m_cursor->m_size / 2.f;
    switch (arrowIndex)
    {
        case ARROW_LEFT:
            if (position.x - halfSize > 0.f)
            {
                m_cursor->Translate(Vec2(-halfSize, 0.f));
            }
            break;
        case ARROW_RIGHT:
            if (position.x + halfSize < WORLD_WIDTH)
            {
                m_cursor->Translate(Vec2(halfSize, 0.f));
            }
            break;
        case ARROW_UP:
            if (position.y + halfSize < WORLD_HEIGHT)
            {
                m_cursor->Translate(Vec2(0.f, halfSize));
            }
            break;
        case ARROW_DOWN:
            if (position.y - halfSize > 0.f)
            {
                m_cursor->Translate(Vec2(0.f, -halfSize));
            }
            break;
        default:
            break;
    }
}

// Dots are visited in list order and each draws its angle before its speed, so
// the random sequence depends on that order.
void Game::BreakTextsUnderCursor()
{
    int numBrokenDots = 0;
    AABB2 const cursorBox = m_cursor->GetAABB2();
    for (Dot* dot : m_textDots)
    {
        if (dot->IsFree() || dot->m_isUnbreakable)
        {
            continue;
        }
        if (!DoAABBsOverlap(dot->GetAABB2(), cursorBox))
        {
            continue;
        }
        float const angleDegrees = m_rng->GetRandomFloatInRange(BREAK_MIN_DEGREES, BREAK_MAX_DEGREES);
        float const speed = m_rng->GetRandomFloatInRange(BREAK_MIN_SPEED, BREAK_MAX_SPEED);
        dot->BreakFree(Vec2::MakeFromPolarDegrees(angleDegrees, speed));
        ++numBrokenDots;
    }
    if (numBrokenDots > 0)
    {
        AddScreenShake(BREAK_SHAKE_AMOUNT, BREAK_SHAKE_SECONDS);
    }
}

// Letters are handled in alphabetical order, each paid for in turn; a letter costs
// its glyph's dot count and is bought only while the bank holds more than that.
bool Game::HandleLetterKeys()
{
    for (int keyCode = 'A'; keyCode <= 'Z'; ++keyCode)
    {
        char const letter = static_cast<char>(keyCode);
        if (!g_theInput->WasKeyJustPressed(static_cast<unsigned char>(keyCode)))
        {
            continue;
        }
        AddScreenShake(LETTER_SHAKE_AMOUNT, LETTER_SHAKE_SECONDS);

        int const cost = m_dotFont->GetGlyphDotCount(letter);
        if (!(static_cast<int>(m_bankedDots.size()) > cost))
        {
            continue;
        }
        int const letterIndex = FindUnrevealedLetter(letter);
        if (letterIndex != -1)
        {
            m_dotFont->SpawnLetterDots(m_textDots, letter, 1.f, m_letterSlots[letterIndex], REVEAL_COLOR,
                                       true);
            m_isLetterRevealed[letterIndex] = true;
        }
        else
        {
            if (m_wrongLetterLength >= WRONG_LETTERS_MAX_LENGTH)
            {
                return false;
            }
            AddWrongLetter(letter);
            ++m_failTrials;
        }
        SpendBankedDots(cost);
    }
    return true;
}

// Eight letters to a line: a line feed goes before the 9th, 17th and 25th.
void Game::AddWrongLetter(char letter)
{
    if ((m_wrongLetterLength + 1) % (WRONG_LETTERS_PER_LINE + 1) == 0)
    {
        m_wrongLetters[m_wrongLetterLength] = '\n';
        ++m_wrongLetterLength;
    }
    m_wrongLetters[m_wrongLetterLength] = letter;
    ++m_wrongLetterLength;
}

int Game::FindUnrevealedLetter(char letter) const
{
    for (int letterIndex = 0; letterIndex < m_answerLength; ++letterIndex)
    {
        if (m_answer[letterIndex] == letter && !m_isLetterRevealed[letterIndex])
        {
            return letterIndex;
        }
    }
    return -1;
}

bool Game::IsAnswerComplete() const
{
    for (int letterIndex = 0; letterIndex < m_answerLength; ++letterIndex)
    {
        if (!m_isLetterRevealed[letterIndex] && m_answer[letterIndex] != ' ')
        {
            return false;
        }
    }
    return true;
}

// Slot n lies at (n mod 256, n div 256). A full bank takes no more dots: a dot
// beyond the last slot would lie off the world.
void Game::BankDot(Rgba8 const& color)
{
    int const slotIndex = m_bankedDotCount;
    if (slotIndex >= BANK_CAPACITY)
    {
        return;
    }
    Vec2 const slotPosition(static_cast<float>(slotIndex % BANK_SLOTS_PER_ROW),
                            static_cast<float>(slotIndex / BANK_SLOTS_PER_ROW));
    Dot* bankedDot = new Dot(this, slotPosition, 1.f, color);
    bankedDot->m_isUnbreakable = true;
    m_bankedDots.push_back(bankedDot);
    ++m_bankedDotCount;
}

void Game::SpendBankedDots(int count)
{
    count = std::clamp(count, 0, static_cast<int>(m_bankedDots.size()));
    for (int spentIndex = 0; spentIndex < count; ++spentIndex)
    {
        Dot* spentDot = m_bankedDots.back();
        spentDot->m_skipBanking = true;
        spentDot->Die();
        m_bankedDots.pop_back();
        delete spentDot;
    }
    m_bankedDotCount -= count;
}

// Banked dots update before text dots, so a dot banked during the text pass
// first updates next frame. Dead dots leave the lists only in EndFrame.
void Game::UpdateDots(float deltaSeconds)
{
    size_t const numBankedDots = m_bankedDots.size();
    for (size_t dotIndex = 0; dotIndex < numBankedDots; ++dotIndex)
    {
        m_bankedDots[dotIndex]->Update(deltaSeconds);
    }
    size_t const numTextDots = m_textDots.size();
    for (size_t dotIndex = 0; dotIndex < numTextDots; ++dotIndex)
    {
        m_textDots[dotIndex]->Update(deltaSeconds);
    }
}

// Live dots keep their order; compacting in place allocates nothing.
void Game::RemoveDeadDots()
{
    for (std::vector<Dot*>* dots : {&m_textDots, &m_bankedDots})
    {
        size_t numLive = 0;
        for (Dot* dot : *dots)
        {
            if (dot->IsGarbage())
            {
                delete dot;
            }
            else
            {
                (*dots)[numLive++] = dot;
            }
        }
        dots->resize(numLive);
    }
}

int Game::GetDotCount() const
{
    return static_cast<int>(m_textDots.size() + m_bankedDots.size());
}

void Game::EndFrame()
{
    RemoveDeadDots();
}

void Game::ShowEndScreen()
{
    Rgba8 const titleColor = GetRandomBrightColor();
    m_dotFont->SpawnTextDots(m_textDots, "THANKS FOR YOUR PLAYING!", 1.f, Vec2(128.f, 150.f), CENTER_PIVOT,
                             titleColor, false);

    Rgba8 const headingColor = GetRandomBrightColor();
    m_dotFont->SpawnTextDots(m_textDots, "Result", 0.8f, Vec2(68.f, 80.f), CENTER_PIVOT, headingColor, false);

    char countsText[TEXT_BUFFER_SIZE];
    std::snprintf(countsText, sizeof(countsText), "Restart %d times\nFail trials %d times", m_restarts,
                  m_failTrials);
    Rgba8 const countsColor = GetRandomBrightColor();
    m_dotFont->SpawnTextDots(m_textDots, countsText, 0.7f, Vec2(128.f, 55.f), CENTER_PIVOT, countsColor,
                             false);
}

Rgba8 Game::GetRandomBrightColor()
{
    int red = 0;
    int green = 0;
    int blue = 0;
    do
    {
        red = m_rng->GetRandomIntInRange(0, 255);
        green = m_rng->GetRandomIntInRange(0, 255);
        blue = m_rng->GetRandomIntInRange(0, 255);
    } while (red + green + blue < BRIGHT_COLOR_MIN_SUM);
    return Rgba8(static_cast<unsigned char>(red), static_cast<unsigned char>(green),
                 static_cast<unsigned char>(blue), 255);
}

// Broken pieces keep flying and are banked as they leave; the rest go at the end
// of the frame without banking anything.
void Game::ClearUnbrokenTextDots()
{
    for (Dot* dot : m_textDots)
    {
        if (!dot->IsFree())
        {
            dot->m_skipBanking = true;
            dot->Die();
        }
    }
    ClearWrongLetters();
}

// World pass through the shaken camera; the screen camera's pass draws nothing,
// and the debug count after it is seen through its fixed view.
void Game::Render() const
{
    g_theRenderer->ClearScreen(CLEAR_COLOR);
    g_theRenderer->BeginCamera(m_worldCamera);
    RenderWorld();
    g_theRenderer->EndCamera(m_worldCamera);
    g_theRenderer->BeginCamera(m_screenCamera);
    g_theRenderer->EndCamera(m_screenCamera);
    if (g_theApp != nullptr && g_theApp->m_debugDisplay)
    {
        RenderDotCount();
    }
}

void Game::RenderWorld() const
{
    RenderDots();
    RenderWrongLetters();
    m_cursor->Render();
    g_theRenderer->DrawVertexArray(m_answerUnderlines);
}

// Text dots, then banked dots, in one draw.
void Game::RenderDots() const
{
    s_dotVertexes.clear();
    AppendDotVerts(s_dotVertexes);
    g_theRenderer->DrawVertexArray(s_dotVertexes);
}

void Game::AppendDotVerts(std::vector<Vertex_PCU>& verts) const
{
    for (Dot const* dot : m_textDots)
    {
        dot->AppendVerts(verts);
    }
    for (Dot const* dot : m_bankedDots)
    {
        dot->AppendVerts(verts);
    }
}

void Game::RenderWrongLetters() const
{
    if (m_state == GAME_STATE_END_SCREEN)
    {
        return;
    }
    m_dotFont->DrawTextWithSpacing(m_wrongLetters, 1.f, Vec2(128.f, 50.f), CENTER_PIVOT, WRONG_LETTER_COLOR,
                                   4);
}

void Game::RenderDotCount() const
{
    char dotCountText[TEXT_BUFFER_SIZE];
    std::snprintf(dotCountText, sizeof(dotCountText), "Dot Num %d", GetDotCount());
    m_dotFont->DrawText(dotCountText, 0.5f, Vec2(20.f, 150.f), Vec2(0.f, 1.f), DOT_COUNT_COLOR);
}
