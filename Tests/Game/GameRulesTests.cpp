#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/Game.hpp"
#include "Game/ScriptedInputDriver.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
void BankDots(Game& game, int count)
{
    for (int dotIndex = 0; dotIndex < count; ++dotIndex)
    {
        game.BankDot(Rgba8::WHITE);
    }
}
}  // namespace

// One step on the press; the next on the first frame after more than 0.5 s held;
// then one each time more than 0.1 s has built up, the rest of the frame lost.
// Steps are half a cursor, made only while the whole 16 x 16 square stays inside
// the world: it stops with its edge on the world's edge (the left and top edges:
// the play-through's sweeps).
TEST(GameCursor, HeldArrowRepeatsAfterHalfASecondThenEveryTenthUpToTheWorldsEdge)
{
    ScriptedInputDriver driver;
    Cursor const& cursor = *driver.GetGame().m_cursor;
    ASSERT_EQ(cursor.m_position, Vec2(128.f, 72.f));
    driver.PressKey(KEYCODE_RIGHT_ARROW);
    driver.PressKey(KEYCODE_DOWN_ARROW);
    std::vector<float> positionsX;
    for (int frameIndex = 0; frameIndex < 16; ++frameIndex)
    {
        driver.RunFrames();
        positionsX.push_back(cursor.m_position.x);
    }
    // Held 0.0625 per frame: 0.5 is reached on frame 8 (not more than 0.5), 0.5625 on
    // frame 9. After that the timer restarts at 0 and passes 0.1 every second frame;
    // a timer that kept its remainder would step on frames 11, 13, 14, 16.
    std::vector<float> const expectedX = {136.f, 136.f, 136.f, 136.f, 136.f, 136.f, 136.f, 136.f,
                                          144.f, 144.f, 152.f, 152.f, 160.f, 160.f, 168.f, 168.f};
    EXPECT_EQ(positionsX, expectedX);
    driver.RunFrames(200);
    EXPECT_EQ(cursor.m_position, Vec2(248.f, 8.f));
}

// SPACE breaks every resting dot whose box touches the cursor's, edges and corners
// included. Each draws its angle, then its speed, in list order, from the Game's
// generator with seed 0. (That unbreakable dots stay: the soak; that flying ones
// are not broken again: the play-through.)
TEST(GameBreaking, SpaceBreaksTheDotsUnderTheCursorWithReplayableDraws)
{
    ScriptedInputDriver driver;
    Game& game = driver.GetGame();
    Vec2 const center(128.f, 40.f);  // nothing of the first puzzle lies here
    game.m_cursor->m_position = center;
    size_t const numHintDots = game.m_textDots.size();
    for (Vec2 const& offset : {Vec2(8.5f, 0.f), Vec2(-8.5f, -8.5f), Vec2(8.51f, 0.f), Vec2(0.f, -8.51f)})
    {
        game.m_textDots.push_back(new Dot(&game, center + offset, 1.f, Rgba8::WHITE));
    }
    driver.PressKey(KEYCODE_SPACE);
    driver.RunFrames(1, 0.f);  // a zero step leaves the starting velocities in place
    RandomNumberGenerator replay;
    for (size_t dotIndex = 0; dotIndex < 4; ++dotIndex)
    {
        Dot const& dot = *game.m_textDots[numHintDots + dotIndex];
        ASSERT_EQ(dot.IsFree(), dotIndex < 2) << dotIndex;
        if (dot.IsFree())
        {
            float const angleDegrees = replay.GetRandomFloatInRange(45.f, 135.f);
            EXPECT_EQ(dot.m_velocity,
                      Vec2::MakeFromPolarDegrees(angleDegrees, replay.GetRandomFloatInRange(20.f, 50.f)));
        }
    }
}

// A letter costs its glyph's dot count and is bought only while the bank holds
// more than that; every press shakes. A wrong letter is listed and counted, eight
// to a line (its price: the play-through). 32 fill the list's 35 characters; a 33rd
// ends the frame's keyboard handling, unpaid and uncounted: the letters after it,
// F1 and Escape on that frame go unseen.
TEST(GameLetters, PricesRevealsAndTheWrongLetterList)
{
    ScriptedInputDriver driver;
    Game& game = driver.GetGame();  // TUTORIAL: the A is at index 6, and costs 30
    BankDots(game, 30);
    driver.Tap('A');
    EXPECT_EQ(game.m_bankedDotCount, 30);
    EXPECT_FALSE(game.m_isLetterRevealed[6]);
    EXPECT_GT(game.m_shakeAmount, 0.f);
    BankDots(game, 1);
    driver.Tap('A');
    EXPECT_EQ(game.m_bankedDotCount, 1);
    EXPECT_TRUE(game.m_isLetterRevealed[6]);

    BankDots(game, 2000);
    for (char letter : std::string("BCDEFGHJKMNPQSVWXYZBCDEFGHJKMNPQ"))
    {
        driver.Tap(static_cast<unsigned char>(letter));
    }
    EXPECT_EQ(game.m_failTrials, 32);
    EXPECT_STREQ(game.m_wrongLetters, "BCDEFGHJ\nKMNPQSVW\nXYZBCDEF\nGHJKMNPQ");
    int const bankedDotCount = game.m_bankedDotCount;

    driver.Tap({'B', 'T', KEYCODE_F1, KEYCODE_ESCAPE});
    EXPECT_EQ(game.m_failTrials, 32);
    EXPECT_EQ(game.m_bankedDotCount, bankedDotCount);
    EXPECT_FALSE(game.m_isLetterRevealed[0]);
    EXPECT_EQ(game.m_restarts, 0);
    EXPECT_FALSE(driver.m_app.IsQuitting());

    driver.Tap('T');  // a right letter is still bought
    EXPECT_TRUE(game.m_isLetterRevealed[0]);
    driver.Tap(KEYCODE_ESCAPE);
    EXPECT_TRUE(driver.m_app.IsQuitting());
}
