// Random play on the scripted driver, checking the game's invariants after every
// frame: seeded presses and holds over every key the game reads and some it does
// not, deltas of 0, tiny, normal, stalls of seconds and now and then one that is
// not a number, F1 and F8 among them. Letters of the current answer come up more
// often than the others, so that games move on through the puzzles. A failure
// names the seed and the frame.
//
// The default, 64 seeds of 5,000 frames in eight shards, runs in every build.
// A longer run: DOTSUNDER_SOAK_SEEDS=200 DOTSUNDER_SOAK_FRAMES=5000 (10^6 frames).

#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/Game.hpp"
#include "Game/ScriptedInputDriver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace
{
constexpr int NUM_SOAK_SHARDS = 8;

// Arrows and SPACE, letters, F4, Escape, and keys the game does not read: Enter,
// F2, '0', 'a' (no virtual key), 128, 200 and 255, and the terminating 0 (no key).
unsigned char const OTHER_KEYS[] = "\x25\x27\x26\x28 ABCDEFGHIJKLMNOPQRSTUVWXYZ\x73\x1B\x0D\x71"
                                   "0a\x80\xC8\xFF";

int GetEnvironmentCount(char const* name, int defaultCount)
{
    char const* const text = std::getenv(name);
    int const count = text != nullptr ? std::atoi(text) : 0;
    return count > 0 ? count : defaultCount;
}

float DrawDeltaSeconds(RandomNumberGenerator& rng)
{
    float const roll = rng.GetRandomFloatZeroToOne();
    return roll < 0.05f    ? 0.f
           : roll < 0.15f  ? rng.GetRandomFloatInRange(1e-7f, 1e-3f)
           : roll < 0.995f ? rng.GetRandomFloatInRange(1.f / 240.f, 1.f / 20.f)
           : roll < 0.997f ? std::numeric_limits<float>::quiet_NaN()
                           : rng.GetRandomFloatInRange(2.f, 10.f);
}

// Restarts are rare enough for a game to get somewhere between them; half the
// other keys steer the cursor towards a text dot, so that breaking goes on.
unsigned char DrawKey(RandomNumberGenerator& rng, Game const& game)
{
    float const roll = rng.GetRandomFloatZeroToOne();
    if (roll < 0.001f)
    {
        return roll < 0.0002f ? KEYCODE_F8 : KEYCODE_F1;
    }
    if (roll < 0.3f && game.m_answerLength > 0)
    {
        char const letter = game.m_answer[rng.GetRandomIntLessThan(game.m_answerLength)];
        return letter == ' ' ? KEYCODE_SPACE : static_cast<unsigned char>(letter);
    }
    if (roll < 0.5f && !game.m_textDots.empty())
    {
        Vec2 const offset =
            game.m_textDots[rng.GetRandomIntLessThan(static_cast<int>(game.m_textDots.size()))]->m_position -
            game.m_cursor->m_position;
        bool const isAcross = std::fabs(offset.x) > std::fabs(offset.y);
        return std::fabs(offset.x) <= 8.f && std::fabs(offset.y) <= 8.f ? KEYCODE_SPACE
               : isAcross ? (offset.x < 0.f ? KEYCODE_LEFT_ARROW : KEYCODE_RIGHT_ARROW)
                          : (offset.y < 0.f ? KEYCODE_DOWN_ARROW : KEYCODE_UP_ARROW);
    }
    // Mostly the arrows and SPACE at the front of the list.
    int const numKeys = roll < 0.97f ? 5 : static_cast<int>(std::size(OTHER_KEYS));
    return OTHER_KEYS[rng.GetRandomIntLessThan(numKeys)];
}

// The game that seed plays, frame by frame, every invariant checked after each;
// stops at the first one broken.
void Soak(unsigned int seed, int numFrames)
{
    RandomNumberGenerator rng(seed);
    ScriptedInputDriver driver;
    // Each seed starts at its own puzzle, so that the last ones are played too; on
    // the last one the answer is given, so that the end screen is played as well.
    Game& firstGame = driver.GetGame();
    firstGame.m_puzzleIndex = static_cast<int>(seed % NUM_PUZZLES);
    firstGame.SetupPuzzle();
    if (firstGame.m_puzzleIndex == NUM_PUZZLES - 1)
    {
        firstGame.m_isLetterRevealed.assign(firstGame.m_isLetterRevealed.size(), true);
    }
    float solvedSeconds = 0.f;  // of the pause so far, as the game should count it
    std::vector<Dot const*> dots;
    for (int frame = 1; frame <= numFrames; ++frame)
    {
        for (int numChanges = rng.GetRandomIntInRange(0, 2); numChanges > 0; --numChanges)
        {
            unsigned char const keyCode = DrawKey(rng, driver.GetGame());
            driver.m_input.IsKeyDown(keyCode) ? driver.ReleaseKey(keyCode) : driver.PressKey(keyCode);
        }
        Game const& before = driver.GetGame();  // F8 replaces it
        int const restarts = before.m_restarts, failTrials = before.m_failTrials;
        int const puzzleIndex = before.m_puzzleIndex;
        bool const wasSolved = before.m_state == GAME_STATE_SOLVED;
        float const deltaSeconds = DrawDeltaSeconds(rng);

        driver.RunFrames(1, deltaSeconds);

        Game const& game = driver.GetGame();
        bool const wasF8Pressed = driver.m_input.WasKeyJustPressed(KEYCODE_F8);
        char const* broken = "";
        auto const check = [&broken](bool holds, char const* what)
        { broken = *broken == '\0' && !holds ? what : broken; };
        check(game.m_bankedDotCount == static_cast<int>(game.m_bankedDots.size()),
              "the bank count is not the bank's size");
        for (size_t slot = 0; slot < game.m_bankedDots.size(); ++slot)
        {
            Vec2 const slotPosition(static_cast<float>(slot % BANK_SLOTS_PER_ROW),
                                    static_cast<float>(slot / BANK_SLOTS_PER_ROW));
            check(game.m_bankedDots[slot]->m_position == slotPosition, "a banked dot is not at its slot");
        }
        dots.assign(game.m_textDots.begin(), game.m_textDots.end());
        dots.insert(dots.end(), game.m_bankedDots.begin(), game.m_bankedDots.end());
        for (Dot const* dot : dots)
        {
            check(
                std::isfinite(dot->m_position.x + dot->m_position.y + dot->m_velocity.x + dot->m_velocity.y),
                "a live dot is not finite");
            check(!(dot->m_isUnbreakable && dot->IsFree()), "an unbreakable dot broke");
        }
        std::sort(dots.begin(), dots.end());
        check(std::adjacent_find(dots.begin(), dots.end()) == dots.end(), "a dot is in the lists twice");
        check(game.m_wrongLetterLength <= WRONG_LETTERS_MAX_LENGTH &&
                  std::strlen(game.m_wrongLetters) == static_cast<size_t>(game.m_wrongLetterLength),
              "the wrong-letter list is not as long as its length");
        check(wasF8Pressed || (game.m_restarts >= restarts && game.m_failTrials >= failTrials &&
                               game.m_puzzleIndex >= puzzleIndex),
              "a counter fell without F8");
        bool const isSolved = game.m_state == GAME_STATE_SOLVED;
        check(wasF8Pressed || !(wasSolved && isSolved && solvedSeconds > 1.f),
              "a solved puzzle stayed after more than a second");
        solvedSeconds =
            (isSolved && wasSolved ? solvedSeconds : 0.f) + (std::isnan(deltaSeconds) ? 0.f : deltaSeconds);
        check(AABB2(0.f, 0.f, 2.f, 2.f).IsPointInside(game.m_worldCamera.GetOrthoBottomLeft()),
              "the shake offset left [0, 2]");
        AABB2 const world(0.f, 0.f, WORLD_WIDTH, WORLD_HEIGHT), cursor = game.m_cursor->GetAABB2();
        check(world.IsPointInside(cursor.mins) && world.IsPointInside(cursor.maxs),
              "the cursor left the world");
        check(!driver.IsQuitting() || driver.m_input.WasKeyJustPressed(KEYCODE_ESCAPE),
              "quit without Escape");
        driver.m_app.m_isQuitting = false;  // play on
        ASSERT_STREQ(broken, "") << "soak: seed " << seed << ", frame " << frame;
    }
}

class GameSoak : public testing::TestWithParam<int>
{
};

TEST_P(GameSoak, RandomPlayKeepsEveryInvariantOnEveryFrame)
{
    int const numSeeds = GetEnvironmentCount("DOTSUNDER_SOAK_SEEDS", 64);
    int const numFrames = GetEnvironmentCount("DOTSUNDER_SOAK_FRAMES", 5000);
    for (int seed = GetParam(); seed < numSeeds && !HasFatalFailure(); seed += NUM_SOAK_SHARDS)
    {
        Soak(static_cast<unsigned int>(seed), numFrames);
    }
}

INSTANTIATE_TEST_SUITE_P(Shards, GameSoak, testing::Range(0, NUM_SOAK_SHARDS));
}  // namespace
