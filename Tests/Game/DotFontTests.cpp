#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Font : DotFont
{
    Font() { InitGlyphs(); }
};
}  // namespace

// Every price, hint, end screen and the font sheet come from this table. A
// weighted sum over every row value of every code shows a mistyped, misplaced or
// extra row anywhere in it.
TEST(DotFont, HoldsTheSixtyNineGlyphsRowForRow)
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
}

// Characters without a glyph (codes of 128 and more, the space) advance the line
// and make nothing: with the pivot at the top left, "A\xFF\x80 B\nD" is an A at
// the origin's line, a B four cells on and a D a line below.
TEST(DotFont, TextsAreLaidOutAroundTheirPivot)
{
    Font const font;
    std::vector<Dot*> text, expected;
    font.SpawnTextDots(text, "A\xFF\x80 B\nD", 1.f, Vec2(), Vec2(0.f, 1.f), Rgba8::WHITE, false);
    font.SpawnLetterDots(expected, 'A', 1.f, Vec2(0.f, 12.f), Rgba8::WHITE, false);
    font.SpawnLetterDots(expected, 'B', 1.f, Vec2(32.f, 12.f), Rgba8::WHITE, false);
    font.SpawnLetterDots(expected, 'D', 1.f, Vec2(0.f, 0.f), Rgba8::WHITE, false);
    ASSERT_EQ(text.size(), expected.size());
    for (size_t dotIndex = 0; dotIndex < text.size(); ++dotIndex)
    {
        EXPECT_EQ(text[dotIndex]->m_position, expected[dotIndex]->m_position) << dotIndex;
    }
    for (Dot* dot : text)
    {
        delete dot;
    }
    for (Dot* dot : expected)
    {
        delete dot;
    }
}
