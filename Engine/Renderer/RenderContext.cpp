#include "Engine/Renderer/RenderContext.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/Image.hpp"
#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Platform/Window.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/Texture.hpp"
#include "Engine/Renderer/VertexUtils.hpp"
#include "Engine/Renderer/Viewport.hpp"

#include <GL/gl.h>

RenderContext* g_theRenderer = nullptr;

RenderContext::~RenderContext()
{
    // Without a Shutdown the GL names die with the GL context, which may be gone
    // by now; only the objects are ours to free.
    FreeTexturesAndFonts();
}

void RenderContext::FreeTexturesAndFonts()
{
    // Fonts first: they refer to their textures.
    for (BitmapFont* font : m_loadedFonts)
    {
        delete font;
    }
    m_loadedFonts.clear();
    for (Texture* texture : m_loadedTextures)
    {
        delete texture;
    }
    m_loadedTextures.clear();
}

void RenderContext::Startup()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void RenderContext::BeginFrame()
{
    IntVec2 const drawableSize = GetOSWindowDrawableSize();
    if (drawableSize.x <= 0 || drawableSize.y <= 0)
    {
        return;
    }

    // The bars are cleared every frame: a swapped back buffer holds no promise.
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.f, 0.f, 0.f, 1.f);
    glClear(GL_COLOR_BUFFER_BIT);

    Viewport const picture = ComputeLetterboxViewport(drawableSize, GetOSWindowClientAspect());
    glViewport(picture.mins.x, picture.mins.y, picture.dimensions.x, picture.dimensions.y);
    glScissor(picture.mins.x, picture.mins.y, picture.dimensions.x, picture.dimensions.y);
    glEnable(GL_SCISSOR_TEST);
}

void RenderContext::EndFrame() {}

void RenderContext::Shutdown()
{
    for (Texture const* texture : m_loadedTextures)
    {
        GLuint const textureID = texture->GetTextureID();
        glDeleteTextures(1, &textureID);
    }
    FreeTexturesAndFonts();
}

void RenderContext::ClearScreen(Rgba8 const& clearColor)
{
    // Divided in double and then narrowed, as glClearColor takes floats.
    glClearColor(static_cast<GLclampf>(static_cast<float>(clearColor.r) / 255.0),
                 static_cast<GLclampf>(static_cast<float>(clearColor.g) / 255.0),
                 static_cast<GLclampf>(static_cast<float>(clearColor.b) / 255.0),
                 static_cast<GLclampf>(static_cast<float>(clearColor.a) / 255.0));
    glClear(GL_COLOR_BUFFER_BIT);
}

void RenderContext::BeginCamera(Camera const& camera)
{
    // No matrix mode is ever selected, so the projection lands in the model-view
    // matrix and is the whole transform.
    glLoadIdentity();
    glOrtho(static_cast<double>(camera.m_orthoLeft), static_cast<double>(camera.m_orthoRight),
            static_cast<double>(camera.m_orthoBottom), static_cast<double>(camera.m_orthoTop),
            static_cast<double>(camera.m_orthoNear), static_cast<double>(camera.m_orthoFar));
}

void RenderContext::EndCamera(Camera const& camera)
{
    (void)camera;
}

void RenderContext::DrawVertexArray(int numVertexes, Vertex_PCU const* vertexes)
{
    if (numVertexes < 0 || vertexes == nullptr)
    {
        return;
    }

    glBegin(GL_TRIANGLES);
    for (int vertexIndex = 0; vertexIndex < numVertexes; ++vertexIndex)
    {
        // Colour and texture coordinate first: they attach to the vertex that
        // follows.
        Vertex_PCU const& vertex = vertexes[vertexIndex];
        glColor4ub(vertex.m_color.r, vertex.m_color.g, vertex.m_color.b, vertex.m_color.a);
        glTexCoord2f(vertex.m_uvTexCoords.x, vertex.m_uvTexCoords.y);
        glVertex3f(vertex.m_position.x, vertex.m_position.y, vertex.m_position.z);
    }
    glEnd();
}

void RenderContext::DrawVertexArray(std::vector<Vertex_PCU> const& vertexes)
{
    if (vertexes.empty())
    {
        return;
    }
    DrawVertexArray(static_cast<int>(vertexes.size()), vertexes.data());
}

void RenderContext::DrawAABB2D(AABB2 const& bounds, Rgba8 const& tint)
{
    Vertex_PCU quadVerts[NUM_VERTS_PER_QUAD];
    FillVertsForAABB2D(quadVerts, bounds, tint, Vec2(0.f, 0.f), Vec2(1.f, 1.f));
    DrawVertexArray(NUM_VERTS_PER_QUAD, quadVerts);
}

void RenderContext::BindTexture(Texture const* texture)
{
    if (texture == nullptr)
    {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture->GetTextureID());
}

void RenderContext::SetBlendMode(BlendMode blendMode)
{
    switch (blendMode)
    {
        case ALPHA:
            glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            break;
        case ADDITIVE:
            glBlendFunc(GL_SRC_ALPHA, GL_ONE);
            break;
        default:
            ERROR_AND_DIE("RenderContext::SetBlendMode",
                          Stringf("Unknown / unsupported blend mode #%i", static_cast<int>(blendMode)));
    }
}

Texture* RenderContext::CreateOrGetTextureFromFile(std::string const& imageFilePath)
{
    for (Texture* texture : m_loadedTextures)
    {
        if (texture->GetImageFilePath() == imageFilePath)
        {
            return texture;
        }
    }
    return CreateTextureFromFile(imageFilePath);
}

Texture* RenderContext::CreateTextureFromFile(std::string const& imageFilePath)
{
    Image::FileTexels const file =
        Image::DecodeFile(imageFilePath, REPORT_SITE("RenderContext::CreateTextureFromFile"));

    glEnable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // rows of 3-byte texels are not padded to 4
    GLuint textureID = 0;
    glGenTextures(1, &textureID);
    glBindTexture(GL_TEXTURE_2D, textureID);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    GLenum const bufferFormat = (file.numComponents == 3) ? GL_RGB : GL_RGBA;
    GLint const internalFormat = static_cast<GLint>(bufferFormat);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, file.dimensions.x, file.dimensions.y, 0, bufferFormat,
                 GL_UNSIGNED_BYTE, file.bytes.data());

    Texture* newTexture =
        new Texture(textureID, file.dimensions.x, file.dimensions.y, file.numComponents, imageFilePath);
    m_loadedTextures.push_back(newTexture);
    return newTexture;
}

BitmapFont* RenderContext::CreateOrGetBitmapFont(std::string const& bitmapFontName)
{
    for (BitmapFont* font : m_loadedFonts)
    {
        if (font->m_fontName == bitmapFontName)
        {
            return font;
        }
    }
    return CreateBitmapFontFromFile(bitmapFontName);
}

BitmapFont* RenderContext::CreateBitmapFontFromFile(std::string const& bitmapFontName)
{
    std::string const fontFilePathString = bitmapFontName + ".png";
    Texture const* fontTexture = CreateOrGetTextureFromFile(fontFilePathString);
    BitmapFont* newFont = new BitmapFont(bitmapFontName, *fontTexture);
    m_loadedFonts.push_back(newFont);
    return newFont;
}
