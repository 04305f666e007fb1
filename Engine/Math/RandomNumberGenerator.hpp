#pragma once
// A seeded generator that hashes the index of each draw: the n-th number drawn
// is a pure function of (n, seed), so a run can be replayed from its seed. Every
// draw uses up exactly one position.

struct FloatRange;
struct Vec2;

unsigned int Get1dNoiseUint(unsigned int index, unsigned int seed);
float Get1dNoiseZeroToOne(unsigned int index, unsigned int seed);  // in [0, 1]

class RandomNumberGenerator
{
public:
    RandomNumberGenerator() = default;  // seed 0
    explicit RandomNumberGenerator(unsigned int seed) : m_seed(seed) {}

    unsigned int GetNextRandomUint();
    int GetRandomIntLessThan(int maxNotInclusive);  // in [0, maxNotInclusive); maxNotInclusive <= 0 is fatal
    // minInclusive > maxInclusive is fatal, and so is the full 32-bit range, whose
    // width does not fit in 32 bits.
    int GetRandomIntInRange(int minInclusive, int maxInclusive);
    float GetRandomFloatZeroToOne();           // in [0, 1], both ends possible
    float GetRandomFloatZeroToOneExclusive();  // in [0, 1)
    float GetRandomFloatZeroToValue(float maxValue);
    float GetRandomFloatInRange(float minInclusive, float maxInclusive);  // min > max is fatal
    float GetRandomInRange(FloatRange const& range);
    bool RollPercentChance(float probabilityOfTrue);  // true when probabilityOfTrue >= a draw in [0, 1]
    Vec2 GetRandomUnitVector2D();                     // uniform direction over the full turn

public:
    unsigned int m_seed = 0;
    unsigned int m_position = 0;  // index of the next draw; wraps to 0 after 4294967295

private:
    unsigned int GetRandomUintLessThan(unsigned int maxNotInclusive);
};
