#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Engine/Math/Vec2.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

// The n-th draw is a pure function of (n, seed), so a run can be replayed; the
// game's play-through hashes hold the draws it makes to their values.
TEST(RandomNumberGenerator, SequencesForKnownSeedsAndTheirEdges)
{
    // Position 0 of this seed hashes to 0xFFFFFF99, which would round up to 1 as a float.
    EXPECT_EQ(RandomNumberGenerator(59237021u).GetRandomFloatZeroToOneExclusive(), std::nextafter(1.f, 0.f));
    RandomNumberGenerator wide;  // width 2^32 - 1: INT_MIN plus the raw value
    EXPECT_EQ(wide.GetRandomIntInRange(INT_MIN, INT_MAX - 1), static_cast<int>(0x80000000u + 0x4C956248u));
}

// Every draw uses exactly one position, also with equal bounds, and the
// position wraps after the last one.
TEST(RandomNumberGenerator, EveryDrawAdvancesOnePosition)
{
    RandomNumberGenerator rng(7u);
    EXPECT_EQ(rng.GetRandomIntInRange(5, 5), 5);
    EXPECT_EQ(rng.GetRandomFloatInRange(2.f, 2.f), 2.f);
    EXPECT_EQ(rng.GetRandomInRange(FloatRange(3.f)), 3.f);
    EXPECT_EQ(rng.RollPercentChance(0.3f), 0.3f >= Get1dNoiseZeroToOne(3u, 7u));
    EXPECT_LT(rng.GetRandomIntLessThan(3), 3);
    EXPECT_NEAR(rng.GetRandomUnitVector2D().GetLength(), 1.f, 1e-6f);
    EXPECT_EQ(rng.GetNextRandomUint(), Get1dNoiseUint(6u, 7u));
    rng.m_position = 0xFFFFFFFFu;
    EXPECT_TRUE(rng.GetNextRandomUint() == Get1dNoiseUint(0xFFFFFFFFu, 7u) && rng.m_position == 0u);
}
