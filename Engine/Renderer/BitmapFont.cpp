#include "Engine/Renderer/BitmapFont.hpp"

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/VertexUtils.hpp"

namespace
{
constexpr int GLYPH_GRID_SIZE = 16;  // cells per row and per column
}  // namespace

BitmapFont::BitmapFont(std::string const& fontName, Texture const& fontTexture)
    : m_fontName(fontName), m_glyphSpriteSheet(fontTexture, IntVec2(GLYPH_GRID_SIZE, GLYPH_GRID_SIZE))
{
}

float BitmapFont::GetGlyphAspect(int glyphCode) const
{
    (void)glyphCode;
    return 1.f;
}

Vec2 BitmapFont::GetDimensionsForText2D(float cellHeight, std::string const& text, float cellAspect) const
{
    float textWidth = 0.f;
    for (char character : text)
    {
        textWidth += cellHeight * cellAspect * GetGlyphAspect(static_cast<unsigned char>(character));
    }
    return Vec2(textWidth, cellHeight);
}

void BitmapFont::AddVertsForText2D(std::vector<Vertex_PCU>& verts, Vec2 const& textMins, float cellHeight,
                                   std::string const& text, Rgba8 const& tint, float cellAspect) const
{
    Vec2 currentTextPos = textMins;
    for (char character : text)
    {
        // A plain char is signed here: codes 128 to 255 would be negative indexes.
        int const glyphCode = static_cast<unsigned char>(character);
        float const glyphWidth = cellHeight * cellAspect * GetGlyphAspect(glyphCode);
        AABB2 const currentCharBounds(currentTextPos, currentTextPos + Vec2(glyphWidth, cellHeight));
        Vec2 uvMins;
        Vec2 uvMaxs;
        m_glyphSpriteSheet.GetSpriteDefinition(glyphCode).GetUVs(uvMins, uvMaxs);
        AddVertsForAABB2D(verts, currentCharBounds, tint, uvMins, uvMaxs);
        currentTextPos += Vec2(glyphWidth, 0.f);
    }
}

void BitmapFont::AddVertsForText2D(std::vector<Vertex_PCU>& verts, Vec2 const& position, float cellHeight,
                                   std::string const& text, Rgba8 const& tint, float cellAspect,
                                   Vec2 const& alignment) const
{
    Vec2 const textSize = GetDimensionsForText2D(cellHeight, text, cellAspect);
    Vec2 const textMins = position - textSize * alignment;
    AddVertsForText2D(verts, textMins, cellHeight, text, tint, cellAspect);
}

void BitmapFont::AddVertsForTextInBox2D(std::vector<Vertex_PCU>& verts, AABB2 const& box, float cellHeight,
                                        std::string const& text, Rgba8 const& tint, float cellAspect,
                                        Vec2 const& alignment) const
{
    Vec2 const textSize = GetDimensionsForText2D(cellHeight, text, cellAspect);
    Vec2 const halfTextSize = textSize * 0.5f;
    AABB2 const centerBox(box.mins + halfTextSize, box.maxs - halfTextSize);
    Vec2 const centerPos = centerBox.GetPointAtUV(alignment);
    AddVertsForText2D(verts, centerPos - halfTextSize, cellHeight, text, tint, cellAspect);
}
