#include "Engine/Renderer/SpriteDefinition.hpp"

#include "Engine/Renderer/SpriteSheet.hpp"
#include "Engine/Renderer/Texture.hpp"

#include <cmath>

float SpriteDefinition::GetAspect() const
{
    Vec2 const uvExtent = m_uvAtMaxs - m_uvAtMins;
    return std::fabs(uvExtent.x) / std::fabs(uvExtent.y) * m_spriteSheet.GetTexture().GetAspect();
}
