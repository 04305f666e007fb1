#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

namespace
{
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

struct Font : DotFont
{
    Font() { InitGlyphs(); }
};
}  // namespace

// The letters' counts are their prices. A weighted sum over every row value of
// every code shows a mistyped, misplaced or extra row anywhere in the table.
TEST(DotFont, HoldsTheSixtyNineGlyphsWithTheirDotCounts)
{
    char const CHARACTERS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!\"',.;?";
    int const DOT_COUNTS[] = {30, 34, 22, 30, 28, 23, 27, 31, 22, 19, 31, 18, 37, 37, 30, 28, 32, 34,
                              26, 18, 29, 27, 37, 33, 22, 29, 23, 27, 18, 28, 23, 19, 27, 26, 17, 17,
                              30, 19, 26, 22, 22, 24, 24, 14, 20, 18, 22, 18, 26, 25, 25, 23, 24, 19,
                              30, 25, 26, 27, 27, 21, 28, 27, 15, 12, 6,  6,  4,  8,  24};
    static_assert(std::size(DOT_COUNTS) == 69 && std::size(CHARACTERS) == 70, "one count per glyph");
    Font const font;
    for (size_t glyphIndex = 0; glyphIndex < std::size(DOT_COUNTS); ++glyphIndex)
    {
        EXPECT_EQ(font.GetGlyphDotCount(CHARACTERS[glyphIndex]), DOT_COUNTS[glyphIndex])
            << CHARACTERS[glyphIndex];
    }

    long long checksum = 0;
    for (int code = 0; code < DOT_FONT_NUM_GLYPHS; ++code)
    {
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            checksum += static_cast<long long>(code) * (rowIndex + 1) * font.m_glyphs[code][rowIndex];
        }
    }
    EXPECT_EQ(checksum, 21609114);
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
        OwnedDots text;
        OwnedDots expected;
        font.SpawnTextDots(text.dots, testCase.text, testCase.scale, Vec2(), testCase.pivot, Rgba8::WHITE,
                           false);
        float const scale = testCase.scale;
        Vec2 const offsets[] = {Vec2(), Vec2(8.f * testCase.columnOfB, 0.f), Vec2(0.f, -12.f)};
        for (int letterIndex = 0; letterIndex < 3; ++letterIndex)
        {
            Vec2 const origin = testCase.originOfA + offsets[letterIndex] * scale;
            font.SpawnLetterDots(expected.dots, "ABD"[letterIndex], scale, origin, Rgba8::WHITE, false);
        }
        ASSERT_EQ(text.dots.size(), expected.dots.size());
        for (size_t dotIndex = 0; dotIndex < text.dots.size(); ++dotIndex)
        {
            EXPECT_NEAR(text.dots[dotIndex]->m_position.x, expected.dots[dotIndex]->m_position.x, 1e-4f)
                << dotIndex;
            EXPECT_NEAR(text.dots[dotIndex]->m_position.y, expected.dots[dotIndex]->m_position.y, 1e-4f)
                << dotIndex;
            EXPECT_EQ(text.dots[dotIndex]->m_size, scale);
        }
    }
}
