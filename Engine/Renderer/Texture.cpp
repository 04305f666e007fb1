#include "Engine/Renderer/Texture.hpp"

Texture::Texture(unsigned int textureID, int width, int height, int numComponents,
                 std::string const& imageFilePath)
    : m_textureID(textureID), m_dimensions(width, height), m_numComponents(numComponents),
      m_imageFilePath(imageFilePath)
{
}

float Texture::GetAspect() const
{
    return static_cast<float>(m_dimensions.x) / static_cast<float>(m_dimensions.y);
}
