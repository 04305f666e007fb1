#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
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

std::unique_ptr<DotFont> MakeFont()
{
    auto font = std::make_unique<DotFont>();
    font->InitGlyphs();
    return font;
}

// The dots of one character laid out at origin, as the layouts must reproduce them.
void ExpectDotsAreLetter(DotFont const& font, std::vector<Dot*> const& dots, size_t firstDot, char character,
                         Vec2 const& origin, float scale)
{
    OwnedDots expected;
    font.SpawnLetterDots(expected.dots, character, scale, origin, Rgba8::WHITE, false);
    ASSERT_LE(firstDot + expected.dots.size(), dots.size());
    for (size_t dotIndex = 0; dotIndex < expected.dots.size(); ++dotIndex)
    {
        SCOPED_TRACE(testing::Message() << "character '" << character << "' dot " << dotIndex);
        EXPECT_NEAR(dots[firstDot + dotIndex]->m_position.x, expected.dots[dotIndex]->m_position.x, 1e-4f);
        EXPECT_NEAR(dots[firstDot + dotIndex]->m_position.y, expected.dots[dotIndex]->m_position.y, 1e-4f);
    }
}
}  // namespace

TEST(DotFont, LetterPricesAreTheirGlyphDotCounts)
{
    struct Case
    {
        char letter;
        int cost;
    };
    Case const CASES[] = {
        {'A', 30}, {'B', 34}, {'C', 22}, {'D', 30}, {'E', 28}, {'F', 23}, {'G', 27}, {'H', 31}, {'I', 22},
        {'J', 19}, {'K', 31}, {'L', 18}, {'M', 37}, {'N', 37}, {'O', 30}, {'P', 28}, {'Q', 32}, {'R', 34},
        {'S', 26}, {'T', 18}, {'U', 29}, {'V', 27}, {'W', 37}, {'X', 33}, {'Y', 22}, {'Z', 29},
    };
    std::unique_ptr<DotFont> font = MakeFont();
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.letter);
        EXPECT_EQ(font->GetGlyphDotCount(testCase.letter), testCase.cost);
        OwnedDots spawned;
        font->SpawnLetterDots(spawned.dots, testCase.letter, 1.f, Vec2(0.f, 0.f), Rgba8::WHITE, false);
        EXPECT_EQ(static_cast<int>(spawned.dots.size()), testCase.cost);
    }
}

TEST(DotFont, EveryOtherGlyphHasItsDotCount)
{
    struct Case
    {
        char character;
        int dotCount;
    };
    Case const CASES[] = {
        {'!', 15},
        {'"', 12},
        {'\'', 6},
        {',', 6},
        {'.', 4},
        {'0', 24},
        {'1', 19},
        {'2', 30},
        {'3', 25},
        {'4', 26},
        {'5', 27},
        {'6', 27},
        {'7', 21},
        {'8', 28},
        {'9', 27},
        {';', 8},
        {'?', 24},
        {'a', 23},
        {'b', 27},
        {'c', 18},
        {'d', 28},
        {'e', 23},
        {'f', 19},
        {'g', 27},
        {'h', 26},
        {'i', 17},
        {'j', 17},
        {'k', 30},
        {'l', 19},
        {'m', 26},
        {'n', 22},
        {'o', 22},
        {'p', 24},
        {'q', 24},
        {'r', 14},
        {'s', 20},
        {'t', 18},
        {'u', 22},
        {'v', 18},
        {'w', 26},
        {'x', 25},
        {'y', 25},
        {'z', 23},
        // Characters without a glyph.
        {' ', 0},
        {'-', 0},
        {'#', 0},
        {'\n', 0},
        {'\0', 0},
        {'~', 0},
    };
    std::unique_ptr<DotFont> font = MakeFont();
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(static_cast<int>(testCase.character));
        EXPECT_EQ(font->GetGlyphDotCount(testCase.character), testCase.dotCount);
    }
}

// A weighted sum over all 552 row values, so that a mistyped or misplaced row
// anywhere in the table shows.
TEST(DotFont, TableHoldsExactlyTheSixtyNineGlyphs)
{
    std::unique_ptr<DotFont> font = MakeFont();
    long long checksum = 0;
    int numGlyphs = 0;
    for (int code = 0; code < DOT_FONT_NUM_GLYPHS; ++code)
    {
        bool hasPixels = false;
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            int const rowValue = font->m_glyphs[code][rowIndex];
            EXPECT_GE(rowValue, 0);
            EXPECT_LE(rowValue, 0xFF);
            checksum += static_cast<long long>(code) * (rowIndex + 1) * rowValue;
            hasPixels = hasPixels || rowValue != 0;
        }
        numGlyphs += hasPixels ? 1 : 0;
    }
    EXPECT_EQ(numGlyphs, 69);
    EXPECT_EQ(checksum, 21609114);
}

TEST(DotFont, ConstructedFontIsEmptyUntilInitGlyphs)
{
    DotFont font;
    EXPECT_EQ(font.m_game, nullptr);
    EXPECT_EQ(font.GetGlyphDotCount('A'), 0);
    font.InitGlyphs();
    EXPECT_EQ(font.GetGlyphDotCount('A'), 30);
}

// Codes 128 and above (negative as a signed char) and 255, which has no entry,
// are characters without a glyph: they advance the layout and make nothing.
TEST(DotFont, HighCharacterCodesHaveNoGlyph)
{
    std::unique_ptr<DotFont> font = MakeFont();
    for (int code : {128, 160, 200, 254, 255})
    {
        SCOPED_TRACE(code);
        char const character = static_cast<char>(code);
        EXPECT_EQ(font->GetGlyphDotCount(character), 0);
        OwnedDots spawned;
        font->SpawnLetterDots(spawned.dots, character, 1.f, Vec2(0.f, 0.f), Rgba8::WHITE, false);
        EXPECT_TRUE(spawned.dots.empty());
    }

    OwnedDots text;
    font->SpawnTextDots(text.dots,
                        "A\xFF\x80"
                        "B",
                        1.f, Vec2(0.f, 0.f), Vec2(0.f, 1.f), Rgba8::WHITE, false);
    EXPECT_EQ(font->GetTextSize("A\xFF\x80"
                                "B"),
              Vec2(32.f, 12.f));
    ASSERT_EQ(text.dots.size(), 30u + 34u);
    ExpectDotsAreLetter(*font, text.dots, 30, 'B', Vec2(24.f, 0.f), 1.f);
}

TEST(DotFont, TextSizeIsLongestLineByLineCount)
{
    struct Case
    {
        char const* text;
        Vec2 size;
    };
    Case const CASES[] = {
        {"", Vec2(0.f, 12.f)},
        {"\n\n", Vec2(0.f, 36.f)},
        {"AB\nD", Vec2(16.f, 24.f)},
        {"A\nBCD\n", Vec2(24.f, 36.f)},
        {"THANKS FOR YOUR PLAYING!", Vec2(192.f, 12.f)},
        {"Restart 0 times\nFail trials 0 times", Vec2(152.f, 24.f)},
    };
    std::unique_ptr<DotFont> font = MakeFont();
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(font->GetTextSize(testCase.text), testCase.size);
    }
    EXPECT_EQ(font->GetTextSize(nullptr), Vec2(0.f, 12.f));
}

// Rows top to bottom, bit 0 (the rightmost pixel) first; a dot's position is the
// bottom-left corner of its pixel, which lies in the glyph square (3,3)-(11,11).
TEST(DotFont, LetterDotsComeInRowOrderRightmostPixelFirst)
{
    std::unique_ptr<DotFont> font = MakeFont();
    Game* const owner = reinterpret_cast<Game*>(0x1000);  // only stored, never followed
    font->m_game = owner;
    OwnedDots one;
    Rgba8 const color(10, 20, 30, 40);
    font->SpawnLetterDots(one.dots, '1', 1.f, Vec2(0.f, 0.f), color, true);
    ASSERT_EQ(one.dots.size(), 19u);
    EXPECT_EQ(one.dots[0]->m_position, Vec2(7.f, 10.f));
    EXPECT_EQ(one.dots[1]->m_position, Vec2(6.f, 10.f));
    EXPECT_EQ(one.dots[18]->m_position, Vec2(4.f, 4.f));
    for (Dot const* dot : one.dots)
    {
        EXPECT_EQ(dot->m_game, owner);
        EXPECT_EQ(dot->m_size, 1.f);
        EXPECT_EQ(dot->m_color, color);
        EXPECT_TRUE(dot->m_isUnbreakable);
        EXPECT_FALSE(dot->IsFree());
    }

    OwnedDots scaled;
    font->SpawnLetterDots(scaled.dots, '1', 0.5f, Vec2(100.f, 50.f), color, false);
    ASSERT_EQ(scaled.dots.size(), 19u);
    EXPECT_EQ(scaled.dots[0]->m_position, Vec2(103.5f, 55.f));
    EXPECT_EQ(scaled.dots[0]->m_size, 0.5f);
    EXPECT_FALSE(scaled.dots[0]->m_isUnbreakable);
}

TEST(DotFont, CentredLineSitsOnItsPivot)
{
    std::unique_ptr<DotFont> font = MakeFont();
    OwnedDots thanks;
    font->SpawnTextDots(thanks.dots, "THANKS FOR YOUR PLAYING!", 1.f, Vec2(128.f, 150.f), Vec2(0.5f, 0.5f),
                        Rgba8::WHITE, false);
    ExpectDotsAreLetter(*font, thanks.dots, 0, 'T', Vec2(32.f, 144.f), 1.f);
    // T's pixel area spans x 35 to 43 and y 147 to 155.
    float minX = 1e9f;
    float maxX = -1e9f;
    float minY = 1e9f;
    float maxY = -1e9f;
    for (size_t dotIndex = 0; dotIndex < 18; ++dotIndex)
    {
        Vec2 const position = thanks.dots[dotIndex]->m_position;
        minX = std::min(minX, position.x);
        maxX = std::max(maxX, position.x + 1.f);
        minY = std::min(minY, position.y);
        maxY = std::max(maxY, position.y + 1.f);
    }
    EXPECT_EQ(minX, 36.f);  // T's top row is 7E: its leftmost column is dark
    EXPECT_EQ(maxX, 42.f);
    EXPECT_EQ(minY, 148.f);  // and its bottom row is empty
    EXPECT_EQ(maxY, 155.f);
}

TEST(DotFont, TwoLineLayoutAroundBothPivots)
{
    struct Case
    {
        Vec2 pivot;
        Vec2 originA;
        Vec2 originB;
        Vec2 originD;
    };
    Case const CASES[] = {
        {Vec2(0.f, 0.f), Vec2(0.f, -12.f), Vec2(8.f, -12.f), Vec2(0.f, -24.f)},
        {Vec2(0.f, 1.f), Vec2(0.f, 12.f), Vec2(8.f, 12.f), Vec2(0.f, 0.f)},
        {Vec2(1.f, 0.5f), Vec2(-16.f, 0.f), Vec2(-8.f, 0.f), Vec2(-16.f, -12.f)},
    };
    std::unique_ptr<DotFont> font = MakeFont();
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << "pivot " << testCase.pivot.x << "," << testCase.pivot.y);
        OwnedDots text;
        font->SpawnTextDots(text.dots, "AB\nD", 1.f, Vec2(0.f, 0.f), testCase.pivot, Rgba8::WHITE, false);
        ASSERT_EQ(text.dots.size(), 30u + 34u + 30u);
        ExpectDotsAreLetter(*font, text.dots, 0, 'A', testCase.originA, 1.f);
        ExpectDotsAreLetter(*font, text.dots, 30, 'B', testCase.originB, 1.f);
        ExpectDotsAreLetter(*font, text.dots, 64, 'D', testCase.originD, 1.f);
    }
}

// Only the line height is scaled when the first line is placed: at 0.7 the first
// line moves up by 24 - 8.4 = 15.6, not 8.4.
TEST(DotFont, ScaledTextPlacesItsFirstLineWithTheUnscaledBlockHeight)
{
    std::unique_ptr<DotFont> font = MakeFont();
    OwnedDots text;
    font->SpawnTextDots(text.dots, "AB\nD", 0.7f, Vec2(0.f, 0.f), Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
    // x = -16 * 0.5 * 0.7; y = -24 * 0.5 * 0.7 + 15.6
    ExpectDotsAreLetter(*font, text.dots, 0, 'A', Vec2(-5.6f, 7.2f), 0.7f);
    ExpectDotsAreLetter(*font, text.dots, 30, 'B', Vec2(0.f, 7.2f), 0.7f);
    ExpectDotsAreLetter(*font, text.dots, 64, 'D', Vec2(-5.6f, -1.2f), 0.7f);
    EXPECT_NEAR(text.dots[0]->m_size, 0.7f, 1e-6f);
}

TEST(DotFont, TextsWithoutGlyphsMakeNoDots)
{
    std::unique_ptr<DotFont> font = MakeFont();
    for (char const* text : {"", "\n", "\n\n", "   ", "- #", static_cast<char const*>(nullptr)})
    {
        OwnedDots spawned;
        font->SpawnTextDots(spawned.dots, text, 1.f, Vec2(50.f, 50.f), Vec2(0.5f, 0.5f), Rgba8::WHITE, false);
        EXPECT_TRUE(spawned.dots.empty());
    }
}
