#include "Engine/Math/FloatRange.hpp"

#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/NumberParsing.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"

namespace
{
constexpr float NEARLY_EQUAL_ENDS = 0.000001f;
}

FloatRange::FloatRange(char const* text)
{
    SetFromText(text);
}

bool FloatRange::IsValueInside(float value) const
{
    return min <= value && value <= max;
}

bool FloatRange::DoesOverlap(FloatRange const& otherRange) const
{
    return !(otherRange.min > max || min > otherRange.max);
}

float FloatRange::GetRandomValue(RandomNumberGenerator& rng) const
{
    return rng.GetRandomFloatInRange(min, max);
}

std::string FloatRange::GetAsString() const
{
    if (IsNearlyEqual(min, max, NEARLY_EQUAL_ENDS))
    {
        return Stringf("%.2f", min);
    }
    return Stringf("%.2f~%.2f", min, max);
}

bool FloatRange::SetFromText(char const* text)
{
    if (text == nullptr)
    {
        return false;
    }
    Strings const pieces = SplitStringOnDelimiter(text, '~');
    if (pieces.size() != 1 && pieces.size() != 2)
    {
        return false;
    }
    // Both ends are read before either is set, so a failure changes nothing.
    float newMin = 0.f;
    if (!ParseLeadingFloat(pieces[0], newMin))
    {
        return false;
    }
    float newMax = newMin;
    if (pieces.size() == 2 && !ParseLeadingFloat(pieces[1], newMax))
    {
        return false;
    }
    min = newMin;
    max = newMax;
    return true;
}
