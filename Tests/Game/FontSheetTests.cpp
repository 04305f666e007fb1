// The font sheet the build draws from the game's glyph table, used through the
// engine's bitmap font: a line of text reads back from GL as exactly the lit
// pixels of those glyphs.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/DotFont.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Cells of 16 x 16 pixels, two per glyph texel, from (8, 16): each pixel is the
// tint where its texel's glyph bit is set (row 0 on top, bit 7 on the left) and
// the background everywhere else, around the line and in the empty cells of the
// space and of code 200.
TEST(FontSheet, ALineOfTextReadsBackAsTheLitPixelsOfTheGameGlyphs)
{
    constexpr int VIEW_WIDTH = 320, VIEW_HEIGHT = 48, TEXT_LEFT = 8, TEXT_BOTTOM = 16;
    constexpr int CELL_PIXELS = 16, PIXELS_PER_TEXEL = 2;
    std::string const text = "Dotsunder, 42 \xC8?!Wq";
    int const TEXT_WIDTH = static_cast<int>(text.size()) * CELL_PIXELS;
    Rgba8 const background(20, 40, 60), tint(255, 200, 0);

    GLTestContext glContext(VIEW_WIDTH, VIEW_HEIGHT);
    ASSERT_TRUE(glContext.IsCurrent()) << glContext.GetFailure();
    RenderContext renderer;
    renderer.Startup();
    Camera camera;
    camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(VIEW_WIDTH, VIEW_HEIGHT));
    renderer.BeginCamera(camera);
    renderer.ClearScreen(background);
    BitmapFont const* font = renderer.CreateOrGetBitmapFont(DOTSUNDER_FONT_SHEET_NAME);
    std::vector<Vertex_PCU> verts;
    font->AddVertsForText2D(verts, Vec2(TEXT_LEFT, TEXT_BOTTOM), CELL_PIXELS, text, tint);
    renderer.BindTexture(&font->GetTexture());
    renderer.DrawVertexArray(verts);

    std::vector<Rgba8> frame(VIEW_WIDTH * VIEW_HEIGHT);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, VIEW_WIDTH, VIEW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    DotFont glyphTable;
    glyphTable.InitGlyphs();
    int numWrongPixels = 0, numLitPixels = 0;
    for (int y = 0; y < VIEW_HEIGHT; ++y)
    {
        for (int x = 0; x < VIEW_WIDTH; ++x)
        {
            int const textX = x - TEXT_LEFT, textY = y - TEXT_BOTTOM;
            bool const isInText = textX >= 0 && textX < TEXT_WIDTH && textY >= 0 && textY < CELL_PIXELS;
            int const code =
                isInText ? static_cast<unsigned char>(text[static_cast<size_t>(textX / CELL_PIXELS)]) : 0;
            int const glyphRow = 7 - textY / PIXELS_PER_TEXEL,
                      glyphBit = 7 - (textX % CELL_PIXELS) / PIXELS_PER_TEXEL;
            bool const isLit = isInText && ((glyphTable.m_glyphs[code][glyphRow] >> glyphBit) & 1) != 0;
            numLitPixels += isLit ? 1 : 0;
            Rgba8 const& actual = frame[static_cast<size_t>(y * VIEW_WIDTH + x)];
            if (actual != (isLit ? tint : background) && ++numWrongPixels <= 5)
            {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << actual.GetAsString();
            }
        }
    }
    EXPECT_EQ(numWrongPixels, 0);
    EXPECT_GT(numLitPixels, 200 * PIXELS_PER_TEXEL * PIXELS_PER_TEXEL);  // the line is really there
}
