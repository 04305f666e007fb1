#pragma once
// The engine's only path to the screen: immediate-mode OpenGL 1.x on the
// context the window layer made current. One per program, kept in
// g_theRenderer; it owns every texture and font it creates.

#include <string>
#include <vector>

class BitmapFont;
class Camera;
class Texture;
struct AABB2;
struct Rgba8;
struct Vertex_PCU;

enum BlendMode : int
{
    ALPHA = 0,
    ADDITIVE = 1,
};

class RenderContext
{
public:
    RenderContext() = default;
    ~RenderContext();
    RenderContext(RenderContext const&) = delete;  // owns its textures
    RenderContext& operator=(RenderContext const&) = delete;

    void Startup();  // all one-time GL state: alpha blending on
    // Follows the drawable size: clears it to black, then keeps the picture in
    // the largest centred rectangle of the window's client aspect (viewport and
    // scissor), so a resized window keeps its proportions with black bars.
    // Without an engine window the viewport is left as it is.
    void BeginFrame();
    void EndFrame();
    // Deletes the GL names of every texture and frees the textures and fonts,
    // while the GL context is still current: a context started again begins
    // with empty caches.
    void Shutdown();

    void ClearScreen(Rgba8 const& clearColor);  // colour only, inside the picture rectangle
    void BeginCamera(Camera const& camera);     // replaces the current matrix with
                                                // the camera's ortho
    void EndCamera(Camera const& camera);

    // Every three vertices make a triangle; later triangles cover earlier ones.
    // A count of 0 still issues an empty glBegin/glEnd; a negative count or a
    // null pointer issues nothing.
    void DrawVertexArray(int numVertexes, Vertex_PCU const* vertexes);
    void DrawVertexArray(std::vector<Vertex_PCU> const& vertexes);  // an empty list issues nothing
    void DrawAABB2D(AABB2 const& bounds, Rgba8 const& tint);

    void BindTexture(Texture const* texture);  // null draws untextured
    void SetBlendMode(BlendMode blendMode);    // a value outside BlendMode is fatal

    // The caches compare paths and names as text. A file that is missing, not an
    // image, or not 3 or 4 components is fatal, the report naming the file.
    Texture* CreateOrGetTextureFromFile(std::string const& imageFilePath);
    // Decoded bottom row first, uploaded as GL_RGB or GL_RGBA with nearest
    // magnification, linear minification and repeat wrapping; stays bound.
    Texture* CreateTextureFromFile(std::string const& imageFilePath);
    BitmapFont* CreateOrGetBitmapFont(std::string const& bitmapFontName);
    // The image is the name followed by ".png", shared through the texture cache.
    BitmapFont* CreateBitmapFontFromFile(std::string const& bitmapFontName);

private:
    void FreeTexturesAndFonts();

public:
    std::vector<Texture*> m_loadedTextures;  // in creation order
    std::vector<BitmapFont*> m_loadedFonts;  // in creation order
};

extern RenderContext* g_theRenderer;
