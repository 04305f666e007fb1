#include "Engine/Renderer/RenderContext.hpp"

#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/Texture.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"
#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A real GL context of 256 x 192 pixels, with a started render context and a
// camera that maps its units one to one onto those pixels.
class RenderContextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_glContext.IsCurrent()) << m_glContext.GetFailure();
        m_renderer.Startup();
        m_worldCamera.SetOrthoView(Vec2(0.f, 0.f), Vec2(256.f, 192.f));
    }

    GLTestContext m_glContext{256, 192};
    RenderContext m_renderer;
    Camera m_worldCamera;
};
}  // namespace

// A file's texture is left bound; drawn over a box with UVs (0,0) to (1,1), each
// texel fills its own 32 x 32 pixel block to the block's corners (magnified texels
// keep hard edges), the file's last row at the bottom. A row of three RGB texels is
// 9 bytes: read with the default 4-byte row alignment, the next row would shear.
TEST_F(RenderContextTest, TexturesFromFilesShowEveryTexelWithHardEdges)
{
    TemporaryFolder folder;  // texel (x, y) from the bottom: red 40x, green 100y, blue 99
    m_renderer.CreateTextureFromFile(folder.WritePng(
        "texture.png", 3, 2, 3, {0, 100, 99, 40, 100, 99, 80, 100, 99, 0, 0, 99, 40, 0, 99, 80, 0, 99}));
    m_renderer.BeginCamera(m_worldCamera);
    m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 96.f, 64.f), Rgba8::WHITE);
    for (int texelIndex = 0; texelIndex < 6; ++texelIndex)
    {
        int const x = texelIndex % 3, y = texelIndex / 3;
        Rgba8 const texel(static_cast<unsigned char>(40 * x), static_cast<unsigned char>(100 * y), 99);
        EXPECT_TRUE(IsPixelNear(32 * x + 1, 32 * y + 1, texel) &&
                    IsPixelNear(32 * x + 30, 32 * y + 30, texel));
    }
}

// One texture per path text and one font per name, the font over the texture
// the texture cache holds for its name plus ".png". Shutdown deletes the GL
// names and empties both caches; started again, the context loads afresh.
TEST_F(RenderContextTest, CachesHoldTexturesByPathAndFontsByNameUntilShutdown)
{
    std::string const fontName = DOTSUNDER_FONT_SHEET_NAME;
    Texture const* texture = m_renderer.CreateOrGetTextureFromFile(fontName + ".png");
    BitmapFont const* font = m_renderer.CreateOrGetBitmapFont(fontName);
    // Asked again through other buffers holding the same characters.
    EXPECT_TRUE(m_renderer.CreateOrGetTextureFromFile(std::string(fontName.c_str()) + ".png") == texture &&
                m_renderer.CreateOrGetBitmapFont(std::string(fontName.c_str())) == font);
    GLuint const textureName = texture->GetTextureID();
    EXPECT_TRUE(&font->GetTexture() == texture && m_renderer.m_loadedTextures.size() == 1 &&
                m_renderer.m_loadedFonts.size() == 1 && glIsTexture(textureName));
    m_renderer.Shutdown();
    EXPECT_TRUE(!glIsTexture(textureName) && m_renderer.m_loadedTextures.empty() &&
                m_renderer.m_loadedFonts.empty());
    m_renderer.Startup();
    EXPECT_TRUE(glIsTexture(m_renderer.CreateOrGetBitmapFont(fontName)->GetTexture().GetTextureID()));
}

// Source (200, 100, 50) at alpha 128 over opaque (40, 80, 120): Startup leaves alpha
// blending on; alpha blends by the same factors again after ADDITIVE. (Vertex colours
// are read back to the pixel by the game's drawing tests.)
TEST_F(RenderContextTest, BlendModesMixAsTheirFactorsSay)
{
    m_renderer.BeginCamera(m_worldCamera);
    // After Startup, then ADDITIVE, then ALPHA again.
    Rgba8 const BLENDED[] = {Rgba8(120, 90, 85, 191), Rgba8(140, 130, 145, 255), Rgba8(120, 90, 85, 191)};
    for (int step = 0; step < 3; ++step)
    {
        if (step > 0)
        {
            m_renderer.SetBlendMode(step == 1 ? ADDITIVE : ALPHA);
        }
        m_renderer.ClearScreen(Rgba8(40, 80, 120));
        m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 256.f, 192.f), Rgba8(200, 100, 50, 128));
        EXPECT_TRUE(IsPixelNear(128, 96, BLENDED[step], 2)) << step;
    }
}
