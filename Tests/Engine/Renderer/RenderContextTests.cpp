#include "Engine/Renderer/RenderContext.hpp"

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/Texture.hpp"
#include "Engine/Renderer/VertexUtils.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr int VIEW_WIDTH = 256;
constexpr int VIEW_HEIGHT = 192;

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

    GLTestContext m_glContext{VIEW_WIDTH, VIEW_HEIGHT};
    RenderContext m_renderer;
    Camera m_worldCamera;
};

#define EXPECT_PIXEL_NEAR(x, y, expectedColor, tolerance)                                                    \
    do                                                                                                       \
    {                                                                                                        \
        Rgba8 const actualPixel = ReadBackBufferPixel(x, y);                                                 \
        EXPECT_TRUE(IsColorNear(actualPixel, expectedColor, tolerance))                                      \
            << "pixel (" << (x) << ", " << (y) << ") is " << DescribeColor(actualPixel) << ", expected "     \
            << DescribeColor(expectedColor);                                                                 \
    } while (false)

// glOrtho(l, r, b, t, n, f) read back out of the column-major matrix it produced.
struct OrthoArguments
{
    double left, right, bottom, top, nearPlane, farPlane;
};

OrthoArguments ReadOrthoFromModelViewMatrix()
{
    GLfloat matrix[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    double const scaleX = matrix[0];
    double const scaleY = matrix[5];
    double const scaleZ = matrix[10];
    OrthoArguments ortho{};
    ortho.left = (-1.0 - matrix[12]) / scaleX;
    ortho.right = (1.0 - matrix[12]) / scaleX;
    ortho.bottom = (-1.0 - matrix[13]) / scaleY;
    ortho.top = (1.0 - matrix[13]) / scaleY;
    ortho.nearPlane = (1.0 + matrix[14]) / scaleZ;  // z' = -1 at near
    ortho.farPlane = (-1.0 + matrix[14]) / scaleZ;  // z' = +1 at far
    return ortho;
}

void ExpectOrtho(OrthoArguments const& actual, OrthoArguments const& expected)
{
    EXPECT_NEAR(actual.left, expected.left, 1e-3);
    EXPECT_NEAR(actual.right, expected.right, 1e-3);
    EXPECT_NEAR(actual.bottom, expected.bottom, 1e-3);
    EXPECT_NEAR(actual.top, expected.top, 1e-3);
    EXPECT_NEAR(actual.nearPlane, expected.nearPlane, 1e-5);
    EXPECT_NEAR(actual.farPlane, expected.farPlane, 1e-5);
}

// True when the GL error flag is clear; clears it either way.
bool HasNoGLError()
{
    bool isClear = true;
    while (glGetError() != GL_NO_ERROR)
    {
        isClear = false;
    }
    return isClear;
}
}  // namespace

TEST_F(RenderContextTest, StartupTurnsOnAlphaBlending)
{
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint sourceFactor = 0;
    GLint destinationFactor = 0;
    glGetIntegerv(GL_BLEND_SRC, &sourceFactor);
    glGetIntegerv(GL_BLEND_DST, &destinationFactor);
    EXPECT_EQ(sourceFactor, GL_SRC_ALPHA);
    EXPECT_EQ(destinationFactor, GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(RenderContextTest, ClearScreenFillsTheColorBufferOnly)
{
    glClearDepth(0.25);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);

    m_renderer.ClearScreen(Rgba8(255, 128, 0, 255));

    GLfloat clearColor[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColor);
    EXPECT_FLOAT_EQ(clearColor[0], 1.f);
    EXPECT_FLOAT_EQ(clearColor[1], 128.f / 255.f);
    EXPECT_FLOAT_EQ(clearColor[2], 0.f);
    EXPECT_FLOAT_EQ(clearColor[3], 1.f);
    for (int y : {0, VIEW_HEIGHT / 2, VIEW_HEIGHT - 1})
    {
        for (int x : {0, VIEW_WIDTH / 2, VIEW_WIDTH - 1})
        {
            EXPECT_PIXEL_NEAR(x, y, Rgba8(255, 128, 0, 255), 0);
        }
    }
    EXPECT_NEAR(ReadBackBufferDepth(100, 100), 0.25f, 1e-6f);
}

TEST_F(RenderContextTest, BeginCameraLoadsTheCamerasOrthoIntoTheModelViewMatrix)
{
    m_renderer.BeginCamera(m_worldCamera);
    ExpectOrtho(ReadOrthoFromModelViewMatrix(), {0.0, 256.0, 0.0, 192.0, 0.0, 1.0});

    Camera shakenCamera = m_worldCamera;
    shakenCamera.Translate2D(Vec2(3.f, -2.f));
    m_renderer.BeginCamera(shakenCamera);  // replaces, never multiplies onto, the previous camera
    ExpectOrtho(ReadOrthoFromModelViewMatrix(), {3.0, 259.0, -2.0, 190.0, 0.0, 1.0});
    m_renderer.EndCamera(shakenCamera);

    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int index = 0; index < 16; ++index)
    {
        EXPECT_EQ(projection[index], (index % 5 == 0) ? 1.f : 0.f) << "projection element " << index;
    }
    EXPECT_TRUE(HasNoGLError());
}

TEST_F(RenderContextTest, BoxInTheWorldLandsOnItsPixels)
{
    Rgba8 const boxColor(0, 200, 100, 255);
    m_renderer.ClearScreen(Rgba8(0, 0, 0, 255));
    m_renderer.BeginCamera(m_worldCamera);
    std::vector<Vertex_PCU> verts;
    AddVertsForAABB2D(verts, AABB2(64.f, 48.f, 128.f, 96.f), boxColor);
    m_renderer.DrawVertexArray(verts);
    m_renderer.EndCamera(m_worldCamera);

    Rgba8 const black(0, 0, 0, 255);
    EXPECT_PIXEL_NEAR(64, 48, boxColor, 0);
    EXPECT_PIXEL_NEAR(127, 95, boxColor, 0);
    EXPECT_PIXEL_NEAR(96, 72, boxColor, 0);
    EXPECT_PIXEL_NEAR(63, 48, black, 0);
    EXPECT_PIXEL_NEAR(64, 47, black, 0);
    EXPECT_PIXEL_NEAR(128, 95, black, 0);
    EXPECT_PIXEL_NEAR(127, 96, black, 0);
}

// A camera moved right by 16 shows the same box 16 pixels further left.
TEST_F(RenderContextTest, TranslatedCameraMovesThePicture)
{
    Rgba8 const boxColor(250, 250, 0, 255);
    Camera shakenCamera = m_worldCamera;
    shakenCamera.Translate2D(Vec2(16.f, -8.f));
    m_renderer.ClearScreen(Rgba8(0, 0, 0, 255));
    m_renderer.BeginCamera(shakenCamera);
    m_renderer.DrawAABB2D(AABB2(64.f, 48.f, 128.f, 96.f), boxColor);

    Rgba8 const black(0, 0, 0, 255);
    EXPECT_PIXEL_NEAR(48, 56, boxColor, 0);
    EXPECT_PIXEL_NEAR(111, 103, boxColor, 0);
    EXPECT_PIXEL_NEAR(47, 56, black, 0);
    EXPECT_PIXEL_NEAR(112, 103, black, 0);
    EXPECT_PIXEL_NEAR(48, 55, black, 0);
    EXPECT_PIXEL_NEAR(111, 104, black, 0);
}

// Each vertex carries its own colour: colour is issued before the vertex it belongs to.
TEST_F(RenderContextTest, EachVertexGetsItsOwnColor)
{
    m_renderer.ClearScreen(Rgba8(0, 0, 0, 255));
    m_renderer.BeginCamera(m_worldCamera);
    Vertex_PCU const triangle[3] = {
        Vertex_PCU(Vec3(0.f, 0.f), Rgba8(255, 0, 0, 255), Vec2()),
        Vertex_PCU(Vec3(256.f, 0.f), Rgba8(0, 255, 0, 255), Vec2()),
        Vertex_PCU(Vec3(0.f, 192.f), Rgba8(0, 0, 255, 255), Vec2()),
    };
    m_renderer.DrawVertexArray(3, triangle);

    // Near each corner its own colour dominates; issued after its vertex, each
    // colour would land on the next corner instead.
    Rgba8 const redCorner = ReadBackBufferPixel(1, 1);
    EXPECT_GT(redCorner.r, 240);
    EXPECT_LT(redCorner.g + redCorner.b, 15);
    Rgba8 const greenCorner = ReadBackBufferPixel(252, 1);
    EXPECT_GT(greenCorner.g, 240);
    EXPECT_LT(greenCorner.r + greenCorner.b, 15);
    Rgba8 const blueCorner = ReadBackBufferPixel(1, 188);
    EXPECT_GT(blueCorner.b, 240);
    EXPECT_LT(blueCorner.r + blueCorner.g, 15);
}

// Texture coordinates are issued before their vertex too: a 2x2 texture shows
// one texel in each quarter of a box with UVs (0,0)-(1,1), and mirrored ones swap them.
TEST_F(RenderContextTest, TexturedBoxShowsItsTexelsWhereItsUVsSay)
{
    unsigned char const texels[2 * 2 * 4] = {
        255, 0, 0,   255, /* (0,0) */ 0,   255, 0, 255, /* (1,0) */
        0,   0, 255, 255, /* (0,1) */ 255, 255, 0, 255, /* (1,1) */
    };
    GLuint textureName = 0;
    glGenTextures(1, &textureName);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glBindTexture(GL_TEXTURE_2D, 0);
    Texture const texture(textureName, 2, 2, 4, "checker.png");

    m_renderer.ClearScreen(Rgba8(0, 0, 0, 255));
    m_renderer.BeginCamera(m_worldCamera);
    m_renderer.BindTexture(&texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint boundName = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundName);
    EXPECT_EQ(static_cast<GLuint>(boundName), textureName);

    std::vector<Vertex_PCU> verts;
    AddVertsForAABB2D(verts, AABB2(0.f, 0.f, 128.f, 192.f), Rgba8(255, 255, 255, 255));
    AddVertsForAABB2D(verts, AABB2(128.f, 0.f, 256.f, 192.f), Rgba8(255, 255, 255, 255), Vec2(1.f, 0.f),
                      Vec2(0.f, 1.f));
    m_renderer.DrawVertexArray(verts);

    Rgba8 const red(255, 0, 0, 255);
    Rgba8 const green(0, 255, 0, 255);
    Rgba8 const blue(0, 0, 255, 255);
    Rgba8 const yellow(255, 255, 0, 255);
    EXPECT_PIXEL_NEAR(32, 48, red, 0);
    EXPECT_PIXEL_NEAR(96, 48, green, 0);
    EXPECT_PIXEL_NEAR(32, 144, blue, 0);
    EXPECT_PIXEL_NEAR(96, 144, yellow, 0);
    EXPECT_PIXEL_NEAR(160, 48, green, 0);  // mirrored left to right
    EXPECT_PIXEL_NEAR(224, 48, red, 0);
    EXPECT_PIXEL_NEAR(160, 144, yellow, 0);
    EXPECT_PIXEL_NEAR(224, 144, blue, 0);

    m_renderer.BindTexture(nullptr);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glDeleteTextures(1, &textureName);
}

TEST_F(RenderContextTest, BindingNoTextureDrawsUntextured)
{
    glEnable(GL_TEXTURE_2D);
    m_renderer.BindTexture(nullptr);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

// Source (200, 100, 50) at alpha 128 over opaque (40, 80, 120); alpha blends by the same factors.
TEST_F(RenderContextTest, BlendModesMixAsTheirFactorsSay)
{
    struct Case
    {
        char const* name;
        BlendMode blendMode;
        GLint expectedSourceFactor;
        GLint expectedDestinationFactor;
        Rgba8 expectedColor;
    };
    Case const CASES[] = {
        {"alpha", ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, Rgba8(120, 90, 85, 191)},
        {"additive", ADDITIVE, GL_SRC_ALPHA, GL_ONE, Rgba8(140, 130, 145, 255)},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        m_renderer.SetBlendMode(testCase.blendMode);
        GLint sourceFactor = 0;
        GLint destinationFactor = 0;
        glGetIntegerv(GL_BLEND_SRC, &sourceFactor);
        glGetIntegerv(GL_BLEND_DST, &destinationFactor);
        EXPECT_EQ(sourceFactor, testCase.expectedSourceFactor);
        EXPECT_EQ(destinationFactor, testCase.expectedDestinationFactor);
        EXPECT_TRUE(glIsEnabled(GL_BLEND));

        m_renderer.ClearScreen(Rgba8(40, 80, 120, 255));
        m_renderer.BeginCamera(m_worldCamera);
        m_renderer.DrawAABB2D(AABB2(0.f, 0.f, 256.f, 192.f), Rgba8(200, 100, 50, 128));
        EXPECT_PIXEL_NEAR(128, 96, testCase.expectedColor, 2);
    }
}

// Nested inside our own glBegin, a glBegin from the renderer raises
// GL_INVALID_OPERATION; a renderer that issues nothing leaves the error flag clear.
TEST_F(RenderContextTest, DrawVertexArrayIssuesNothingForNothingToDraw)
{
    struct Case
    {
        char const* name;
        bool expectsBeginAndEnd;
        std::function<void(RenderContext&)> draw;
    };
    Vertex_PCU const oneTriangle[3];
    Case const CASES[] = {
        {"empty list", false,
         [](RenderContext& renderer)
         {
             std::vector<Vertex_PCU> emptyWithStorage;
             emptyWithStorage.reserve(3);  // a real data() pointer, so only emptiness can stop the draw
             renderer.DrawVertexArray(emptyWithStorage);
         }},
        {"count 0", true, [&](RenderContext& renderer) { renderer.DrawVertexArray(0, oneTriangle); }},
        {"negative count", false,
         [&](RenderContext& renderer) { renderer.DrawVertexArray(-3, oneTriangle); }},
        {"null pointer", false, [](RenderContext& renderer) { renderer.DrawVertexArray(3, nullptr); }},
        {"null pointer, count 0", false,
         [](RenderContext& renderer) { renderer.DrawVertexArray(0, nullptr); }},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.name);
        ASSERT_TRUE(HasNoGLError());
        testCase.draw(m_renderer);
        EXPECT_TRUE(HasNoGLError()) << "drawing on its own raised an error";

        glBegin(GL_TRIANGLES);
        testCase.draw(m_renderer);
        glEnd();
        EXPECT_EQ(HasNoGLError(), !testCase.expectsBeginAndEnd);
    }
}

TEST_F(RenderContextTest, BeginFrameWithoutAnEngineWindowLeavesTheViewportAlone)
{
    glViewport(10, 20, 30, 40);
    m_renderer.BeginFrame();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 10);
    EXPECT_EQ(viewport[1], 20);
    EXPECT_EQ(viewport[2], 30);
    EXPECT_EQ(viewport[3], 40);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    m_renderer.EndFrame();
}

// The check comes before any GL call, so no context is needed in the child.
TEST(RenderContextDeathTest, UnknownBlendModeIsFatal)
{
    for (int blendModeValue : {2, -1, 1000})
    {
        SCOPED_TRACE(blendModeValue);
        ChildResult const result = RunInChildProcess(
            [blendModeValue]
            {
                RenderContext renderer;
                renderer.SetBlendMode(static_cast<BlendMode>(blendModeValue));
            });
        EXPECT_TRUE(result.ExitedWithFailure());
        std::string const expectedMessage =
            "Unknown / unsupported blend mode #" + std::to_string(blendModeValue);
        EXPECT_NE(result.standardOutput.find(expectedMessage), std::string::npos) << result.standardOutput;
        EXPECT_NE(result.standardOutput.find("RenderContext::SetBlendMode"), std::string::npos);
        EXPECT_NE(result.standardOutput.find("RenderContext.cpp"), std::string::npos);
    }
}

TEST(Texture, KeepsItsOwnCopyOfWhatItWasMadeFrom)
{
    std::string path = "Data/Images/Test_StbiFlippedAndOpenGL.png";
    Texture const texture(7u, 16, 8, 3, path);
    path[0] = 'X';
    EXPECT_EQ(texture.GetTextureID(), 7u);
    EXPECT_EQ(texture.m_dimensions, IntVec2(16, 8));
    EXPECT_EQ(texture.m_numComponents, 3);
    EXPECT_EQ(texture.GetImageFilePath(), "Data/Images/Test_StbiFlippedAndOpenGL.png");
    EXPECT_EQ(texture.GetAspect(), 2.f);
    EXPECT_EQ(Texture(1u, 3, 4, 4, "").GetAspect(), 0.75f);
}

// The context owns its textures; the sanitizer run would report any left behind.
TEST(RenderContext, DestroyingTheContextFreesItsTextures)
{
    RenderContext* renderer = new RenderContext();
    renderer->m_loadedTextures.push_back(new Texture(1u, 2, 2, 4, "a.png"));
    renderer->m_loadedTextures.push_back(new Texture(2u, 4, 4, 3, "b.png"));
    delete renderer;
    SUCCEED();
}
