#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/StringUtils.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/FloatRange.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec3.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// Each value is parsed from text and printed back. Pieces are read as the
// standard conversions read them: white space first, the rest ignored; Rgba8
// channels as atoi reads them, keeping the low eight bits.
TEST(TextForms, ParseAndPrint)
{
    std::pair<std::string, char const*> const CASES[] = {
        {Vec2("1.5, 2").GetAsString(), "(1.50, 2.00)"},
        {Vec2("  7 ,\t8xyz").GetAsString(), "(7.00, 8.00)"},
        {IntVec2(" 7,-3").GetAsString(), "(7, -3)"},
        {IntVec2("010,2.9").GetAsString(), "(10, 2)"},  // base 10
        {IntVec2("-2147483648,2147483647").GetAsString(), "(-2147483648, 2147483647)"},
        {Vec3("1, -2.5,3e1").GetAsString(), "(1.00, -2.50, 30.00)"},
        {AABB2("1, 2,3.5 ,-4").GetAsString(), "(1.00, 2.00, 3.50, -4.00)"},
        {Rgba8("255,128,0").GetAsString(), "(255, 128, 0, 255)"},
        {Rgba8("300,-1,256,511").GetAsString(), "(44, 255, 0, 255)"},
        {Rgba8("x,,7q,9").GetAsString(), "(0, 0, 7, 9)"},
        {Rgba8("99999999999999999999,0,0,0").GetAsString(), "(255, 0, 0, 0)"},  // saturates, never undefined
        {FloatRange("-1~2.5").GetAsString(), "-1.00~2.50"},
        {FloatRange(" 2").GetAsString(), "2.00"},
    };
    for (auto const& [printed, expected] : CASES)
    {
        EXPECT_EQ(printed, expected);
    }
    EXPECT_EQ(Vec2(Stringf("%.9g,%.9g", -12.375f, 0.1f).c_str()), Vec2(-12.375f, 0.1f));  // a round trip

    // Bad text leaves a range as it was.
    for (char const* text : {"1~2~3", "a~2", "1~b", "", "~"})
    {
        FloatRange kept(4.f, 5.f);
        EXPECT_TRUE(!kept.SetFromText(text) && kept == FloatRange(4.f, 5.f)) << text;
    }
}
