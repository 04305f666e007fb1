#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/SpriteSheet.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
Vec2 GetPosition2D(Vertex_PCU const& vertex)
{
    return Vec2(vertex.m_position.x, vertex.m_position.y);
}
}  // namespace

// Cell 0 is the picture's top-left (v = 1 at the top), 255 its bottom-right;
// indices run left to right, then down. A cell's aspect counts the texture's.
TEST(SpriteSheet, CellsRunLeftToRightThenDownFromTheTopLeft)
{
    Texture const texture(0, 256, 128, 4, "sheet.png");
    SpriteSheet const glyphSheet(texture, IntVec2(16, 16));
    ASSERT_EQ(glyphSheet.GetNumSprites(), 256);
    EXPECT_EQ(&glyphSheet.GetTexture(), &texture);
    struct Case
    {
        int spriteIndex;
        Vec2 uvAtMins, uvAtMaxs;
    };
    Case const CASES[] = {{0, Vec2(0.f, 0.9375f), Vec2(0.0625f, 1.f)},
                          {17, Vec2(0.0625f, 0.875f), Vec2(0.125f, 0.9375f)},
                          {255, Vec2(0.9375f, 0.f), Vec2(1.f, 0.0625f)}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.spriteIndex);
        Vec2 uvAtMins, uvAtMaxs;
        glyphSheet.GetSpriteUVs(uvAtMins, uvAtMaxs, testCase.spriteIndex);
        EXPECT_EQ(uvAtMins, testCase.uvAtMins);
        EXPECT_EQ(uvAtMaxs, testCase.uvAtMaxs);
        EXPECT_EQ(glyphSheet.GetSpriteDefinition(testCase.spriteIndex).m_spriteIndex, testCase.spriteIndex);
    }
    EXPECT_FLOAT_EQ(glyphSheet.GetSpriteDefinition(0).GetAspect(), 2.f);
    EXPECT_FLOAT_EQ(SpriteSheet(texture, IntVec2(4, 2)).GetSpriteDefinition(7).GetAspect(), 1.f);
}

// Cell height 10 and aspect 0.5: 5 x 10 boxes side by side from the text mins,
// each over its character's cell in the tint. Code 200 is cell 200 even where
// char is signed.
TEST(BitmapFont, TextIsOneBoxPerCharacterOverTheCellOfItsUnsignedCode)
{
    Texture const texture(0, 128, 128, 4, "font.png");
    BitmapFont const font("font", texture);
    Rgba8 const tint(10, 20, 30, 40);
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "AB", 0.5f), Vec2(10.f, 10.f));
    EXPECT_EQ(font.GetDimensionsForText2D(10.f, "", 0.5f), Vec2(0.f, 10.f));
    std::vector<Vertex_PCU> verts;
    font.AddVertsForText2D(verts, Vec2(3.f, 4.f), 10.f, "AB\xC8", tint, 0.5f);
    ASSERT_EQ(verts.size(), 18u);
    struct Box
    {
        Vec2 mins, maxs;
        int cell;
    };
    Box const BOXES[] = {{Vec2(3.f, 4.f), Vec2(8.f, 14.f), 65},
                         {Vec2(8.f, 4.f), Vec2(13.f, 14.f), 66},
                         {Vec2(13.f, 4.f), Vec2(18.f, 14.f), 200}};
    for (size_t boxIndex = 0; boxIndex < std::size(BOXES); ++boxIndex)
    {
        SCOPED_TRACE(BOXES[boxIndex].cell);
        Vec2 uvAtMins, uvAtMaxs;
        font.m_glyphSpriteSheet.GetSpriteUVs(uvAtMins, uvAtMaxs, BOXES[boxIndex].cell);
        Vertex_PCU const& bottomLeft = verts[boxIndex * 6];
        Vertex_PCU const& topRight = verts[boxIndex * 6 + 5];
        EXPECT_EQ(GetPosition2D(bottomLeft), BOXES[boxIndex].mins);
        EXPECT_EQ(GetPosition2D(topRight), BOXES[boxIndex].maxs);
        EXPECT_EQ(bottomLeft.m_uvTexCoords, uvAtMins);
        EXPECT_EQ(topRight.m_uvTexCoords, uvAtMaxs);
        EXPECT_EQ(verts[boxIndex * 6 + 2].m_color, tint);
    }
}

// The 10 x 10 text "AB" with its alignment point on (100, 50), and inside the
// box (0,0)-(40,20) at the same alignment.
TEST(BitmapFont, AlignedTextPutsItsAlignmentPointOnThePositionAndInTheBox)
{
    Texture const texture(0, 128, 128, 4, "font.png");
    BitmapFont const font("font", texture);
    struct Case
    {
        Vec2 alignment, textMinsAtPosition, textMinsInBox;
    };
    Case const CASES[] = {{Vec2(0.f, 0.f), Vec2(100.f, 50.f), Vec2(0.f, 0.f)},
                          {Vec2(0.5f, 0.5f), Vec2(95.f, 45.f), Vec2(15.f, 5.f)},
                          {Vec2(1.f, 1.f), Vec2(90.f, 40.f), Vec2(30.f, 10.f)},
                          {Vec2(1.f, 0.f), Vec2(90.f, 50.f), Vec2(30.f, 0.f)}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.alignment.GetAsString());
        std::vector<Vertex_PCU> verts;
        font.AddVertsForText2D(verts, Vec2(100.f, 50.f), 10.f, "AB", Rgba8::WHITE, 0.5f, testCase.alignment);
        font.AddVertsForTextInBox2D(verts, AABB2(0.f, 0.f, 40.f, 20.f), 10.f, "AB", Rgba8::WHITE, 0.5f,
                                    testCase.alignment);
        ASSERT_EQ(verts.size(), 24u);
        EXPECT_EQ(GetPosition2D(verts[0]), testCase.textMinsAtPosition);
        EXPECT_EQ(GetPosition2D(verts[12]), testCase.textMinsInBox);
        EXPECT_EQ(GetPosition2D(verts[23]), testCase.textMinsInBox + Vec2(10.f, 10.f));
    }
}
