#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
struct Font : DotFont
{
    Font() { InitGlyphs(); }
};

// Dots made by a font without a game; deleted with the list.
struct OwnedDots
{
    std::vector<Dot*> dots;
    ~OwnedDots()
    {
        for (Dot* dot : dots)
        {
            delete dot;
        }
    }
};
}  // namespace

// The letters' counts are their prices. A weighted sum over every row value of
// every code shows a mistyped, misplaced or extra row anywhere in the table; the
// sum of the 69 glyphs' counts, and a few of them, that the counting is right.
TEST(DotFont, HoldsTheSixtyNineGlyphsWithTheirDotCounts)
{
    Font const font;
    long long checksum = 0;
    for (int code = 0; code < DOT_FONT_NUM_GLYPHS; ++code)
    {
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            checksum += static_cast<long long>(code) * (rowIndex + 1) * font.m_glyphs[code][rowIndex];
        }
    }
    EXPECT_EQ(checksum, 21609114);
    int sumOfCounts = 0;
    for (char character :
         std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!\"',.;?"))
    {
        sumOfCounts += font.GetGlyphDotCount(character);
    }
    EXPECT_EQ(sumOfCounts, 1646);
    EXPECT_EQ(font.GetGlyphDotCount('A'), 30);
    EXPECT_EQ(font.GetGlyphDotCount('M'), 37);
    EXPECT_EQ(font.GetGlyphDotCount('T'), 18);
    EXPECT_EQ(font.GetGlyphDotCount('.'), 4);
}

// "AB\nD" laid out at the origin: each letter's dots are its own, at its place in
// the block the pivot puts there. Only the line height is scaled when the first
// line is placed, so at 0.7 it moves up by 24 - 8.4 = 15.6, not 8.4. Characters
// without a glyph advance the line and make nothing.
TEST(DotFont, TextsAreLaidOutAroundTheirPivot)
{
    struct Case
    {
        char const* text;
        float scale;
        Vec2 pivot;
        Vec2 originOfA;
        float columnOfB;
    };
    Case const CASES[] = {
        {"AB\nD", 1.f, Vec2(0.f, 0.f), Vec2(0.f, -12.f), 1.f},
        {"AB\nD", 1.f, Vec2(0.f, 1.f), Vec2(0.f, 12.f), 1.f},
        {"AB\nD", 1.f, Vec2(1.f, 0.5f), Vec2(-16.f, 0.f), 1.f},
        {"AB\nD", 0.7f, Vec2(0.5f, 0.5f), Vec2(-5.6f, 7.2f), 1.f},
        {"A\xFF\x80 B\nD", 1.f, Vec2(0.f, 1.f), Vec2(0.f, 12.f), 4.f},
    };
    Font const font;
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message()
                     << testCase.scale << " " << testCase.pivot.x << "," << testCase.pivot.y);
        OwnedDots text, expected;
        font.SpawnTextDots(text.dots, testCase.text, testCase.scale, Vec2(), testCase.pivot, Rgba8::WHITE,
                           false);
        Vec2 const offsets[] = {Vec2(), Vec2(8.f * testCase.columnOfB, 0.f), Vec2(0.f, -12.f)};
        for (int letterIndex = 0; letterIndex < 3; ++letterIndex)
        {
            font.SpawnLetterDots(expected.dots, "ABD"[letterIndex], testCase.scale,
                                 testCase.originOfA + offsets[letterIndex] * testCase.scale, Rgba8::WHITE,
                                 false);
        }
        ASSERT_EQ(text.dots.size(), expected.dots.size());
        for (size_t dotIndex = 0; dotIndex < text.dots.size(); ++dotIndex)
        {
            Vec2 const error = text.dots[dotIndex]->m_position - expected.dots[dotIndex]->m_position;
            EXPECT_LT(error.GetLength(), 1e-4f) << dotIndex;
            EXPECT_EQ(text.dots[dotIndex]->m_size, testCase.scale);
        }
    }
}
