// How sheets are cut and texts placed; the glyph boxes and UVs of a line of text
// are checked to the pixel by the game's font sheet test.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <gtest/gtest.h>

#include <vector>

// Cell 0 is the picture's top-left (v = 1 at the top), then left to right and
// down. A cell's aspect counts the texture's (2:1): 2 for a 16 x 16 grid, 1 for
// 4 x 2. At cell height 10 and aspect 0.5 "AB" is 10 x 10; aligned (0.5, 0.5) in
// a box, its centre is the box's, (1, 0) puts it in the bottom-right corner.
TEST(BitmapFont, CellsRunFromTheTopLeftAndTextsAreAlignedInTheirBox)
{
    Texture const texture(0, 256, 128, 4, "font.png");  // never uploaded
    SpriteSheet const glyphSheet(texture, IntVec2(16, 16));
    Vec2 uvAtMins, uvAtMaxs;
    glyphSheet.GetSpriteUVs(uvAtMins, uvAtMaxs, 17);
    EXPECT_TRUE(glyphSheet.GetNumSprites() == 256 && uvAtMins == Vec2(0.0625f, 0.875f) &&
                uvAtMaxs == Vec2(0.125f, 0.9375f));
    EXPECT_FLOAT_EQ(glyphSheet.GetSpriteDefinition(0).GetAspect(), 2.f);
    EXPECT_FLOAT_EQ(SpriteSheet(texture, IntVec2(4, 2)).GetSpriteDefinition(7).GetAspect(), 1.f);

    BitmapFont const font("font", texture);
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "AB", 0.5f), Vec2(10.f, 10.f));
    for (Vec2 const& alignment : {Vec2(0.5f, 0.5f), Vec2(1.f, 0.f)})
    {
        std::vector<Vertex_PCU> verts;
        font.AddVertsForTextInBox2D(verts, AABB2(0.f, 0.f, 40.f, 20.f), 10.f, "AB", Rgba8::WHITE, 0.5f,
                                    alignment);
        AABB2 bounds(40.f, 20.f, 0.f, 0.f);
        for (Vertex_PCU const& vertex : verts)
        {
            bounds.StretchToIncludePoint(Vec2(vertex.m_position.x, vertex.m_position.y));
        }
        EXPECT_EQ(bounds.mins, Vec2(30.f * alignment.x, 10.f * alignment.y)) << alignment.GetAsString();
        EXPECT_EQ(bounds.maxs, bounds.mins + Vec2(10.f, 10.f)) << alignment.GetAsString();
    }
}
