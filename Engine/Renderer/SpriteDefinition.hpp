#pragma once
// One cell of a sprite sheet: its index and the texture coordinates of its
// corners. Lives in its sheet's list and refers back to the sheet.

#include "Engine/Math/Vec2.hpp"

class SpriteSheet;

class SpriteDefinition
{
public:
    SpriteDefinition(SpriteSheet const& spriteSheet, int spriteIndex, Vec2 const& uvAtMins,
                     Vec2 const& uvAtMaxs)
        : m_spriteSheet(spriteSheet), m_spriteIndex(spriteIndex), m_uvAtMins(uvAtMins), m_uvAtMaxs(uvAtMaxs)
    {
    }

    void GetUVs(Vec2& out_uvAtMins, Vec2& out_uvAtMaxs) const
    {
        out_uvAtMins = m_uvAtMins;
        out_uvAtMaxs = m_uvAtMaxs;
    }
    float GetAspect() const;  // the cell's width over height on the sheet's texture

public:
    SpriteSheet const& m_spriteSheet;
    int m_spriteIndex = 0;
    Vec2 m_uvAtMins;  // the cell's bottom-left corner
    Vec2 m_uvAtMaxs;  // the cell's top-right corner
};
