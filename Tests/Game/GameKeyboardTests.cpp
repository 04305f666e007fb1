#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Game/App.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
Vec2 CursorPosition(GameTestDriver const& driver)
{
    return driver.m_game->m_cursor->GetPosition();
}

bool DoesDotTouchCursor(Dot const& dot, Vec2 const& cursorCenter)
{
    float const reach = 8.f + dot.m_size * 0.5f;  // half the cursor plus half the dot
    return dot.m_position.x >= cursorCenter.x - reach && dot.m_position.x <= cursorCenter.x + reach &&
           dot.m_position.y >= cursorCenter.y - reach && dot.m_position.y <= cursorCenter.y + reach;
}
}  // namespace

TEST(GameCursorControl, StepsHalfACursorWhileTheSquareStaysInsideTheWorld)
{
    struct Case
    {
        Vec2 start;
        unsigned char key;
        Vec2 expected;
    };
    Case const CASES[] = {
        {Vec2(128.f, 72.f), KEYCODE_LEFT_ARROW, Vec2(120.f, 72.f)},
        {Vec2(128.f, 72.f), KEYCODE_RIGHT_ARROW, Vec2(136.f, 72.f)},
        {Vec2(128.f, 72.f), KEYCODE_UP_ARROW, Vec2(128.f, 80.f)},
        {Vec2(128.f, 72.f), KEYCODE_DOWN_ARROW, Vec2(128.f, 64.f)},
        {Vec2(16.f, 72.f), KEYCODE_LEFT_ARROW, Vec2(8.f, 72.f)},
        {Vec2(8.f, 72.f), KEYCODE_LEFT_ARROW, Vec2(8.f, 72.f)},
        {Vec2(240.f, 72.f), KEYCODE_RIGHT_ARROW, Vec2(248.f, 72.f)},
        {Vec2(248.f, 72.f), KEYCODE_RIGHT_ARROW, Vec2(248.f, 72.f)},
        {Vec2(128.f, 176.f), KEYCODE_UP_ARROW, Vec2(128.f, 184.f)},
        {Vec2(128.f, 184.f), KEYCODE_UP_ARROW, Vec2(128.f, 184.f)},
        {Vec2(128.f, 16.f), KEYCODE_DOWN_ARROW, Vec2(128.f, 8.f)},
        {Vec2(128.f, 8.f), KEYCODE_DOWN_ARROW, Vec2(128.f, 8.f)},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << "from " << testCase.start.x << "," << testCase.start.y << " key "
                                        << static_cast<int>(testCase.key));
        GameTestDriver driver;
        driver.m_game->m_cursor->m_position = testCase.start;
        driver.Tap(testCase.key);
        EXPECT_EQ(CursorPosition(driver), testCase.expected);
    }
}

TEST(GameCursorControl, OppositeArrowsOnOneFrameStepLeftThenRight)
{
    GameTestDriver driver;
    EXPECT_EQ(CursorPosition(driver), Vec2(128.f, 72.f));
    driver.Tap({KEYCODE_LEFT_ARROW, KEYCODE_RIGHT_ARROW});
    EXPECT_EQ(CursorPosition(driver), Vec2(128.f, 72.f));

    // At the left edge only the allowed step happens.
    driver.m_game->m_cursor->m_position = Vec2(8.f, 72.f);
    driver.Tap({KEYCODE_LEFT_ARROW, KEYCODE_RIGHT_ARROW});
    EXPECT_EQ(CursorPosition(driver), Vec2(16.f, 72.f));
}

// One step on the press; the next on the first frame after more than 0.5 s held;
// then one each time more than 0.1 s has built up, the rest of the frame lost.
TEST(GameCursorControl, HeldArrowRepeatsAfterHalfASecondThenEveryTenthWithTheRemainderLost)
{
    GameTestDriver driver;
    float const deltaSeconds = 0.0625f;
    driver.Press(KEYCODE_RIGHT_ARROW);
    std::vector<float> positionsX;
    for (int frameIndex = 0; frameIndex < 16; ++frameIndex)
    {
        driver.RunFrame(deltaSeconds);
        positionsX.push_back(CursorPosition(driver).x);
    }
    // Held 0.0625 per frame: 0.5 is reached on frame 8 (not more than 0.5), 0.5625 on
    // frame 9. After that the timer restarts at 0 and passes 0.1 every second frame;
    // a timer that kept its remainder would step on frames 11, 13, 14, 16.
    std::vector<float> const expectedX = {136.f, 136.f, 136.f, 136.f, 136.f, 136.f, 136.f, 136.f,
                                          144.f, 144.f, 152.f, 152.f, 160.f, 160.f, 168.f, 168.f};
    EXPECT_EQ(positionsX, expectedX);

    // Letting go disarms the repeat: a new press waits the full half second again.
    driver.Release(KEYCODE_RIGHT_ARROW);
    driver.RunFrame(deltaSeconds);
    EXPECT_FALSE(driver.m_game->m_isKeyRepeating[1]);
    EXPECT_EQ(driver.m_game->m_keyHeldSeconds[1], 0.f);
    driver.Press(KEYCODE_RIGHT_ARROW);
    driver.RunFrames(8, deltaSeconds);
    EXPECT_EQ(CursorPosition(driver).x, 176.f);
    driver.RunFrame(deltaSeconds);
    EXPECT_EQ(CursorPosition(driver).x, 184.f);
}

TEST(GameCursorControl, HoldingRightFromTheStartStopsAtTheRightEdge)
{
    GameTestDriver driver;
    driver.Press(KEYCODE_RIGHT_ARROW);
    driver.RunFrame(0.0625f);
    EXPECT_EQ(CursorPosition(driver).x, 136.f);
    int numRepeatSteps = 0;
    for (int frameIndex = 0; frameIndex < 200; ++frameIndex)
    {
        float const previousX = CursorPosition(driver).x;
        driver.RunFrame(0.0625f);
        numRepeatSteps += CursorPosition(driver).x != previousX ? 1 : 0;
    }
    EXPECT_EQ(numRepeatSteps, 14);
    EXPECT_EQ(CursorPosition(driver).x, 248.f);
    driver.Release(KEYCODE_RIGHT_ARROW);
    driver.RunFrame(0.0625f);
    driver.Tap(KEYCODE_RIGHT_ARROW);
    EXPECT_EQ(CursorPosition(driver).x, 248.f);
}

// Each broken dot draws its angle, then its speed, in list order, from the Game's
// generator with seed 0.
TEST(GameTextBreaking, SpaceBreaksTheDotsUnderTheCursorWithReplayableDraws)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    Vec2 const cursorCenter(64.f, 160.f);  // over the first line of the first hint
    game.m_cursor->m_position = cursorCenter;

    driver.Press(KEYCODE_SPACE);
    driver.RunFrame(0.f);  // a zero step leaves the starting velocities in place

    RandomNumberGenerator replay;
    int numBroken = 0;
    for (Dot const* dot : game.m_textDots)
    {
        bool const shouldBreak = DoesDotTouchCursor(*dot, cursorCenter);
        ASSERT_EQ(dot->IsFree(), shouldBreak) << "dot at " << dot->m_position.x << "," << dot->m_position.y;
        if (!shouldBreak)
        {
            continue;
        }
        float const angleDegrees = replay.GetRandomFloatInRange(45.f, 135.f);
        float const speed = replay.GetRandomFloatInRange(20.f, 50.f);
        EXPECT_EQ(dot->m_velocity, Vec2::MakeFromPolarDegrees(angleDegrees, speed));
        EXPECT_GT(dot->m_velocity.y, 0.f);
        EXPECT_EQ(dot->m_acceleration, Vec2(0.f, -100.f));
        ++numBroken;
    }
    EXPECT_GT(numBroken, 10);
    EXPECT_EQ(game.m_rng->m_position, static_cast<unsigned int>(2 * numBroken));
    EXPECT_EQ(game.m_shakeAmount, 2.f);
    EXPECT_EQ(game.m_shakeDecayPerSecond, 4.f);
}

TEST(GameTextBreaking, TouchingEdgesBreakButFreeAndUnbreakableDotsAreSkipped)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    Vec2 const cursorCenter(128.f, 40.f);  // nothing of the first puzzle lies here
    game.m_cursor->m_position = cursorCenter;

    auto addDot = [&game](Vec2 const& position)
    {
        Dot* dot = new Dot(&game, position, 1.f, Rgba8::WHITE);
        game.m_textDots.push_back(dot);
        return dot;
    };
    Dot* touchingRight = addDot(Vec2(136.5f, 40.f));
    Dot* touchingBottomLeftCorner = addDot(Vec2(119.5f, 31.5f));
    Dot* justOutside = addDot(Vec2(136.51f, 40.f));
    Dot* unbreakable = addDot(cursorCenter);
    unbreakable->m_isUnbreakable = true;
    Dot* alreadyFree = addDot(Vec2(130.f, 40.f));
    alreadyFree->BreakFree(Vec2(0.f, 1.f));

    driver.Press(KEYCODE_SPACE);
    driver.RunFrame(0.f);
    EXPECT_TRUE(touchingRight->IsFree());
    EXPECT_TRUE(touchingBottomLeftCorner->IsFree());
    EXPECT_FALSE(justOutside->IsFree());
    EXPECT_FALSE(unbreakable->IsFree());
    EXPECT_EQ(alreadyFree->m_velocity, Vec2(0.f, 1.f));
    EXPECT_EQ(game.m_rng->m_position, 4u);
}

TEST(GameTextBreaking, SpaceOverNothingBreakableStartsNoShake)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    game.m_cursor->m_position = Vec2(128.f, 40.f);
    driver.Tap(KEYCODE_SPACE);
    EXPECT_EQ(game.m_shakeAmount, 0.f);
    EXPECT_EQ(game.m_rng->m_position, 0u);
    for (Dot const* dot : game.m_textDots)
    {
        EXPECT_FALSE(dot->IsFree());
    }
}

// The offsets are drawn from the Game's generator on every shaking frame and are
// kept, not reset, once the shake has died away.
TEST(GameScreenShake, ShakesOnlyTheWorldCameraAndKeepsTheLastOffsets)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    EXPECT_EQ(game.m_worldCamera.GetOrthoBottomLeft(), Vec2(0.f, 0.f));
    EXPECT_EQ(game.m_worldCamera.GetOrthoTopRight(), Vec2(256.f, 192.f));

    game.m_cursor->m_position = Vec2(64.f, 160.f);
    driver.Press(KEYCODE_SPACE);
    driver.RunFrame(0.f);
    driver.Release(KEYCODE_SPACE);

    RandomNumberGenerator replay = *game.m_rng;
    driver.RunFrame(0.0625f);
    // Two statements: the order in which a call's arguments are evaluated is unspecified.
    float const expectedOffsetX = replay.GetRandomFloatInRange(0.f, 2.f);
    float const expectedOffsetY = replay.GetRandomFloatInRange(0.f, 2.f);
    Vec2 const expectedOffset(expectedOffsetX, expectedOffsetY);
    EXPECT_EQ(game.m_worldCamera.GetOrthoBottomLeft(), expectedOffset);
    EXPECT_EQ(game.m_worldCamera.GetOrthoTopRight(), expectedOffset + Vec2(256.f, 192.f));
    EXPECT_EQ(game.m_shakeAmount, 1.75f);

    driver.RunFrames(7, 0.0625f);  // the amount reaches 0 exactly
    EXPECT_LE(game.m_shakeAmount, 0.f);
    Vec2 const lastOffset = game.m_worldCamera.GetOrthoBottomLeft();
    unsigned int const positionAfterShake = game.m_rng->m_position;
    driver.RunFrames(10, 0.0625f);
    EXPECT_EQ(game.m_worldCamera.GetOrthoBottomLeft(), lastOffset);
    EXPECT_EQ(game.m_rng->m_position, positionAfterShake);

    EXPECT_EQ(game.m_screenCamera.GetOrthoBottomLeft(), Vec2(0.f, 0.f));
    EXPECT_EQ(game.m_screenCamera.GetOrthoTopRight(), Vec2(256.f, 192.f));
}

TEST(GameKeys, EscapeRequestsQuittingInEveryState)
{
    for (int state : {GAME_STATE_PLAYING, GAME_STATE_SOLVED, GAME_STATE_END_SCREEN})
    {
        SCOPED_TRACE(state);
        ScopedApp scopedApp;
        GameTestDriver driver;
        driver.m_game->m_state = state;
        driver.RunFrame(0.0625f);
        EXPECT_FALSE(scopedApp.app.IsQuitting());
        driver.Tap(KEYCODE_ESCAPE);
        EXPECT_TRUE(scopedApp.app.IsQuitting());
    }
}
