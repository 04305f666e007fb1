// Writes a bitmap-font sheet from the game's own 8 x 8 glyph table: a PNG of
// 16 x 16 cells of 8 x 8 texels, cell c (counted left to right, then down from
// the top-left) holding the glyph of character code c. Lit pixels are opaque
// white, so a tint colours them; the rest are fully transparent.
//
//     MakeFontSheet <output.png>

#include "Game/DotFont.hpp"

#include <stb_image_write.h>

#include <cstdio>
#include <vector>

namespace
{
constexpr int CELLS_PER_SIDE = 16;
constexpr int TEXELS_PER_CELL_SIDE = DOT_FONT_GLYPH_ROWS;  // glyphs are 8 rows of 8 bits
constexpr int SHEET_SIDE_TEXELS = CELLS_PER_SIDE * TEXELS_PER_CELL_SIDE;
constexpr int BYTES_PER_TEXEL = 4;
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <output.png>\n", argc > 0 ? argv[0] : "MakeFontSheet");
        return 2;
    }

    DotFont glyphTable;
    glyphTable.InitGlyphs();
    std::vector<unsigned char> sheetBytes(SHEET_SIDE_TEXELS * SHEET_SIDE_TEXELS * BYTES_PER_TEXEL, 0);
    // Code 255 has no glyph in the table; its cell stays empty.
    for (int code = 0; code < DOT_FONT_NUM_GLYPHS; ++code)
    {
        int const cellLeft = (code % CELLS_PER_SIDE) * TEXELS_PER_CELL_SIDE;
        int const cellTop = (code / CELLS_PER_SIDE) * TEXELS_PER_CELL_SIDE;
        for (int rowIndex = 0; rowIndex < DOT_FONT_GLYPH_ROWS; ++rowIndex)
        {
            for (int column = 0; column < TEXELS_PER_CELL_SIDE; ++column)
            {
                bool const isLit =
                    ((glyphTable.m_glyphs[code][rowIndex] >> (7 - column)) & 1) != 0;  // bit 7 left
                size_t const texelIndex =
                    static_cast<size_t>((cellTop + rowIndex) * SHEET_SIDE_TEXELS + cellLeft + column);
                for (int channel = 0; channel < BYTES_PER_TEXEL; ++channel)
                {
                    sheetBytes[texelIndex * BYTES_PER_TEXEL + static_cast<size_t>(channel)] = isLit ? 255 : 0;
                }
            }
        }
    }

    // PNG rows run from the top, as the sheet's cells are counted.
    if (stbi_write_png(argv[1], SHEET_SIDE_TEXELS, SHEET_SIDE_TEXELS, BYTES_PER_TEXEL, sheetBytes.data(),
                       SHEET_SIDE_TEXELS * BYTES_PER_TEXEL) == 0)
    {
        std::fprintf(stderr, "%s: could not write \"%s\"\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
