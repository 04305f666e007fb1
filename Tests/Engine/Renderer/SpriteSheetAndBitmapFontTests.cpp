// How sheets are cut and texts laid out; the drawn pixels of a font are checked
// in the game's tests, with the font sheet made from its glyph table.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
Texture const TEXTURE(0, 256, 128, 4, "font.png");  // 2:1, never uploaded

// The six vertices of a box from `first` start at its mins and end at its maxs.
bool IsBox(Vertex_PCU const* first, Vec2 const& mins, Vec2 const& maxs)
{
    Vec3 const& bottomLeft = first[0].m_position;
    Vec3 const& topRight = first[5].m_position;
    return bottomLeft.x == mins.x && bottomLeft.y == mins.y && topRight.x == maxs.x && topRight.y == maxs.y;
}
}  // namespace

// Cell 0 is the picture's top-left (v = 1 at the top), 255 its bottom-right. A
// cell's aspect counts the texture's: 2 for a 16 x 16 grid, 1 for 4 x 2.
TEST(SpriteSheet, CellsRunLeftToRightThenDownFromTheTopLeft)
{
    SpriteSheet const glyphSheet(TEXTURE, IntVec2(16, 16));
    ASSERT_EQ(glyphSheet.GetNumSprites(), 256);
    Vec2 uvs[4];
    glyphSheet.GetSpriteUVs(uvs[0], uvs[1], 0);
    glyphSheet.GetSpriteUVs(uvs[2], uvs[3], 255);
    EXPECT_TRUE(uvs[0] == Vec2(0.f, 0.9375f) && uvs[1] == Vec2(0.0625f, 1.f));
    EXPECT_TRUE(uvs[2] == Vec2(0.9375f, 0.f) && uvs[3] == Vec2(1.f, 0.0625f));
    EXPECT_EQ(glyphSheet.GetSpriteDefinition(17).m_uvAtMins, Vec2(0.0625f, 0.875f));
    EXPECT_FLOAT_EQ(glyphSheet.GetSpriteDefinition(0).GetAspect(), 2.f);
    EXPECT_FLOAT_EQ(SpriteSheet(TEXTURE, IntVec2(4, 2)).GetSpriteDefinition(7).GetAspect(), 1.f);
}

// "AB" at cell height 10 and aspect 0.5 is two 5 x 10 boxes over cells 65 and
// 66, 10 x 10 in all. Aligned, the point at that fraction of its size lands on
// the position, or on that point of the box (0,0)-(40,20) shrunk by half the
// text's size.
TEST(BitmapFont, TextsAreBoxesOverTheirCellsPlacedByTheirAlignment)
{
    BitmapFont const font("font", TEXTURE);
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "AB", 0.5f), Vec2(10.f, 10.f));
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "", 0.5f), Vec2(0.f, 10.f));
    std::vector<Vertex_PCU> verts;
    font.AddVertsForText2D(verts, Vec2(3.f, 4.f), 10.f, "AB", Rgba8(10, 20, 30, 40), 0.5f);
    ASSERT_EQ(verts.size(), 12u);
    Vertex_PCU const* quadA = &verts[0];
    Vertex_PCU const* quadB = &verts[6];
    EXPECT_TRUE(IsBox(quadA, Vec2(3.f, 4.f), Vec2(8.f, 14.f)));
    EXPECT_TRUE(IsBox(quadB, Vec2(8.f, 4.f), Vec2(13.f, 14.f)));
    EXPECT_TRUE(quadA[0].m_uvTexCoords == Vec2(0.0625f, 0.6875f) &&
                quadA[5].m_uvTexCoords == Vec2(0.125f, 0.75f));
    EXPECT_TRUE(quadB[0].m_uvTexCoords == Vec2(0.125f, 0.6875f) &&
                quadB[5].m_uvTexCoords == Vec2(0.1875f, 0.75f));
    EXPECT_EQ(quadB[3].m_color, Rgba8(10, 20, 30, 40));

    struct Case
    {
        Vec2 alignment, textMinsAtPosition, textMinsInBox;
    };
    for (Case const& testCase : {Case{Vec2(0.f, 0.f), Vec2(100.f, 50.f), Vec2(0.f, 0.f)},
                                 Case{Vec2(0.5f, 0.5f), Vec2(95.f, 45.f), Vec2(15.f, 5.f)},
                                 Case{Vec2(1.f, 1.f), Vec2(90.f, 40.f), Vec2(30.f, 10.f)},
                                 Case{Vec2(1.f, 0.f), Vec2(90.f, 50.f), Vec2(30.f, 0.f)}})
    {
        SCOPED_TRACE(testCase.alignment.GetAsString());
        verts.clear();
        font.AddVertsForText2D(verts, Vec2(100.f, 50.f), 10.f, "A", Rgba8::WHITE, 1.f, testCase.alignment);
        font.AddVertsForTextInBox2D(verts, AABB2(0.f, 0.f, 40.f, 20.f), 10.f, "AB", Rgba8::WHITE, 0.5f,
                                    testCase.alignment);
        ASSERT_EQ(verts.size(), 18u);
        EXPECT_TRUE(
            IsBox(&verts[0], testCase.textMinsAtPosition, testCase.textMinsAtPosition + Vec2(10.f, 10.f)));
        EXPECT_TRUE(IsBox(&verts[6], testCase.textMinsInBox, testCase.textMinsInBox + Vec2(5.f, 10.f)));
    }
}
