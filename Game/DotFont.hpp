#pragma once
// The built-in 8 x 8 glyph table (69 characters) and the text layouts that turn
// texts into breakable dots or draw them at once. One per Game; the Game that
// created it owns it and makes it g_theDotFont.

#include <cstdint>
#include <vector>

class Dot;
class Game;
struct Rgba8;
struct Vec2;

constexpr int DOT_FONT_NUM_GLYPHS = 255;  // codes 0 to 254: code 255 has no entry
constexpr int DOT_FONT_GLYPH_ROWS = 8;

class DotFont
{
public:
    DotFont();  // no game, every row 0
    void InitGlyphs();

    // Every operation takes the character as a signed char. A code of 128 or more
    // (negative as a signed char) has no glyph: no dots, nothing drawn, zero cost.
    // Texts are zero-terminated; a line feed starts a new line; null counts as "".

    // One dot per set pixel, rows top to bottom, bit 0 (rightmost) first in a row.
    void SpawnLetterDots(std::vector<Dot*>& dots, char character, float scale, Vec2 const& position,
                         Rgba8 const& color, bool isUnbreakable) const;
    void SpawnTextDots(std::vector<Dot*>& dots, char const* text, float scale, Vec2 position, Vec2 pivot,
                       Rgba8 color, bool isUnbreakable) const;
    void DrawChar(char character, float scale, Vec2 position,
                  Rgba8 color) const;  // one draw call, even if empty
    void DrawText(char const* text, float scale, Vec2 position, Vec2 pivot, Rgba8 color) const;
    void DrawTextWithSpacing(char const* text, float scale, Vec2 position, Vec2 pivot, Rgba8 color,
                             int extraSpacing) const;

    int GetGlyphDotCount(char character) const;  // the price of a letter
    Vec2 GetTextSize(char const* text) const;    // unscaled: (longest line x 8, lines x 12)

private:
    int16_t const* GetGlyphRows(char character) const;  // null for a character outside the table

public:
    Game* m_game = nullptr;  // owner of every dot this font creates; not owned
    int16_t m_glyphs[DOT_FONT_NUM_GLYPHS][DOT_FONT_GLYPH_ROWS];
};

// The current game's glyph table; null while no game exists.
extern DotFont* g_theDotFont;
