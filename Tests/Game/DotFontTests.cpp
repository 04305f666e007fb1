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

// Characters without a glyph (codes of 128 and more) make nothing and advance the
// line as a space does (the layout around the pivot: the play-through's hints and
// end screen).
TEST(DotFont, TextsAreLaidOutAroundTheirPivot)
{
    Font const font;
    std::vector<Dot*> text, spaced;
    font.SpawnTextDots(text, "A\xFF\x80 B\nD", 1.f, Vec2(), Vec2(0.f, 1.f), Rgba8::WHITE, false);
    font.SpawnTextDots(spaced, "A   B\nD", 1.f, Vec2(), Vec2(0.f, 1.f), Rgba8::WHITE, false);
    ASSERT_EQ(text.size(), spaced.size());
    for (size_t dotIndex = 0; dotIndex < text.size(); ++dotIndex)
    {
        EXPECT_EQ(text[dotIndex]->m_position, spaced[dotIndex]->m_position) << dotIndex;
        delete text[dotIndex];
        delete spaced[dotIndex];
    }
}
