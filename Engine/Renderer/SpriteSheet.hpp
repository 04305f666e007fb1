#pragma once
// A texture cut into a regular grid of equal cells. Cell 0 is the picture's
// top-left; indices run left to right, then downward. The texture belongs to
// the render context and must outlive the sheet.

#include "Engine/Math/IntVec2.hpp"
#include "Engine/Renderer/SpriteDefinition.hpp"

#include <vector>

class Texture;

class SpriteSheet
{
public:
    SpriteSheet(Texture const& texture, IntVec2 const& simpleGridLayout);  // (columns, rows)
    SpriteSheet(SpriteSheet const&) = delete;                              // its definitions refer back to it
    SpriteSheet& operator=(SpriteSheet const&) = delete;

    // An index below 0 or at or past GetNumSprites is fatal.
    SpriteDefinition const& GetSpriteDefinition(int spriteIndex) const;
    void GetSpriteUVs(Vec2& out_uvAtMins, Vec2& out_uvAtMaxs, int spriteIndex) const
    {
        GetSpriteDefinition(spriteIndex).GetUVs(out_uvAtMins, out_uvAtMaxs);
    }
    int GetNumSprites() const { return static_cast<int>(m_spriteDefs.size()); }
    Texture const& GetTexture() const { return m_texture; }

public:
    Texture const& m_texture;
    std::vector<SpriteDefinition> m_spriteDefs;  // in index order
};
