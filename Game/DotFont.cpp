#include "Game/DotFont.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Math/Vec3.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/Dot.hpp"

#include <iterator>

DotFont* g_theDotFont = nullptr;

namespace
{
constexpr float CHAR_ADVANCE = 8.f;  // unscaled units per character cell
constexpr float LINE_HEIGHT = 12.f;  // unscaled units per line
constexpr int FIRST_CODE_WITHOUT_GLYPH = 128;
constexpr int MAX_VERTS_PER_CHAR = 64 * 6;
constexpr char LINE_FEED = '\n';

// A pixel's centre in glyph units: the 64 pixel squares cover (3,3) to (11,11).
Vec2 GetPixelCenter(int bitIndex, int rowIndex)
{
    return Vec2(7.f - (static_cast<float>(bitIndex) - 3.5f), 7.f - (static_cast<float>(rowIndex) - 3.5f));
}

bool IsPixelSet(int16_t rowBits, int bitIndex)
{
    return ((rowBits >> bitIndex) & 1) != 0;
}

// Visits the lit pixels of a glyph (none without a glyph) with their centres, row
// by row from the top and, within a row, from bit 0, the rightmost pixel: dots and
// vertices come in this order.
template <typename PixelVisitor>
void ForEachLitPixel(int16_t const* glyphRows, PixelVisitor&& visitPixel)
{
    if (glyphRows == nullptr)
    {
        return;
    }
    for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
    {
        for (int bitIndex = 0; bitIndex < 8; ++bitIndex)
        {
            if (IsPixelSet(glyphRows[rowIndex], bitIndex))
            {
                visitPixel(GetPixelCenter(bitIndex, rowIndex));
            }
        }
    }
}

char const* TextOrEmpty(char const* text)
{
    return text != nullptr ? text : "";
}

struct GlyphDefinition
{
    int code;
    int16_t rows[DOT_FONT_GLYPH_ROWS];  // row 0 on top; bit 7 is the leftmost pixel
};

GlyphDefinition const GLYPH_DEFINITIONS[] = {
    {33, {0x38, 0x38, 0x38, 0x30, 0x30, 0x00, 0x30, 0x00}},   // !
    {34, {0x36, 0x6C, 0x6C, 0x00, 0x00, 0x00, 0x00, 0x00}},   // double quote
    {39, {0x18, 0x30, 0x30, 0x00, 0x00, 0x00, 0x00, 0x00}},   // apostrophe
    {44, {0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x30, 0x60}},   // comma
    {46, {0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x30, 0x00}},   // full stop
    {48, {0x38, 0x4C, 0xC6, 0xC6, 0xC6, 0x64, 0x38, 0x00}},   // 0
    {49, {0x18, 0x38, 0x18, 0x18, 0x18, 0x18, 0x7E, 0x00}},   // 1
    {50, {0x7C, 0xC6, 0x0E, 0x3C, 0x78, 0xE0, 0xFE, 0x00}},   // 2
    {51, {0x7E, 0x0C, 0x18, 0x3C, 0x06, 0xC6, 0x7C, 0x00}},   // 3
    {52, {0x1C, 0x3C, 0x6C, 0xCC, 0xFE, 0x0C, 0x0C, 0x00}},   // 4
    {53, {0xFC, 0xC0, 0xFC, 0x06, 0x06, 0xC6, 0x7C, 0x00}},   // 5
    {54, {0x3C, 0x60, 0xC0, 0xFC, 0xC6, 0xC6, 0x7C, 0x00}},   // 6
    {55, {0xFE, 0xC6, 0x0C, 0x18, 0x30, 0x30, 0x30, 0x00}},   // 7
    {56, {0x78, 0xC4, 0xE4, 0x78, 0x9E, 0x86, 0x7C, 0x00}},   // 8
    {57, {0x7C, 0xC6, 0xC6, 0x7E, 0x06, 0x0C, 0x78, 0x00}},   // 9
    {59, {0x00, 0x30, 0x30, 0x00, 0x30, 0x30, 0x00, 0x00}},   // semicolon
    {63, {0x7C, 0xFE, 0xC6, 0x0C, 0x38, 0x00, 0x38, 0x00}},   // ?
    {65, {0x38, 0x6C, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0x00}},   // A
    {66, {0xFC, 0xC6, 0xC6, 0xFC, 0xC6, 0xC6, 0xFC, 0x00}},   // B
    {67, {0x3C, 0x66, 0xC0, 0xC0, 0xC0, 0x66, 0x3C, 0x00}},   // C
    {68, {0xF8, 0xCC, 0xC6, 0xC6, 0xC6, 0xCC, 0xF8, 0x00}},   // D
    {69, {0xFE, 0xC0, 0xC0, 0xFC, 0xC0, 0xC0, 0xFE, 0x00}},   // E
    {70, {0xFE, 0xC0, 0xC0, 0xFC, 0xC0, 0xC0, 0xC0, 0x00}},   // F
    {71, {0x3E, 0x60, 0xC0, 0xCE, 0xC6, 0x66, 0x3E, 0x00}},   // G
    {72, {0xC6, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6, 0x00}},   // H
    {73, {0x7E, 0x18, 0x18, 0x18, 0x18, 0x18, 0x7E, 0x00}},   // I
    {74, {0x06, 0x06, 0x06, 0x06, 0x06, 0xC6, 0x7C, 0x00}},   // J
    {75, {0xC6, 0xCC, 0xD8, 0xF0, 0xF8, 0xDC, 0xCE, 0x00}},   // K
    {76, {0x60, 0x60, 0x60, 0x60, 0x60, 0x60, 0x7E, 0x00}},   // L
    {77, {0xC6, 0xEE, 0xFE, 0xFE, 0xD6, 0xC6, 0xC6, 0x00}},   // M
    {78, {0xC6, 0xE6, 0xF6, 0xFE, 0xDE, 0xCE, 0xC6, 0x00}},   // N
    {79, {0x7C, 0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0x7C, 0x00}},   // O
    {80, {0xFC, 0xC6, 0xC6, 0xC6, 0xFC, 0xC0, 0xC0, 0x00}},   // P
    {81, {0x7C, 0xC6, 0xC6, 0xC6, 0xDE, 0xCC, 0x7A, 0x00}},   // Q
    {82, {0xFC, 0xC6, 0xC6, 0xCE, 0xF8, 0xDC, 0xCE, 0x00}},   // R
    {83, {0x78, 0xCC, 0xC0, 0x7C, 0x06, 0xC6, 0x7C, 0x00}},   // S
    {84, {0x7E, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x00}},   // T
    {85, {0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0xC6, 0x7C, 0x00}},   // U
    {86, {0xC6, 0xC6, 0xC6, 0xEE, 0x7C, 0x38, 0x10, 0x00}},   // V
    {87, {0xC6, 0xC6, 0xD6, 0xFE, 0xFE, 0xEE, 0xC6, 0x00}},   // W
    {88, {0xC6, 0xEE, 0x7C, 0x38, 0x7C, 0xEE, 0xC6, 0x00}},   // X
    {89, {0x66, 0x66, 0x66, 0x3C, 0x18, 0x18, 0x18, 0x00}},   // Y
    {90, {0xFE, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xFE, 0x00}},   // Z
    {97, {0x00, 0x00, 0x7C, 0x06, 0x7E, 0xC6, 0x7E, 0x00}},   // a
    {98, {0xC0, 0xC0, 0xFC, 0xC6, 0xC6, 0xC6, 0x7C, 0x00}},   // b
    {99, {0x00, 0x00, 0x7E, 0xC0, 0xC0, 0xC0, 0x7E, 0x00}},   // c
    {100, {0x06, 0x06, 0x7E, 0xC6, 0xC6, 0xC6, 0x7E, 0x00}},  // d
    {101, {0x00, 0x00, 0x7C, 0xC6, 0xFE, 0xC0, 0x7C, 0x00}},  // e
    {102, {0x0E, 0x18, 0x7E, 0x18, 0x18, 0x18, 0x18, 0x00}},  // f
    {103, {0x00, 0x00, 0x7E, 0xC6, 0xC6, 0x7E, 0x06, 0x7C}},  // g
    {104, {0xC0, 0xC0, 0xFC, 0xC6, 0xC6, 0xC6, 0xC6, 0x00}},  // h
    {105, {0x18, 0x00, 0x38, 0x18, 0x18, 0x18, 0x7E, 0x00}},  // i
    {106, {0x0C, 0x00, 0x1C, 0x0C, 0x0C, 0x0C, 0x0C, 0x78}},  // j
    {107, {0xC0, 0xC0, 0xCE, 0xFC, 0xF8, 0xDC, 0xCE, 0x00}},  // k
    {108, {0x38, 0x18, 0x18, 0x18, 0x18, 0x18, 0x7E, 0x00}},  // l
    {109, {0x00, 0x00, 0xFC, 0xB6, 0xB6, 0xB6, 0xB6, 0x00}},  // m
    {110, {0x00, 0x00, 0xFC, 0xC6, 0xC6, 0xC6, 0xC6, 0x00}},  // n
    {111, {0x00, 0x00, 0x7C, 0xC6, 0xC6, 0xC6, 0x7C, 0x00}},  // o
    {112, {0x00, 0x00, 0xFC, 0xC6, 0xC6, 0xFC, 0xC0, 0xC0}},  // p
    {113, {0x00, 0x00, 0x7E, 0xC6, 0xC6, 0x7E, 0x06, 0x06}},  // q
    {114, {0x00, 0x00, 0x6E, 0x70, 0x60, 0x60, 0x60, 0x00}},  // r
    {115, {0x00, 0x00, 0x7C, 0xC0, 0x7C, 0x06, 0xFC, 0x00}},  // s
    {116, {0x18, 0x18, 0x7E, 0x18, 0x18, 0x18, 0x18, 0x00}},  // t
    {117, {0x00, 0x00, 0xC6, 0xC6, 0xC6, 0xC6, 0x7E, 0x00}},  // u
    {118, {0x00, 0x00, 0x66, 0x66, 0x66, 0x3C, 0x18, 0x00}},  // v
    {119, {0x00, 0x00, 0xB6, 0xB6, 0xB6, 0xB6, 0x7E, 0x00}},  // w
    {120, {0x00, 0x00, 0xC6, 0xFE, 0x38, 0xFE, 0xC6, 0x00}},  // x
    {121, {0x00, 0x00, 0xC6, 0xC6, 0xC6, 0x7E, 0x06, 0x7C}},  // y
    {122, {0x00, 0x00, 0xFE, 0x1C, 0x38, 0x70, 0xFE, 0x00}},  // z
};
static_assert(std::size(GLYPH_DEFINITIONS) == 69, "69 glyphs, 552 row values");
}  // namespace

DotFont::DotFont()
{
    for (int code = 0; code < DOT_FONT_NUM_GLYPHS; ++code)
    {
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            m_glyphs[code][rowIndex] = 0;
        }
    }
}

void DotFont::InitGlyphs()
{
    for (GlyphDefinition const& glyph : GLYPH_DEFINITIONS)
    {
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            m_glyphs[glyph.code][rowIndex] = glyph.rows[rowIndex];
        }
    }
}

int16_t const* DotFont::GetGlyphRows(char character) const
{
    int const code = static_cast<unsigned char>(character);
    if (code >= FIRST_CODE_WITHOUT_GLYPH)
    {
        return nullptr;
    }
    return m_glyphs[code];
}

void DotFont::SpawnLetterDots(std::vector<Dot*>& dots, char character, float scale, Vec2 const& position,
                              Rgba8 const& color, bool isUnbreakable) const
{
    ForEachLitPixel(GetGlyphRows(character),
                    [&](Vec2 const& pixelPos)
                    {
                        // A dot's position is the bottom-left corner of its square.
                        Vec2 const dotPosition = position + (pixelPos - Vec2(0.5f, 0.5f)) * scale;
                        Dot* tmpDot = new Dot(m_game, dotPosition, scale, color);
                        tmpDot->m_isUnbreakable = isUnbreakable;
                        dots.push_back(tmpDot);
                    });
}

void DotFont::SpawnTextDots(std::vector<Dot*>& dots, char const* text, float scale, Vec2 position, Vec2 pivot,
                            Rgba8 color, bool isUnbreakable) const
{
    text = TextOrEmpty(text);
    Vec2 const stringSize = GetTextSize(text);
    Vec2 const correctedPivot(pivot.x, 1.f - pivot.y);
    Vec2 currentPos =
        position - Vec2(stringSize.x * correctedPivot.x, stringSize.y * correctedPivot.y) * scale;
    // Only the line height is scaled here, not the block height: texts at a scale
    // other than 1 sit off their pivot, and callers rely on where they sit.
    currentPos.y += stringSize.y - LINE_HEIGHT * scale;
    float lineY = currentPos.y;
    for (char const* cursor = text; *cursor != '\0'; ++cursor)
    {
        if (*cursor == LINE_FEED)
        {
            lineY -= LINE_HEIGHT * scale;
            currentPos = Vec2(position.x - stringSize.x * pivot.x * scale, lineY);
            continue;
        }
        SpawnLetterDots(dots, *cursor, scale, currentPos, color, isUnbreakable);
        currentPos.x += CHAR_ADVANCE * scale;
    }
}

void DotFont::DrawChar(char character, float scale, Vec2 position, Rgba8 color) const
{
    // Kept for the process and overwritten only as far as a glyph reaches, so that a
    // drawn letter neither fills a fresh array nor allocates. One thread draws.
    static Vertex_PCU s_charVertexes[MAX_VERTS_PER_CHAR];
    int numVertexes = 0;
    ForEachLitPixel(GetGlyphRows(character),
                    [&](Vec2 const& pixelPos)
                    {
                        Vec2 const corners[6] = {
                            pixelPos + Vec2(-0.5f, -0.5f), pixelPos + Vec2(0.5f, -0.5f),
                            pixelPos + Vec2(0.5f, 0.5f),   pixelPos + Vec2(-0.5f, -0.5f),
                            pixelPos + Vec2(0.5f, 0.5f),   pixelPos + Vec2(-0.5f, 0.5f),
                        };
                        // Scaled about the glyph's origin, then moved to the position: the
                        // transform of a rotation of 0, without its trigonometry.
                        for (Vec2 const& corner : corners)
                        {
                            Vec2 const drawn = corner * scale + position;
                            s_charVertexes[numVertexes++] =
                                Vertex_PCU(Vec3(drawn.x, drawn.y, 0.f), color, Vec2(0.f, 0.f));
                        }
                    });
    // Issued even when empty: one draw call per character.
    g_theRenderer->DrawVertexArray(numVertexes, s_charVertexes);
}

void DotFont::DrawText(char const* text, float scale, Vec2 position, Vec2 pivot, Rgba8 color) const
{
    text = TextOrEmpty(text);
    Vec2 const stringSize = GetTextSize(text);
    Vec2 const pivotOffset(stringSize.x * pivot.x, stringSize.y * (1.f - pivot.y));
    // Unlike SpawnTextDots, lines count down from the position itself.
    Vec2 currentPos = position - pivotOffset * scale;
    float lineY = position.y;
    for (char const* cursor = text; *cursor != '\0'; ++cursor)
    {
        if (*cursor == LINE_FEED)
        {
            lineY -= LINE_HEIGHT * scale;
            currentPos = Vec2(position.x, lineY) - pivotOffset * scale;
            continue;
        }
        DrawChar(*cursor, scale, currentPos, color);
        currentPos.x += CHAR_ADVANCE * scale;
    }
}

void DotFont::DrawTextWithSpacing(char const* text, float scale, Vec2 position, Vec2 pivot, Rgba8 color,
                                  int extraSpacing) const
{
    text = TextOrEmpty(text);
    Vec2 const stringSize = GetTextSize(text);
    float const spacing = static_cast<float>(extraSpacing);
    float const spacedWidth = (stringSize.x / CHAR_ADVANCE) * (CHAR_ADVANCE + spacing);
    Vec2 currentPos = position - Vec2(spacedWidth * pivot.x, stringSize.y * (1.f - pivot.y)) * scale;
    // Neither term is scaled here; at scale 1 this matches SpawnTextDots.
    currentPos.y += stringSize.y - LINE_HEIGHT;
    float lineY = currentPos.y;
    for (char const* cursor = text; *cursor != '\0'; ++cursor)
    {
        if (*cursor == LINE_FEED)
        {
            lineY -= LINE_HEIGHT * scale;
            currentPos = Vec2(position.x - spacedWidth * pivot.x * scale, lineY);
            continue;
        }
        DrawChar(*cursor, scale, currentPos, color);
        // The spacing is scaled twice; at scale 1 the advance is 8 + spacing.
        currentPos.x += (CHAR_ADVANCE + spacing * scale) * scale;
    }
}

int DotFont::GetGlyphDotCount(char character) const
{
    int dotCount = 0;
    ForEachLitPixel(GetGlyphRows(character), [&dotCount](Vec2 const&) { ++dotCount; });
    return dotCount;
}

Vec2 DotFont::GetTextSize(char const* text) const
{
    text = TextOrEmpty(text);
    int numLines = 1;
    int currentLineLength = 0;
    int longestLineLength = 0;
    for (char const* cursor = text; *cursor != '\0'; ++cursor)
    {
        if (*cursor == LINE_FEED)
        {
            ++numLines;
            currentLineLength = 0;
            continue;
        }
        ++currentLineLength;
        if (currentLineLength > longestLineLength)
        {
            longestLineLength = currentLineLength;
        }
    }
    return Vec2(static_cast<float>(longestLineLength) * CHAR_ADVANCE,
                static_cast<float>(numLines) * LINE_HEIGHT);
}
