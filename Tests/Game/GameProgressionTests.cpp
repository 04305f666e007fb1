#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
void RevealWholeAnswer(Game& game)
{
    for (size_t letterIndex = 0; letterIndex < game.m_isLetterRevealed.size(); ++letterIndex)
    {
        game.m_isLetterRevealed[letterIndex] = true;
    }
}

void SolveLastPuzzleIntoEndScreen(GameTestDriver& driver)
{
    driver.m_game->m_puzzleIndex = NUM_PUZZLES - 1;
    driver.m_game->SetupPuzzle();
    RevealWholeAnswer(*driver.m_game);
    driver.RunFrames(6, 0.25f);
    ASSERT_EQ(driver.m_game->m_state, GAME_STATE_END_SCREEN);
}

bool IsBright(Rgba8 const& color)
{
    return color.r + color.g + color.b >= 400 && color.a == 255;
}
}  // namespace

TEST(GamePuzzle, SetupLaysOutTheAnswerSlotsAndUnderlines)
{
    struct Case
    {
        int puzzleIndex;
        char const* answer;
        float firstUnderlineX;
        int numUnderlines;
    };
    Case const CASES[] = {
        {0, "TUTORIAL", 82.f, 8},
        {1, "TWO", 112.f, 3},
        {13, "TIME MACHINE", 58.f, 11},
        {16, "NEURAL NETWORK", 46.f, 13},
    };
    GameTestDriver driver;
    Game& game = *driver.m_game;
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.answer);
        game.m_puzzleIndex = testCase.puzzleIndex;
        game.SetupPuzzle();
        EXPECT_STREQ(game.m_answer, testCase.answer);
        int const answerLength = static_cast<int>(std::strlen(testCase.answer));
        EXPECT_EQ(game.m_answerLength, answerLength);
        ASSERT_EQ(static_cast<int>(game.m_letterSlots.size()), answerLength);
        ASSERT_EQ(static_cast<int>(game.m_isLetterRevealed.size()), answerLength);
        for (int letterIndex = 0; letterIndex < answerLength; ++letterIndex)
        {
            float const slotX = testCase.firstUnderlineX + 12.f * static_cast<float>(letterIndex) - 2.5f;
            EXPECT_EQ(game.m_letterSlots[letterIndex], Vec2(slotX, 106.f));
        }
        // Six vertices per underline, none for a space; the first starts half its
        // thickness before the slot.
        ASSERT_EQ(static_cast<int>(game.m_answerUnderlines.size()), 6 * testCase.numUnderlines);
        EXPECT_EQ(game.m_answerUnderlines[0].m_position.x, testCase.firstUnderlineX - 0.25f);
        EXPECT_EQ(game.m_answerUnderlines[0].m_color, Rgba8::WHITE);
        EXPECT_FALSE(game.IsAnswerComplete());
    }
}

TEST(GamePuzzle, TheHintAndThePuzzleNumberAreBreakableWhiteDots)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    game.m_puzzleIndex = 9;  // puzzle 10, a two-line hint
    game.SetupPuzzle();
    float maxX = 0.f;
    for (Dot const* dot : game.m_textDots)
    {
        EXPECT_FALSE(dot->m_isUnbreakable);
        EXPECT_EQ(dot->m_color, Rgba8::WHITE);
        EXPECT_EQ(dot->m_size, 1.f);
        maxX = std::max(maxX, dot->m_position.x + 1.f);
    }
    // "10" ends at x = 248 with its glyph square reaching 3 units further; the 0's
    // rightmost column is its bit 1, so its last pixel ends at 248 + 2.
    EXPECT_EQ(maxX, 250.f);
}

// Solved after the last letter; the next puzzle comes on the first frame that
// finds more than one second gone.
TEST(GameProgression, MovesOnOnlyAfterMoreThanOneSecondSolved)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    RevealWholeAnswer(game);
    driver.RunFrame(0.25f);
    EXPECT_EQ(game.m_state, GAME_STATE_SOLVED);
    EXPECT_EQ(game.m_stateSeconds, 0.25f);
    driver.RunFrames(3, 0.25f);
    EXPECT_EQ(game.m_stateSeconds, 1.f);
    driver.RunFrame(0.25f);  // exactly 1.0 is not more than one second
    EXPECT_EQ(game.m_puzzleIndex, 0);
    EXPECT_EQ(game.m_state, GAME_STATE_SOLVED);
    driver.RunFrame(0.25f);
    EXPECT_EQ(game.m_puzzleIndex, 1);
    EXPECT_EQ(game.m_state, GAME_STATE_PLAYING);
    EXPECT_STREQ(game.m_answer, "TWO");
}

TEST(GameProgression, AfterTheTwentiethPuzzleOnlyTheEndScreenTextsRemain)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    game.m_puzzleIndex = NUM_PUZZLES - 1;
    game.SetupPuzzle();
    driver.BankDots(12);
    RevealWholeAnswer(game);
    driver.RunFrames(6, 0.25f);
    EXPECT_EQ(game.m_state, GAME_STATE_END_SCREEN);
    EXPECT_TRUE(game.m_bankedDots.empty());
    EXPECT_TRUE(game.m_answerUnderlines.empty());

    // The three texts, in order, each in one bright colour.
    DotFont const& font = *game.m_dotFont;
    std::vector<Dot*> expected;
    font.SpawnTextDots(expected, "THANKS FOR YOUR PLAYING!", 1.f, Vec2(128.f, 150.f), Vec2(0.5f, 0.5f),
                       Rgba8::WHITE, false);
    size_t const numTitleDots = expected.size();
    font.SpawnTextDots(expected, "Result", 0.8f, Vec2(68.f, 80.f), Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    size_t const numHeadingDots = expected.size() - numTitleDots;
    font.SpawnTextDots(expected, "Restart 0 times\nFail trials 0 times", 0.7f, Vec2(128.f, 55.f),
                       Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    ASSERT_EQ(game.m_textDots.size(), expected.size());
    for (size_t dotIndex = 0; dotIndex < expected.size(); ++dotIndex)
    {
        EXPECT_EQ(game.m_textDots[dotIndex]->m_position, expected[dotIndex]->m_position);
        EXPECT_EQ(game.m_textDots[dotIndex]->m_size, expected[dotIndex]->m_size);
        EXPECT_FALSE(game.m_textDots[dotIndex]->m_isUnbreakable);
        size_t const firstOfItsText = dotIndex < numTitleDots ? 0
                                      : dotIndex < numTitleDots + numHeadingDots
                                          ? numTitleDots
                                          : numTitleDots + numHeadingDots;
        EXPECT_EQ(game.m_textDots[dotIndex]->m_color, game.m_textDots[firstOfItsText]->m_color);
        EXPECT_TRUE(IsBright(game.m_textDots[dotIndex]->m_color));
        delete expected[dotIndex];
    }
}

TEST(GameEndScreen, BrightColoursAreRedrawnUntilTheirSumReachesFourHundred)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    RandomNumberGenerator replay;
    for (int colorIndex = 0; colorIndex < 200; ++colorIndex)
    {
        Rgba8 const color = game.GetRandomBrightColor();
        int red = 0;
        int green = 0;
        int blue = 0;
        do
        {
            red = replay.GetRandomIntInRange(0, 255);
            green = replay.GetRandomIntInRange(0, 255);
            blue = replay.GetRandomIntInRange(0, 255);
        } while (red + green + blue < 400);
        ASSERT_EQ(color, Rgba8(static_cast<unsigned char>(red), static_cast<unsigned char>(green),
                               static_cast<unsigned char>(blue), 255));
    }
    // The nine first draws of seed 0 are 72 212 19 | 205 182 172 | 251 253 9: the
    // first triple (303) is redrawn, the second (559) taken.
    GameTestDriver fresh;
    EXPECT_EQ(fresh.m_game->GetRandomBrightColor(), Rgba8(205, 182, 172, 255));
    EXPECT_EQ(fresh.m_game->m_rng->m_position, 6u);
}

// SPACE breaks first, then rebuilds the texts whole with fresh counts; the broken
// pieces fly on and are banked.
TEST(GameEndScreen, SpaceBreaksThenRebuildsTheTextsInNewColours)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    SolveLastPuzzleIntoEndScreen(driver);
    size_t const numEndScreenDots = game.m_textDots.size();
    Rgba8 const oldTitleColor = game.m_textDots[0]->m_color;
    game.m_restarts = 2;
    game.m_failTrials = 5;
    game.m_cursor->m_position = Vec2(40.f, 152.f);  // over the title's first letters

    driver.Tap(KEYCODE_SPACE, 0.f);
    size_t numFree = 0;
    for (Dot const* dot : game.m_textDots)
    {
        numFree += dot->IsFree() ? 1 : 0;
    }
    ASSERT_GT(numFree, 0u);

    std::vector<Dot*> expected;
    DotFont const& font = *game.m_dotFont;
    font.SpawnTextDots(expected, "THANKS FOR YOUR PLAYING!", 1.f, Vec2(128.f, 150.f), Vec2(0.5f, 0.5f),
                       Rgba8::WHITE, false);
    font.SpawnTextDots(expected, "Result", 0.8f, Vec2(68.f, 80.f), Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    font.SpawnTextDots(expected, "Restart 2 times\nFail trials 5 times", 0.7f, Vec2(128.f, 55.f),
                       Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    ASSERT_EQ(game.m_textDots.size(), numFree + expected.size());
    EXPECT_NE(expected.size(), numEndScreenDots);  // "2" and "5" differ from "0" in dots
    for (size_t dotIndex = 0; dotIndex < expected.size(); ++dotIndex)
    {
        Dot const* rebuilt = game.m_textDots[numFree + dotIndex];
        EXPECT_EQ(rebuilt->m_position, expected[dotIndex]->m_position);
        EXPECT_FALSE(rebuilt->IsFree());
        delete expected[dotIndex];
    }
    EXPECT_NE(game.m_textDots[numFree]->m_color, oldTitleColor);

    driver.RunFrames(100, 0.0625f);
    EXPECT_EQ(game.m_bankedDotCount, static_cast<int>(numFree));
}

TEST(GameRestartKey, F1RestartsWhilePlayingIsIgnoredWhileSolvedAndRebuildsTheEndScreen)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    size_t const numPuzzleDots = game.m_textDots.size();
    game.m_failTrials = 3;

    // Playing: the same puzzle from nothing; the counters carry over.
    driver.BankDots(40);
    game.m_cursor->m_position = Vec2(64.f, 160.f);
    driver.Tap(KEYCODE_SPACE);
    driver.Tap(KEYCODE_F1);
    EXPECT_EQ(game.m_restarts, 1);
    EXPECT_EQ(game.m_failTrials, 3);
    EXPECT_EQ(game.m_puzzleIndex, 0);
    EXPECT_EQ(game.m_state, GAME_STATE_PLAYING);
    EXPECT_TRUE(game.m_bankedDots.empty());
    EXPECT_EQ(game.m_textDots.size(), numPuzzleDots);
    for (Dot const* dot : game.m_textDots)
    {
        EXPECT_FALSE(dot->IsFree());
    }

    // Solved: nothing happens.
    driver.BankDots(40);
    RevealWholeAnswer(game);
    driver.RunFrame(0.0625f);
    ASSERT_EQ(game.m_state, GAME_STATE_SOLVED);
    driver.Tap(KEYCODE_F1);
    EXPECT_EQ(game.m_restarts, 1);
    EXPECT_EQ(game.m_bankedDots.size(), 40u);
    EXPECT_EQ(game.m_state, GAME_STATE_SOLVED);

    // End screen: everything cleared and shown again; restarts unchanged.
    SolveLastPuzzleIntoEndScreen(driver);
    size_t const numEndScreenDots = game.m_textDots.size();
    driver.BankDots(7);
    unsigned int const drawsBefore = game.m_rng->m_position;
    driver.Tap(KEYCODE_F1);
    EXPECT_EQ(game.m_restarts, 1);
    EXPECT_TRUE(game.m_bankedDots.empty());
    EXPECT_EQ(game.m_textDots.size(), numEndScreenDots);
    EXPECT_GE(game.m_rng->m_position, drawsBefore + 9);  // three new colours
}

// On the end screen the last answer stays revealed, so any bought letter is wrong.
TEST(GameEndScreen, LettersBoughtThereAreWrongAndShowOnTheNextRebuild)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    SolveLastPuzzleIntoEndScreen(driver);
    driver.BankDots(40);
    driver.Tap('N');
    EXPECT_EQ(game.m_failTrials, 1);
    EXPECT_EQ(game.m_bankedDots.size(), 3u);
    EXPECT_EQ(game.m_state, GAME_STATE_END_SCREEN);
}
