#include "Engine/Input/KeyCodes.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
int CountFreeTextDots(Game const& game)
{
    int numFree = 0;
    for (Dot const* dot : game.m_textDots)
    {
        numFree += dot->IsFree() ? 1 : 0;
    }
    return numFree;
}

void MoveCursorTo(GameTestDriver& driver, Vec2 const& target)
{
    Cursor const& cursor = *driver.m_game->m_cursor;
    for (int stepIndex = 0; stepIndex < 64 && cursor.GetPosition() != target; ++stepIndex)
    {
        Vec2 const position = cursor.GetPosition();
        if (position.x < target.x)
        {
            driver.Tap(KEYCODE_RIGHT_ARROW);
        }
        else if (position.x > target.x)
        {
            driver.Tap(KEYCODE_LEFT_ARROW);
        }
        else if (position.y < target.y)
        {
            driver.Tap(KEYCODE_UP_ARROW);
        }
        else
        {
            driver.Tap(KEYCODE_DOWN_ARROW);
        }
    }
    ASSERT_EQ(cursor.GetPosition(), target);
}

// Sweeps the cursor over the hint area (y 128 to 192, the whole width) in 16-unit
// strides, pressing SPACE everywhere, then lets every broken dot fall and bank.
void BreakEveryHintDot(GameTestDriver& driver)
{
    bool isGoingRight = true;
    for (float rowY = 184.f; rowY >= 136.f; rowY -= 16.f)
    {
        for (int column = 0; column < 16; ++column)
        {
            float const columnX = isGoingRight ? 8.f + 16.f * static_cast<float>(column)
                                               : 248.f - 16.f * static_cast<float>(column);
            MoveCursorTo(driver, Vec2(columnX, rowY));
            driver.Tap(KEYCODE_SPACE);
        }
        isGoingRight = !isGoingRight;
    }
    for (int frameIndex = 0; frameIndex < 400 && CountFreeTextDots(*driver.m_game) > 0; ++frameIndex)
    {
        driver.RunFrame(0.0625f);
    }
    ASSERT_EQ(CountFreeTextDots(*driver.m_game), 0);
}

void BuyAnswer(GameTestDriver& driver)
{
    Game& game = *driver.m_game;
    std::string const answer = game.m_answer;
    for (size_t letterIndex = 0; letterIndex < answer.size(); ++letterIndex)
    {
        char const letter = answer[letterIndex];
        if (letter == ' ')
        {
            continue;
        }
        int const price = game.m_dotFont->GetGlyphDotCount(letter);
        ASSERT_GT(static_cast<int>(game.m_bankedDots.size()), price)
            << "bank too small for " << letter << " of " << answer;
        driver.Tap(static_cast<unsigned char>(letter));
        ASSERT_TRUE(game.m_isLetterRevealed[letterIndex]) << letter << " of " << answer;
    }
}
}  // namespace

// Every hint pays for its answer: all twenty puzzles are played from their hints
// alone, with one restart and one wrong guess on the way, to the end screen.
TEST(GamePlayThrough, EveryPuzzleIsSolvableFromItsHintToTheEndScreen)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    for (int puzzleIndex = 0; puzzleIndex < NUM_PUZZLES; ++puzzleIndex)
    {
        SCOPED_TRACE(testing::Message() << "puzzle " << puzzleIndex + 1 << " " << game.m_answer);
        ASSERT_EQ(game.m_puzzleIndex, puzzleIndex);
        ASSERT_EQ(game.m_state, GAME_STATE_PLAYING);
        ASSERT_TRUE(game.m_bankedDots.empty());

        if (puzzleIndex == 1)
        {
            driver.Tap(KEYCODE_F1);
            ASSERT_EQ(game.m_restarts, 1);
        }

        size_t const numHintDots = game.m_textDots.size();
        BreakEveryHintDot(driver);
        ASSERT_TRUE(game.m_textDots.empty()) << "hint dots left unbroken";
        ASSERT_EQ(game.m_bankedDots.size(), numHintDots);

        if (puzzleIndex == 0)
        {
            driver.Tap('Z');  // not in TUTORIAL
            ASSERT_EQ(game.m_failTrials, 1);
        }

        BuyAnswer(driver);
        ASSERT_TRUE(game.IsAnswerComplete());
        driver.RunFrame(0.25f);
        ASSERT_EQ(game.m_state, GAME_STATE_SOLVED);
        driver.RunFrames(5, 0.25f);
    }

    EXPECT_EQ(game.m_state, GAME_STATE_END_SCREEN);
    EXPECT_EQ(game.m_restarts, 1);
    EXPECT_EQ(game.m_failTrials, 1);
    EXPECT_TRUE(game.m_bankedDots.empty());

    // The counts text comes last, laid out as its own text would be.
    std::vector<Dot*> expected;
    game.m_dotFont->SpawnTextDots(expected, "Restart 1 times\nFail trials 1 times", 0.7f, Vec2(128.f, 55.f),
                                  Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    ASSERT_GE(game.m_textDots.size(), expected.size());
    size_t const firstCountsDot = game.m_textDots.size() - expected.size();
    for (size_t dotIndex = 0; dotIndex < expected.size(); ++dotIndex)
    {
        Dot const* shown = game.m_textDots[firstCountsDot + dotIndex];
        EXPECT_EQ(shown->m_position, expected[dotIndex]->m_position);
        EXPECT_EQ(shown->m_size, expected[dotIndex]->m_size);
        EXPECT_EQ(shown->m_color, game.m_textDots.back()->m_color);
        delete expected[dotIndex];
    }
    // The dot just before it belongs to "Result", in another colour draw.
    EXPECT_EQ(game.m_textDots[firstCountsDot - 1]->m_size, 0.8f);
}
