#pragma once
// An OpenGL texture name and what it was made from. Only the render context
// creates textures, and it owns every one it creates.

#include "Engine/Math/IntVec2.hpp"

#include <string>

class Texture
{
public:
    Texture(unsigned int textureID, int width, int height, int numComponents,
            std::string const& imageFilePath);

    unsigned int GetTextureID() const { return m_textureID; }
    std::string const& GetImageFilePath() const { return m_imageFilePath; }
    float GetAspect() const;  // width over height

public:
    unsigned int m_textureID = 0;
    IntVec2 m_dimensions;
    int m_numComponents = 0;      // 3 (RGB) or 4 (RGBA)
    std::string m_imageFilePath;  // the texture's own copy
};
