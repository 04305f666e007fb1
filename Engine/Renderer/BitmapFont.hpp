#pragma once
// A font drawn from a sheet of 16 x 16 glyph cells, one per 8-bit character
// code: the glyph of code c is cell c. Created and owned by the render
// context, which also owns the texture under it.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Renderer/SpriteSheet.hpp"

#include <string>
#include <vector>

class Texture;
struct AABB2;
struct Vertex_PCU;

class BitmapFont
{
public:
    BitmapFont(std::string const& fontName, Texture const& fontTexture);

    Texture const& GetTexture() const { return m_glyphSpriteSheet.GetTexture(); }
    float GetGlyphAspect(int glyphCode) const;  // 1 for every code

    // (sum of the glyph widths, cellHeight); an empty text is 0 wide.
    Vec2 GetDimensionsForText2D(float cellHeight, std::string const& text, float cellAspect = 1.f) const;
    // Six vertices per character, left to right from textMins. Characters are
    // read as unsigned codes, so 128 to 255 draw cells 128 to 255.
    void AddVertsForText2D(std::vector<Vertex_PCU>& verts, Vec2 const& textMins, float cellHeight,
                           std::string const& text, Rgba8 const& tint = Rgba8::WHITE,
                           float cellAspect = 1.f) const;
    // The point at `alignment` of the text's size lands on `position`:
    // (0,0) the bottom-left, (1,1) the top-right.
    void AddVertsForText2D(std::vector<Vertex_PCU>& verts, Vec2 const& position, float cellHeight,
                           std::string const& text, Rgba8 const& tint, float cellAspect,
                           Vec2 const& alignment) const;
    // The text's point at `alignment` lands on the box's point at `alignment`:
    // (0.5,0.5) centres the text, (0,0) puts it in the bottom-left corner. Text
    // larger than the box overhangs away from that point (evenly when centred).
    void AddVertsForTextInBox2D(std::vector<Vertex_PCU>& verts, AABB2 const& box, float cellHeight,
                                std::string const& text, Rgba8 const& tint, float cellAspect,
                                Vec2 const& alignment) const;

public:
    std::string m_fontName;  // its image is this name followed by ".png"
    SpriteSheet m_glyphSpriteSheet;
};
