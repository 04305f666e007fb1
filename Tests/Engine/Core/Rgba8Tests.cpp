#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Tests/Engine/Math/FatalReportTestSupport.hpp"

#include <gtest/gtest.h>

namespace
{
// Named constants are usable in constant expressions, hence during other files'
// static initialisation.
constexpr Rgba8 CONSTANT_RED = Rgba8::RED;
static_assert(CONSTANT_RED.r == 255 && CONSTANT_RED.g == 0 && CONSTANT_RED.a == 255, "RED is constant");
}  // namespace

TEST(Rgba8, DefaultsToOpaqueWhiteAndAlphaDefaultsToOpaque)
{
    EXPECT_EQ(Rgba8(), Rgba8(255, 255, 255, 255));
    EXPECT_EQ(Rgba8(1, 2, 3), Rgba8(1, 2, 3, 255));
    EXPECT_NE(Rgba8(1, 2, 3, 4), Rgba8(1, 2, 3, 5));

    Vertex_PCU const vertex;
    EXPECT_EQ(vertex.m_position, Vec3(0.f, 0.f, 0.f));
    EXPECT_EQ(vertex.m_color, Rgba8::WHITE);
    EXPECT_EQ(vertex.m_uvTexCoords, Vec2(0.f, 0.f));
}

// Pieces read as atoi reads them; only the low 8 bits of each number are kept.
TEST(Rgba8, ParsesThreeOrFourChannelsKeepingTheLowEightBits)
{
    struct Case
    {
        char const* text;
        Rgba8 expected;
    };
    Case const CASES[] = {
        {"255,128,0", {255, 128, 0, 255}},
        {"1, 2, 3, 4", {1, 2, 3, 4}},
        {"300,-1,256,511", {44, 255, 0, 255}},
        {"x,,7q,9", {0, 0, 7, 9}},
        {"99999999999999999999,0,0,0", {255, 0, 0, 0}},  // beyond long: saturates, never undefined
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(Rgba8(testCase.text), testCase.expected) << Rgba8(testCase.text).GetAsString();
    }
    EXPECT_EQ(Rgba8(10, 20, 30, 40).GetAsString(), "(10, 20, 30, 40)");
}

TEST(Rgba8, WrongPieceCountIsFatal)
{
    char const* const TEXTS[] = {"1,2", "1,2,3,4,5", ""};
    for (char const* text : TEXTS)
    {
        SCOPED_TRACE(text);
        ExpectFatalReport(RunFatalPath([text] { Rgba8 parsed(text); }),
                          {"ERROR Parsing Rgba8", "Rgba8::SetFromText", "Rgba8.cpp",
                           "splitStrings.size() == 3 || splitStrings.size() == 4"});
    }
}
