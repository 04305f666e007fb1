// How sheets are cut and texts placed; the glyph boxes and UVs of a line of text
// are checked to the pixel by the game's font sheet test.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
Texture const TEXTURE(0, 256, 128, 4, "font.png");  // 2:1, never uploaded

// The box around the six vertices of the glyph from vertex `first`.
AABB2 GetGlyphBox(std::vector<Vertex_PCU> const& verts, size_t first)
{
    AABB2 box(verts[first].m_position.x, verts[first].m_position.y, verts[first].m_position.x,
              verts[first].m_position.y);
    for (size_t index = first; index < first + 6; ++index)
    {
        box.StretchToIncludePoint(Vec2(verts[index].m_position.x, verts[index].m_position.y));
    }
    return box;
}
}  // namespace

// Cell 0 is the picture's top-left (v = 1 at the top), then left to right and
// down. A cell's aspect counts the texture's: 2 for a 16 x 16 grid, 1 for 4 x 2.
TEST(SpriteSheet, CellsRunLeftToRightThenDownFromTheTopLeft)
{
    SpriteSheet const glyphSheet(TEXTURE, IntVec2(16, 16));
    ASSERT_EQ(glyphSheet.GetNumSprites(), 256);
    Vec2 uvAtMins, uvAtMaxs;
    glyphSheet.GetSpriteUVs(uvAtMins, uvAtMaxs, 17);
    EXPECT_TRUE(uvAtMins == Vec2(0.0625f, 0.875f) && uvAtMaxs == Vec2(0.125f, 0.9375f));
    EXPECT_FLOAT_EQ(glyphSheet.GetSpriteDefinition(0).GetAspect(), 2.f);
    EXPECT_FLOAT_EQ(SpriteSheet(TEXTURE, IntVec2(4, 2)).GetSpriteDefinition(7).GetAspect(), 1.f);
}

// At cell height 10, "A" at aspect 1 is 10 x 10 and "AB" at aspect 0.5 too. Aligned,
// the point at that fraction of the text's size lands on the position, or on
// that point of the box (0,0)-(40,20) shrunk by the text's size.
TEST(BitmapFont, TextsArePlacedByTheirAlignment)
{
    BitmapFont const font("font", TEXTURE);
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "AB", 0.5f), Vec2(10.f, 10.f));
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "", 0.5f), Vec2(0.f, 10.f));
    struct Case
    {
        Vec2 alignment, textMinsAtPosition, textMinsInBox;
    } const CASES[] = {{Vec2(0.f, 0.f), Vec2(100.f, 50.f), Vec2(0.f, 0.f)},
                       {Vec2(0.5f, 0.5f), Vec2(95.f, 45.f), Vec2(15.f, 5.f)},
                       {Vec2(1.f, 1.f), Vec2(90.f, 40.f), Vec2(30.f, 10.f)},
                       {Vec2(1.f, 0.f), Vec2(90.f, 50.f), Vec2(30.f, 0.f)}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.alignment.GetAsString());
        std::vector<Vertex_PCU> verts;
        font.AddVertsForText2D(verts, Vec2(100.f, 50.f), 10.f, "A", Rgba8::WHITE, 1.f, testCase.alignment);
        font.AddVertsForTextInBox2D(verts, AABB2(0.f, 0.f, 40.f, 20.f), 10.f, "AB", Rgba8::WHITE, 0.5f,
                                    testCase.alignment);
        ASSERT_EQ(verts.size(), 18u);
        Vec2 const atPosition = testCase.textMinsAtPosition, inBox = testCase.textMinsInBox;
        EXPECT_EQ(GetGlyphBox(verts, 0), AABB2(atPosition, atPosition + Vec2(10.f, 10.f)));
        EXPECT_EQ(GetGlyphBox(verts, 6), AABB2(inBox, inBox + Vec2(5.f, 10.f)));
        EXPECT_EQ(GetGlyphBox(verts, 12), AABB2(inBox + Vec2(5.f, 0.f), inBox + Vec2(10.f, 10.f)));
    }
}
