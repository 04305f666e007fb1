#include "Engine/Renderer/SpriteSheet.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"

SpriteSheet::SpriteSheet(Texture const& texture, IntVec2 const& simpleGridLayout) : m_texture(texture)
{
    float const uPerSprite = 1.f / static_cast<float>(simpleGridLayout.x);
    float const vPerSprite = 1.f / static_cast<float>(simpleGridLayout.y);
    for (int spriteY = 0; spriteY < simpleGridLayout.y; ++spriteY)
    {
        for (int spriteX = 0; spriteX < simpleGridLayout.x; ++spriteX)
        {
            int const spriteIndex = spriteY * simpleGridLayout.x + spriteX;
            // v = 1 is the picture's top: textures are flipped on load.
            Vec2 const uvAtMins(static_cast<float>(spriteX) * uPerSprite,
                                1.f - static_cast<float>(spriteY + 1) * vPerSprite);
            Vec2 const uvAtMaxs(static_cast<float>(spriteX + 1) * uPerSprite,
                                1.f - static_cast<float>(spriteY) * vPerSprite);
            m_spriteDefs.emplace_back(*this, spriteIndex, uvAtMins, uvAtMaxs);
        }
    }
}

SpriteDefinition const& SpriteSheet::GetSpriteDefinition(int spriteIndex) const
{
    if (spriteIndex < 0 || spriteIndex >= GetNumSprites())
    {
        ERROR_AND_DIE("SpriteSheet::GetSpriteDefinition",
                      "Sprite Index over number of Sprites in SpriteSheet.");
    }
    return m_spriteDefs[static_cast<size_t>(spriteIndex)];
}
