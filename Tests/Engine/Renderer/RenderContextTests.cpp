#include "Engine/Renderer/RenderContext.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
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
// A real GL context of the game's world size, with a started render context and
// a camera that maps world units one to one onto its pixels.
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

// BeginCamera puts glOrtho(left, right, bottom, top, 0, 1) in the model-view
// matrix, replacing the last one; a camera moved right and down shows the box
// that far left and up, edges on whole pixels. The clear fills every pixel.
TEST_F(RenderContextTest, BoxThroughTheCameraLandsOnItsPixels)
{
    Rgba8 const clearColor(255, 128, 0), boxColor(0, 200, 100);
    for (Vec2 const& translation : {Vec2(0.f, 0.f), Vec2(16.f, -8.f)})
    {
        SCOPED_TRACE(translation.GetAsString());
        Camera camera = m_worldCamera;
        camera.Translate2D(translation);
        m_renderer.ClearScreen(clearColor);
        EXPECT_TRUE(IsPixelNear(255, 191, clearColor));
        m_renderer.BeginCamera(camera);
        float const shiftX = -1.f - translation.x / 128.f, shiftY = -1.f - translation.y / 96.f;
        float const expected[16] = {1 / 128.f, 0, 0,  0, 0,      1 / 96.f, 0,  0,
                                    0,         0, -2, 0, shiftX, shiftY,   -1, 1};
        GLfloat matrix[16] = {};
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int index = 0; index < 16; ++index)
        {
            EXPECT_NEAR(matrix[index], expected[index], 1e-6f) << "column-major element " << index;
        }

        m_renderer.DrawAABB2D(AABB2(64.f, 48.f, 128.f, 96.f), boxColor);
        m_renderer.DrawVertexArray(3, nullptr);  // nothing to draw, nothing read
        int const left = 64 - static_cast<int>(translation.x), right = left + 63;
        int const bottom = 48 - static_cast<int>(translation.y), top = bottom + 47;
        EXPECT_TRUE(IsPixelNear(left, bottom, boxColor));
        EXPECT_TRUE(IsPixelNear(right, top, boxColor));
        EXPECT_TRUE(IsPixelNear(left - 1, bottom, clearColor));
        EXPECT_TRUE(IsPixelNear(left, bottom - 1, clearColor));
        EXPECT_TRUE(IsPixelNear(right + 1, top, clearColor));
        EXPECT_TRUE(IsPixelNear(right, top + 1, clearColor));
    }
}

// Each texel covers a 32 x 32 pixel block of a box with UVs (0,0) to (1,1), the
// file's last row at the bottom. A row of five RGB texels is 15 bytes: read with
// the default 4-byte row alignment, later rows would shear.
TEST_F(RenderContextTest, TexturesFromFilesShowEveryTexelWithTheirUploadState)
{
    struct Case
    {
        int width, height, numComponents;
        GLint internalFormat;
    };
    TemporaryFolder folder;
    m_renderer.BeginCamera(m_worldCamera);
    for (Case const& testCase : {Case{5, 3, 3, GL_RGB}, Case{2, 2, 4, GL_RGBA}})
    {
        SCOPED_TRACE(testCase.numComponents);
        std::vector<unsigned char> bytes(
            static_cast<size_t>(testCase.width * testCase.height * testCase.numComponents));
        for (size_t byteIndex = 0; byteIndex < bytes.size(); ++byteIndex)
        {
            bool const isAlpha =
                testCase.numComponents == 4 && byteIndex % 4 == 3;  // opaque: nothing to blend
            bytes[byteIndex] = isAlpha ? 255 : static_cast<unsigned char>(byteIndex * 13 + 7);
        }
        std::string const path =
            folder.WritePng("texture.png", testCase.width, testCase.height, testCase.numComponents, bytes);
        Texture const* texture = m_renderer.CreateTextureFromFile(path);
        EXPECT_EQ(texture->m_dimensions, IntVec2(testCase.width, testCase.height));
        EXPECT_EQ(texture->m_numComponents, testCase.numComponents);
        EXPECT_EQ(texture->GetImageFilePath(), path);
        EXPECT_FLOAT_EQ(texture->GetAspect(), static_cast<float>(testCase.width) / testCase.height);

        // Left bound and enabled; magnified texels keep hard edges.
        std::vector<GLint> state(8, 0);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &state[0]);
        state[1] = glIsEnabled(GL_TEXTURE_2D);
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &state[2]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &state[3]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &state[4]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &state[5]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &state[6]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &state[7]);
        GLint const textureName = static_cast<GLint>(texture->GetTextureID());
        EXPECT_EQ(state, std::vector<GLint>({textureName, GL_TRUE, 1, testCase.internalFormat, GL_REPEAT,
                                             GL_REPEAT, GL_NEAREST, GL_LINEAR}));

        m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 32.f * testCase.width, 32.f * testCase.height), Rgba8::WHITE);
        for (int texelIndex = 0; texelIndex < testCase.width * testCase.height; ++texelIndex)
        {
            int const x = texelIndex % testCase.width, y = texelIndex / testCase.width;
            unsigned char const* fileTexel = &bytes[static_cast<size_t>(
                ((testCase.height - 1 - y) * testCase.width + x) * testCase.numComponents)];
            EXPECT_TRUE(
                IsPixelNear(32 * x + 16, 32 * y + 16, Rgba8(fileTexel[0], fileTexel[1], fileTexel[2])));
        }
    }
}

// One texture per path text and one font per name, the font over the texture
// the texture cache holds for its name plus ".png". Shutdown deletes the GL
// names and empties both caches; started again, the context loads afresh.
TEST_F(RenderContextTest, CachesHoldTexturesByPathAndFontsByNameUntilShutdown)
{
    std::string const fontName = DOTSUNDER_FONT_SHEET_NAME;
    std::string const fontImagePath = fontName + ".png";
    Texture const* texture = m_renderer.CreateOrGetTextureFromFile(fontImagePath);
    EXPECT_EQ(m_renderer.CreateOrGetTextureFromFile(std::string(fontImagePath.c_str())), texture);
    BitmapFont const* font = m_renderer.CreateOrGetBitmapFont(fontName);
    EXPECT_EQ(m_renderer.CreateOrGetBitmapFont(std::string(fontName.c_str())), font);
    EXPECT_EQ(&font->GetTexture(), texture);
    EXPECT_EQ(font->m_fontName, fontName);
    EXPECT_TRUE(m_renderer.m_loadedTextures.size() == 1 && m_renderer.m_loadedFonts.size() == 1);

    GLuint const textureName = texture->GetTextureID();
    EXPECT_TRUE(glIsTexture(textureName));
    m_renderer.Shutdown();
    EXPECT_FALSE(glIsTexture(textureName));
    EXPECT_TRUE(m_renderer.m_loadedTextures.empty() && m_renderer.m_loadedFonts.empty());

    m_renderer.Startup();
    BitmapFont const* fontAgain = m_renderer.CreateOrGetBitmapFont(fontName);
    EXPECT_EQ(m_renderer.m_loadedTextures.size(), 1u);
    EXPECT_TRUE(glIsTexture(fontAgain->GetTexture().GetTextureID()));
}

// Unbound, a triangle shows its vertices' own colours near their corners; a
// colour goes before its vertex, or each would land on the next corner.
TEST_F(RenderContextTest, ColorsReachTheirVerticesWhenNoTextureIsBound)
{
    Texture const* texture =
        m_renderer.CreateOrGetTextureFromFile(std::string(DOTSUNDER_FONT_SHEET_NAME) + ".png");
    m_renderer.BindTexture(texture);
    m_renderer.BeginCamera(m_worldCamera);
    m_renderer.BindTexture(nullptr);
    Vertex_PCU const triangle[3] = {Vertex_PCU(Vec3(0.f, 0.f), Rgba8(255, 0, 0), Vec2()),
                                    Vertex_PCU(Vec3(256.f, 0.f), Rgba8(0, 255, 0), Vec2()),
                                    Vertex_PCU(Vec3(0.f, 192.f), Rgba8(0, 0, 255), Vec2())};
    m_renderer.DrawVertexArray(3, triangle);
    EXPECT_TRUE(IsPixelNear(1, 1, Rgba8(255, 0, 0), 15));
    EXPECT_TRUE(IsPixelNear(252, 1, Rgba8(0, 255, 0), 15));
    EXPECT_TRUE(IsPixelNear(1, 188, Rgba8(0, 0, 255), 15));
}

// Source (200, 100, 50) at alpha 128 over opaque (40, 80, 120); alpha blends by
// the same factors. Startup leaves alpha blending on.
TEST_F(RenderContextTest, BlendModesMixAsTheirFactorsSay)
{
    auto const expectBlended = [this](Rgba8 const& expected)
    {
        m_renderer.ClearScreen(Rgba8(40, 80, 120));
        m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 256.f, 192.f), Rgba8(200, 100, 50, 128));
        EXPECT_TRUE(IsPixelNear(128, 96, expected, 2));
    };
    m_renderer.BeginCamera(m_worldCamera);
    expectBlended(Rgba8(120, 90, 85, 191));
    m_renderer.SetBlendMode(ADDITIVE);
    expectBlended(Rgba8(140, 130, 145, 255));
    m_renderer.SetBlendMode(ALPHA);
    expectBlended(Rgba8(120, 90, 85, 191));
}
