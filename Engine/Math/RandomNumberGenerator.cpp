#include "Engine/Math/RandomNumberGenerator.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/Vec2.hpp"

#include <cstdint>

namespace
{
constexpr std::uint32_t NOISE_MULTIPLIER_1 = 0xD2A80A23u;
constexpr std::uint32_t NOISE_ADDEND = 0xA884F197u;
constexpr std::uint32_t NOISE_MULTIPLIER_2 = 0x1B56C4E9u;

constexpr double ONE_OVER_MAX_UINT = 1.0 / 4294967295.0;  // maps the raw range onto [0, 1]
constexpr double ONE_OVER_TWO_TO_THE_32 = 1.0 / 4294967296.0;
constexpr float LARGEST_FLOAT_BELOW_ONE = 0.99999994f;
}  // namespace

unsigned int Get1dNoiseUint(unsigned int index, unsigned int seed)
{
    std::uint32_t hash = static_cast<std::uint32_t>(index) * NOISE_MULTIPLIER_1;
    hash += static_cast<std::uint32_t>(seed);
    hash ^= hash >> 7;
    hash += NOISE_ADDEND;
    hash ^= hash >> 8;
    hash *= NOISE_MULTIPLIER_2;
    hash ^= hash >> 11;
    return hash;
}

float Get1dNoiseZeroToOne(unsigned int index, unsigned int seed)
{
    return static_cast<float>(static_cast<double>(Get1dNoiseUint(index, seed)) * ONE_OVER_MAX_UINT);
}

unsigned int RandomNumberGenerator::GetNextRandomUint()
{
    unsigned int const raw = Get1dNoiseUint(m_position, m_seed);
    ++m_position;  // unsigned: wraps to 0 after the last position
    return raw;
}

unsigned int RandomNumberGenerator::GetRandomUintLessThan(unsigned int maxNotInclusive)
{
    // Callers have checked that maxNotInclusive is not 0.
    return GetNextRandomUint() % maxNotInclusive;
}

int RandomNumberGenerator::GetRandomIntLessThan(int maxNotInclusive)
{
    if (maxNotInclusive <= 0)
    {
        ERROR_AND_DIE("RandomNumberGenerator::GetRandomIntLessThan",
                      "Error! maxNotInclusive must be positive");
    }
    return static_cast<int>(GetRandomUintLessThan(static_cast<unsigned int>(maxNotInclusive)));
}

int RandomNumberGenerator::GetRandomIntInRange(int minInclusive, int maxInclusive)
{
    if (minInclusive > maxInclusive)
    {
        ERROR_AND_DIE("RandomNumberGenerator::GetRandomIntInRange",
                      "Error! minInclusive is larger than maxInclusive");
    }
    // Unsigned, so the extremes of int wrap instead of overflowing; only the full
    // 32-bit range wraps all the way to a width of 0.
    std::uint32_t const width =
        static_cast<std::uint32_t>(maxInclusive) - static_cast<std::uint32_t>(minInclusive) + 1u;
    if (width == 0u)
    {
        ERROR_AND_DIE(
            "RandomNumberGenerator::GetRandomIntInRange",
            "Error! The range from minInclusive to maxInclusive covers all 4294967296 ints, one more "
            "than a draw can choose from");
    }
    std::uint32_t const offset = GetRandomUintLessThan(width);
    return static_cast<int>(static_cast<std::uint32_t>(minInclusive) + offset);
}

float RandomNumberGenerator::GetRandomFloatZeroToOne()
{
    return static_cast<float>(static_cast<double>(GetNextRandomUint()) * ONE_OVER_MAX_UINT);
}

float RandomNumberGenerator::GetRandomFloatZeroToOneExclusive()
{
    // The top 128 raw values round up to 1.0 on the way to float; the largest
    // float below 1 keeps the promise of an open upper end.
    float const value = static_cast<float>(static_cast<double>(GetNextRandomUint()) * ONE_OVER_TWO_TO_THE_32);
    return value < 1.f ? value : LARGEST_FLOAT_BELOW_ONE;
}

float RandomNumberGenerator::GetRandomFloatZeroToValue(float maxValue)
{
    return static_cast<float>(static_cast<double>(GetNextRandomUint()) * ONE_OVER_MAX_UINT *
                              static_cast<double>(maxValue));
}

float RandomNumberGenerator::GetRandomFloatInRange(float minInclusive, float maxInclusive)
{
    if (minInclusive > maxInclusive)
    {
        ERROR_AND_DIE("RandomNumberGenerator::GetRandomFloatInRange",
                      "Error! minInclusive is larger than maxInclusive");
    }
    return minInclusive + GetRandomFloatZeroToOne() * (maxInclusive - minInclusive);
}

float RandomNumberGenerator::GetRandomInRange(FloatRange const& range)
{
    return GetRandomFloatInRange(range.min, range.max);
}

bool RandomNumberGenerator::RollPercentChance(float probabilityOfTrue)
{
    float const roll = Get1dNoiseZeroToOne(m_position, m_seed);
    ++m_position;
    return probabilityOfTrue >= roll;
}

Vec2 RandomNumberGenerator::GetRandomUnitVector2D()
{
    return Vec2::MakeFromPolarDegrees(GetRandomFloatInRange(0.f, 360.f), 1.f);
}
