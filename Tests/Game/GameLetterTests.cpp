#include "Engine/Input/KeyCodes.hpp"
#include "Game/App.hpp"
#include "Game/Dot.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
void ShowPuzzle(Game& game, int puzzleIndex)
{
    game.m_puzzleIndex = puzzleIndex;
    game.SetupPuzzle();
}

std::string WrongLetters(Game const& game)
{
    return std::string(game.m_wrongLetters, static_cast<size_t>(game.m_wrongLetterLength));
}
}  // namespace

TEST(GameLetterGuess, ALetterIsBoughtOnlyWhileTheBankHoldsMoreThanItsPrice)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;  // TUTORIAL: the A is at index 6
    driver.BankDots(30);
    size_t const numTextDots = game.m_textDots.size();
    driver.Tap('A');
    EXPECT_EQ(game.m_bankedDots.size(), 30u);
    EXPECT_FALSE(game.m_isLetterRevealed[6]);
    EXPECT_EQ(game.m_textDots.size(), numTextDots);
    EXPECT_EQ(game.m_failTrials, 0);
    EXPECT_GT(game.m_shakeAmount, 0.f);  // every letter press shakes

    driver.BankDots(1);
    driver.Tap('A');
    EXPECT_EQ(game.m_bankedDots.size(), 1u);
    EXPECT_EQ(game.m_bankedDotCount, 1);
    EXPECT_TRUE(game.m_isLetterRevealed[6]);
    ASSERT_EQ(game.m_textDots.size(), numTextDots + 30);
    // The letter's dots are unbreakable, in the reveal colour, at its slot.
    Dot const* firstRevealed = game.m_textDots[numTextDots];
    EXPECT_TRUE(firstRevealed->m_isUnbreakable);
    EXPECT_EQ(firstRevealed->m_color, Rgba8(255, 255, 128, 255));
    // TUTORIAL spans 92 units from x = 82; slot 6 is at 82 + 72 - 2.5, and A's
    // first dot is the rightmost pixel of its top row (38: bit 3).
    EXPECT_EQ(game.m_letterSlots[6], Vec2(151.5f, 106.f));
    EXPECT_EQ(firstRevealed->m_position, Vec2(151.5f + 7.f, 116.f));
}

TEST(GameLetterGuess, RepeatedLettersAreRevealedLeftToRightOnePaidGuessEach)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    ShowPuzzle(game, 4);  // NEEDLE
    driver.BankDots(100);
    driver.Tap('E');
    EXPECT_EQ(game.m_bankedDots.size(), 72u);
    EXPECT_TRUE(game.m_isLetterRevealed[1]);
    EXPECT_FALSE(game.m_isLetterRevealed[2]);
    driver.Tap('E');
    driver.Tap('E');
    EXPECT_EQ(game.m_bankedDots.size(), 16u);
    EXPECT_TRUE(game.m_isLetterRevealed[2]);
    EXPECT_TRUE(game.m_isLetterRevealed[5]);
    EXPECT_EQ(game.m_failTrials, 0);

    // No E is left: a fourth is a wrong guess, and still paid for.
    driver.BankDots(100);
    driver.Tap('E');
    EXPECT_EQ(game.m_failTrials, 1);
    EXPECT_EQ(WrongLetters(game), "E");
    EXPECT_EQ(game.m_bankedDots.size(), 116u - 28u);
}

TEST(GameLetterGuess, LettersOnOneFrameAreHandledAlphabeticallyEachPaidInTurn)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    ShowPuzzle(game, 1);  // TWO
    driver.BankDots(50);
    // O (30) comes first and leaves 20, too few for W (37).
    driver.Tap({'W', 'O'});
    EXPECT_TRUE(game.m_isLetterRevealed[2]);
    EXPECT_FALSE(game.m_isLetterRevealed[1]);
    EXPECT_EQ(game.m_bankedDots.size(), 20u);
}

// Eight letters to a line; 32 letters fill the list's 35 characters, and a 33rd
// wrong guess ends the frame's keyboard handling, unpaid and uncounted.
TEST(GameLetterGuess, WrongLettersBreakLinesAfterEightAndStopAtThirtyFiveCharacters)
{
    ScopedApp scopedApp;
    App& app = scopedApp.app;
    {
        GameTestDriver driver;
        Game& game = *driver.m_game;
        ShowPuzzle(game, 1);  // TWO: every letter below is wrong
        driver.BankDots(5000);
        for (char letter = 'A'; letter <= 'H'; ++letter)
        {
            driver.Tap(static_cast<unsigned char>(letter));
        }
        EXPECT_EQ(WrongLetters(game), "ABCDEFGH");
        driver.Tap('I');
        EXPECT_EQ(WrongLetters(game), "ABCDEFGH\nI");
        EXPECT_EQ(game.m_wrongLetterLength, 10);
        EXPECT_EQ(game.m_failTrials, 9);

        char const* const moreWrongLetters = "JKLMNPQRSUVXYZABCDEFGHIJK";  // no T, W or O
        for (char const* letter = moreWrongLetters; *letter != '\0' && game.m_failTrials < 32; ++letter)
        {
            driver.Tap(static_cast<unsigned char>(*letter));
        }
        EXPECT_EQ(game.m_failTrials, 32);
        EXPECT_EQ(WrongLetters(game), "ABCDEFGH\nIJKLMNPQ\nRSUVXYZA\nBCDEFGHI");
        EXPECT_EQ(game.m_wrongLetterLength, 35);
        for (int charIndex = 35; charIndex < WRONG_LETTERS_BUFFER_SIZE; ++charIndex)
        {
            ASSERT_EQ(game.m_wrongLetters[charIndex], '\0');
        }

        // The refused 33rd wrong guess (B) hides the rest of the frame: O after it,
        // F1 and Escape.
        size_t const bankBefore = game.m_bankedDots.size();
        driver.Tap({'B', 'O', KEYCODE_F1, KEYCODE_ESCAPE});
        EXPECT_EQ(game.m_failTrials, 32);
        EXPECT_EQ(game.m_wrongLetterLength, 35);
        EXPECT_EQ(game.m_bankedDots.size(), bankBefore);
        EXPECT_FALSE(game.m_isLetterRevealed[2]);
        EXPECT_EQ(game.m_restarts, 0);
        EXPECT_FALSE(app.IsQuitting());

        // A right guess is still accepted.
        driver.Tap('O');
        EXPECT_TRUE(game.m_isLetterRevealed[2]);
        EXPECT_EQ(game.m_bankedDots.size(), bankBefore - 30);
    }
}

// A letter not in the answer costs what it would cost if it were.
TEST(GameLetterGuess, WrongGuessCostsTheLettersPrice)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    driver.BankDots(40);
    driver.Tap('M');  // not in TUTORIAL, 37 dots
    EXPECT_EQ(game.m_bankedDots.size(), 3u);
    EXPECT_EQ(game.m_failTrials, 1);
}
