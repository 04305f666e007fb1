#include "Engine/Renderer/RenderContext.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/Texture.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <string>

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

// A 2x2 texture shows one texel in each quarter of a box with UVs (0,0)-(1,1).
// Unbound, a triangle shows its vertices' own colours near their corners; colour
// and UV go before their vertex, or each would land on the next corner.
TEST_F(RenderContextTest, UVsAndColorsReachTheirVerticesUntilTheTextureIsUnbound)
{
    // Rows from the bottom: red, green, then blue, yellow.
    unsigned char const texels[2 * 2 * 4] = {255, 0, 0,   255, 0,   255, 0, 255,
                                             0,   0, 255, 255, 255, 255, 0, 255};
    GLuint textureName = 0;
    glGenTextures(1, &textureName);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    Texture const texture(textureName, 2, 2, 4, "checker.png");
    m_renderer.BeginCamera(m_worldCamera);
    m_renderer.BindTexture(&texture);
    m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 256.f, 192.f), Rgba8(255, 255, 255));
    EXPECT_TRUE(IsPixelNear(64, 48, Rgba8(255, 0, 0)));
    EXPECT_TRUE(IsPixelNear(192, 48, Rgba8(0, 255, 0)));
    EXPECT_TRUE(IsPixelNear(64, 144, Rgba8(0, 0, 255)));
    EXPECT_TRUE(IsPixelNear(192, 144, Rgba8(255, 255, 0)));

    m_renderer.BindTexture(nullptr);
    Vertex_PCU const triangle[3] = {Vertex_PCU(Vec3(0.f, 0.f), Rgba8(255, 0, 0), Vec2()),
                                    Vertex_PCU(Vec3(256.f, 0.f), Rgba8(0, 255, 0), Vec2()),
                                    Vertex_PCU(Vec3(0.f, 192.f), Rgba8(0, 0, 255), Vec2())};
    m_renderer.DrawVertexArray(3, triangle);
    EXPECT_TRUE(IsPixelNear(1, 1, Rgba8(255, 0, 0), 15));
    EXPECT_TRUE(IsPixelNear(252, 1, Rgba8(0, 255, 0), 15));
    EXPECT_TRUE(IsPixelNear(1, 188, Rgba8(0, 0, 255), 15));
    glDeleteTextures(1, &textureName);
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

// The check comes before any GL call, so no context is needed in the child.
TEST(RenderContextDeathTest, UnknownBlendModeIsFatal)
{
    for (int blendModeValue : {2, -1})
    {
        ChildResult const result = RunInChildProcess(
            [blendModeValue] { RenderContext().SetBlendMode(static_cast<BlendMode>(blendModeValue)); });
        EXPECT_TRUE(result.ExitedWithFailure());
        EXPECT_NE(
            result.standardOutput.find("Unknown / unsupported blend mode #" + std::to_string(blendModeValue)),
            std::string::npos)
            << result.standardOutput;
        EXPECT_NE(result.standardOutput.find("RenderContext::SetBlendMode"), std::string::npos);
    }
}
