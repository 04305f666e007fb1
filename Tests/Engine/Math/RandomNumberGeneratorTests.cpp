#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
// Position 0 of this seed hashes to 0xFFFFFF99, one of the 128 raw values that
// round up to 1.0 on their way from double to float.
constexpr unsigned int SEED_WITH_TOP_RAW_VALUE = 59237021u;

std::uint64_t GetBits(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}
}  // namespace

TEST(RandomNumberGenerator, RawHashSequences)
{
    unsigned int const EXPECTED_SEED_0[] = {0x4C956248u, 0xEC134FD4u, 0x32240513u, 0x220974CDu};
    RandomNumberGenerator rng;
    for (unsigned int position = 0; position < 4; ++position)
    {
        EXPECT_EQ(Get1dNoiseUint(position, 0u), EXPECTED_SEED_0[position]) << position;
        EXPECT_EQ(rng.GetNextRandomUint(), EXPECTED_SEED_0[position]) << position;
    }
    EXPECT_EQ(rng.m_position, 4u);
    EXPECT_EQ(Get1dNoiseUint(0u, 1u), 0x9EB294B9u);
    EXPECT_EQ(RandomNumberGenerator(1u).GetNextRandomUint(), 0x9EB294B9u);

    RandomNumberGenerator wrapping;
    wrapping.m_position = 0xFFFFFFFFu;
    EXPECT_EQ(wrapping.GetNextRandomUint(), Get1dNoiseUint(0xFFFFFFFFu, 0u));
    EXPECT_EQ(wrapping.m_position, 0u);
}

TEST(RandomNumberGenerator, TheGamesFirstColourChannels)
{
    int const EXPECTED[] = {72, 212, 19, 205, 182, 172, 251, 253, 9};
    RandomNumberGenerator rng;
    for (int const expected : EXPECTED)
    {
        EXPECT_EQ(rng.GetRandomIntInRange(0, 255), expected);
    }
}

TEST(RandomNumberGenerator, FloatsScaleTheRawValue)
{
    EXPECT_EQ(GetBits(1.0 / 4294967295.0), 0x3DF0000000100000u);
    EXPECT_EQ(GetBits(1.0 / 4294967296.0), 0x3DF0000000000000u);

    RandomNumberGenerator rng;
    float const first = rng.GetRandomFloatZeroToOne();
    EXPECT_NEAR(first, 0.29915443f, 1e-7f);
    EXPECT_EQ(first, Get1dNoiseZeroToOne(0u, 0u));
    EXPECT_EQ(rng.GetRandomFloatInRange(10.f, 20.f), 10.f + Get1dNoiseZeroToOne(1u, 0u) * 10.f);
    EXPECT_EQ(rng.GetRandomFloatZeroToValue(2.f),
              static_cast<float>(static_cast<double>(0x32240513u) / 4294967295.0 * 2.0));
    EXPECT_EQ(rng.GetRandomInRange(FloatRange(3.f, 3.f)), 3.f);
    EXPECT_EQ(rng.m_position, 4u);
}

// The open upper end holds even for the raw values that would round to 1.
TEST(RandomNumberGenerator, ExclusiveFloatStaysBelowOne)
{
    RandomNumberGenerator top(SEED_WITH_TOP_RAW_VALUE);
    ASSERT_GE(Get1dNoiseUint(0u, SEED_WITH_TOP_RAW_VALUE), 0xFFFFFF80u);
    EXPECT_EQ(top.GetRandomFloatZeroToOneExclusive(), std::nextafter(1.f, 0.f));

    RandomNumberGenerator rng;
    EXPECT_EQ(rng.GetRandomFloatZeroToOneExclusive(), static_cast<float>(0x4C956248u / 4294967296.0));
}

TEST(RandomNumberGenerator, EveryDrawUsesOnePosition)
{
    RandomNumberGenerator rng(7u);
    EXPECT_EQ(rng.GetRandomIntInRange(5, 5), 5);
    EXPECT_EQ(rng.m_position, 1u);
    EXPECT_EQ(rng.GetRandomFloatInRange(2.f, 2.f), 2.f);
    EXPECT_TRUE(rng.RollPercentChance(1.f));
    EXPECT_FALSE(rng.RollPercentChance(-0.1f));
    EXPECT_LT(rng.GetRandomIntLessThan(3), 3);
    Vec2 const direction = rng.GetRandomUnitVector2D();
    EXPECT_NEAR(direction.GetLength(), 1.f, 1e-6f);
    EXPECT_EQ(rng.m_position, 6u);

    RandomNumberGenerator roll;
    EXPECT_EQ(roll.RollPercentChance(0.3f), 0.3f >= Get1dNoiseZeroToOne(0u, 0u));
    EXPECT_EQ(roll.RollPercentChance(0.3f), 0.3f >= Get1dNoiseZeroToOne(1u, 0u));
}

// The width is computed unsigned, so ranges reaching the int extremes stay defined.
TEST(RandomNumberGenerator, IntRangesAtTheExtremes)
{
    RandomNumberGenerator rng;
    EXPECT_EQ(rng.GetRandomIntInRange(INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(rng.GetRandomIntInRange(INT_MIN, INT_MIN), INT_MIN);
    for (int draw = 0; draw < 8; ++draw)
    {
        EXPECT_LT(rng.GetRandomIntInRange(INT_MIN, -1), 0);
        EXPECT_GE(rng.GetRandomIntInRange(0, INT_MAX), 0);
        int const nearTop = rng.GetRandomIntInRange(INT_MAX - 1, INT_MAX);
        EXPECT_GE(nearTop, INT_MAX - 1);
    }
    // Width 2^32 - 1: the offset is the raw value modulo that width.
    RandomNumberGenerator wide;
    EXPECT_EQ(wide.GetRandomIntInRange(INT_MIN, INT_MAX - 1),
              static_cast<int>(0x80000000u + 0x4C956248u));  // INT_MIN + raw, two's complement
    EXPECT_EQ(wide.GetRandomIntInRange(-10, 10), -10 + static_cast<int>(0xEC134FD4u % 21u));
}

TEST(RandomNumberGenerator, BadRangesAreFatal)
{
    ExpectFatalReport(RunFatalPath([] { RandomNumberGenerator().GetRandomIntInRange(3, 2); }),
                      {"Error! minInclusive is larger than maxInclusive",
                       "RandomNumberGenerator::GetRandomIntInRange", "RandomNumberGenerator.cpp"});
    ExpectFatalReport(RunFatalPath([] { RandomNumberGenerator().GetRandomFloatInRange(2.f, 1.f); }),
                      {"Error! minInclusive is larger than maxInclusive",
                       "RandomNumberGenerator::GetRandomFloatInRange", "RandomNumberGenerator.cpp"});
    ExpectFatalReport(RunFatalPath([] { RandomNumberGenerator().GetRandomIntInRange(INT_MIN, INT_MAX); }),
                      {"covers all 4294967296 ints", "RandomNumberGenerator::GetRandomIntInRange",
                       "RandomNumberGenerator.cpp"});
    int const NON_POSITIVE_MAXIMUMS[] = {0, -3, INT_MIN};
    for (int const maxNotInclusive : NON_POSITIVE_MAXIMUMS)
    {
        SCOPED_TRACE(maxNotInclusive);
        ExpectFatalReport(RunFatalPath([maxNotInclusive]
                                       { RandomNumberGenerator().GetRandomIntLessThan(maxNotInclusive); }),
                          {"Error! maxNotInclusive must be positive",
                           "RandomNumberGenerator::GetRandomIntLessThan", "RandomNumberGenerator.cpp"});
    }
}
