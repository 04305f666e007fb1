#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
// The base class alone, as every kind of entity starts.
class PlainEntity final : public Entity
{
public:
    using Entity::Entity;
};
}  // namespace

TEST(Entity, StartsAtRestWithItsRadiiAndAlive)
{
    PlainEntity entity(nullptr, Vec2(3.f, 4.f));
    EXPECT_EQ(entity.GetPosition(), Vec2(3.f, 4.f));
    EXPECT_EQ(entity.m_velocity, Vec2(0.f, 0.f));
    EXPECT_EQ(entity.m_acceleration, Vec2(0.f, 0.f));
    EXPECT_EQ(entity.GetOrientationDegrees(), 0.f);
    EXPECT_EQ(entity.m_angularVelocity, 0.f);
    EXPECT_EQ(entity.m_ageInSeconds, 0.f);
    EXPECT_EQ(entity.GetHealth(), 0);
    EXPECT_EQ(entity.GetPhysicsRadius(), 10.f);
    EXPECT_EQ(entity.m_cosmeticRadius, 20.f);
    EXPECT_FALSE(entity.IsDead());
    EXPECT_FALSE(entity.IsGarbage());
    EXPECT_EQ(entity.GetForwardVector(), Vec2(0.f, 0.f));
}

// Semi-implicit Euler: the new velocity moves the position in the same step.
TEST(Entity, UpdateMovesWithTheNewVelocityUntilDeadButAlwaysAges)
{
    PlainEntity entity(nullptr, Vec2(10.f, 10.f));
    entity.m_acceleration = Vec2(0.f, -100.f);
    entity.SetAngularVelocity(90.f);
    entity.Update(0.5f);
    EXPECT_EQ(entity.m_velocity, Vec2(0.f, -50.f));
    EXPECT_EQ(entity.GetPosition(), Vec2(10.f, -15.f));
    EXPECT_EQ(entity.GetOrientationDegrees(), 45.f);

    entity.Die();
    EXPECT_TRUE(entity.IsDead());
    EXPECT_FALSE(entity.IsGarbage());
    entity.Update(0.5f);
    EXPECT_EQ(entity.m_velocity, Vec2(0.f, -50.f));
    EXPECT_EQ(entity.GetPosition(), Vec2(10.f, -15.f));
    EXPECT_EQ(entity.m_ageInSeconds, 1.f);
}

// The margin is the cosmetic radius, and a position on it is already off.
TEST(Entity, IsOffScreenOnAndBeyondTheMargin)
{
    struct Case
    {
        Vec2 position;
        bool isOff;
    };
    float const nan = std::numeric_limits<float>::quiet_NaN();
    Case const CASES[] = {
        {Vec2(-19.9f, 100.f), false}, {Vec2(-20.f, 100.f), true},   {Vec2(275.9f, 100.f), false},
        {Vec2(276.f, 100.f), true},   {Vec2(100.f, 211.9f), false}, {Vec2(100.f, 212.f), true},
        {Vec2(100.f, -19.9f), false}, {Vec2(100.f, -20.f), true},   {Vec2(nan, 100.f), true},
        {Vec2(100.f, nan), true},     {Vec2(0.f, 0.f), false},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << testCase.position.x << "," << testCase.position.y);
        PlainEntity entity(nullptr, testCase.position);
        EXPECT_EQ(entity.IsOffScreen(), testCase.isOff);
    }
}

TEST(Entity, ForwardVectorHasTheSpeedAsItsLength)
{
    PlainEntity entity(nullptr, Vec2(0.f, 0.f));
    entity.m_velocity = Vec2(3.f, 4.f);
    entity.m_orientationDegrees = 90.f;
    Vec2 const forward = entity.GetForwardVector();
    EXPECT_NEAR(forward.x, 0.f, 1e-5f);
    EXPECT_NEAR(forward.y, 5.f, 1e-5f);
}

TEST(Dot, DrawnBoxStartsAtThePositionAndHitBoxIsCentredOnIt)
{
    Dot dot(nullptr, Vec2(10.f, 20.f), 1.f, Rgba8::RED);
    EXPECT_EQ(dot.GetDrawnAABB2().mins, Vec2(10.f, 20.f));
    EXPECT_EQ(dot.GetDrawnAABB2().maxs, Vec2(11.f, 21.f));
    EXPECT_EQ(dot.GetAABB2().mins, Vec2(9.5f, 19.5f));
    EXPECT_EQ(dot.GetAABB2().maxs, Vec2(10.5f, 20.5f));

    std::vector<Vertex_PCU> verts(2);
    dot.AppendVerts(verts);
    ASSERT_EQ(verts.size(), 8u);
    for (size_t vertIndex = 2; vertIndex < verts.size(); ++vertIndex)
    {
        EXPECT_EQ(verts[vertIndex].m_color, Rgba8::RED);
    }
    EXPECT_EQ(verts[2].m_position.x, 10.f);
    EXPECT_EQ(verts[7].m_position.y, 21.f);
}

TEST(Dot, BrokenDotFallsLeavesTheWorldAndIsBankedOnce)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    Dot dot(&game, Vec2(100.f, 100.f), 1.f, Rgba8::BLUE);
    EXPECT_FALSE(dot.IsFree());
    dot.Update(1.f);
    EXPECT_EQ(dot.m_position, Vec2(100.f, 100.f));  // not free: does not move

    dot.BreakFree(Vec2(0.f, 0.f));
    dot.Update(1.f);
    EXPECT_EQ(dot.m_velocity, Vec2(0.f, -100.f));
    EXPECT_EQ(dot.m_position, Vec2(100.f, 0.f));
    dot.Update(1.f);
    EXPECT_EQ(dot.m_position, Vec2(100.f, -200.f));
    EXPECT_TRUE(game.m_bankedDots.empty());

    dot.Update(1.f);  // off the world: dies, banks, moves no more
    EXPECT_TRUE(dot.IsDead());
    EXPECT_TRUE(dot.IsGarbage());
    EXPECT_EQ(dot.m_position, Vec2(100.f, -200.f));
    ASSERT_EQ(game.m_bankedDots.size(), 1u);
    EXPECT_EQ(game.m_bankedDots[0]->m_color, Rgba8::BLUE);

    // A dead dot still in someone's list must not bank a second time.
    dot.Update(1.f);
    EXPECT_EQ(game.m_bankedDots.size(), 1u);
}

TEST(Dot, OffWorldDotsAreBankedEvenUnfreedOrMarkedToSkip)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    Dot outside(&game, Vec2(300.f, 100.f), 1.f, Rgba8::WHITE);
    outside.m_skipBanking = true;
    outside.Update(0.f);
    EXPECT_TRUE(outside.IsDead());
    EXPECT_EQ(game.m_bankedDots.size(), 1u);

    Dot killed(&game, Vec2(50.f, 50.f), 1.f, Rgba8::WHITE);
    killed.m_skipBanking = true;
    killed.Die();
    EXPECT_TRUE(killed.IsGarbage());
    EXPECT_EQ(game.m_bankedDots.size(), 1u);
}

TEST(Dot, BreakingAgainReplacesTheVelocityAndResetsGravity)
{
    Dot dot(nullptr, Vec2(50.f, 50.f), 1.f, Rgba8::WHITE);
    dot.BreakFree(Vec2(1.f, 2.f));
    dot.m_acceleration = Vec2(5.f, 5.f);
    dot.BreakFree(Vec2(-3.f, 4.f));
    EXPECT_TRUE(dot.IsFree());
    EXPECT_EQ(dot.m_velocity, Vec2(-3.f, 4.f));
    EXPECT_EQ(dot.m_acceleration, Vec2(0.f, -100.f));
}

TEST(Cursor, BoxIsCentredAndTranslateDoesNotClamp)
{
    Cursor cursor(nullptr, Vec2(8.f, 8.f));
    EXPECT_EQ(cursor.m_size, 16.f);
    EXPECT_TRUE(cursor.m_isVisible);
    EXPECT_EQ(cursor.GetAABB2().mins, Vec2(0.f, 0.f));
    EXPECT_EQ(cursor.GetAABB2().maxs, Vec2(16.f, 16.f));
    cursor.Translate(Vec2(-8.f, 0.f));
    EXPECT_EQ(cursor.GetPosition(), Vec2(0.f, 8.f));
    cursor.Update(1.f);
    cursor.Die();
    EXPECT_FALSE(cursor.IsDead());
    EXPECT_EQ(cursor.GetPosition(), Vec2(0.f, 8.f));
}
