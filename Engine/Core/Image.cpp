#include "Engine/Core/Image.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"

#include <stb_image.h>

#include <climits>

namespace
{
// Rotated coordinates are worked out in 64 bits; one that leaves the int range
// becomes -1, which the range check then reports like any other coordinate
// outside the image.
int ToTexelCoordinate(long long coordinate)
{
    return (coordinate < 0 || coordinate > INT_MAX) ? -1 : static_cast<int>(coordinate);
}

char const* GetDecoderFailureReason()
{
    char const* reason = stbi_failure_reason();
    return reason != nullptr ? reason : "no reason given";
}
}  // namespace

Image::FileTexels Image::DecodeFile(std::string const& imageFilePath, ReportSite const& site)
{
    int imageTexelSizeX = 0;
    int imageTexelSizeY = 0;
    int numComponents = 0;
    stbi_set_flip_vertically_on_load(1);
    unsigned char* imageData =
        stbi_load(imageFilePath.c_str(), &imageTexelSizeX, &imageTexelSizeY, &numComponents, 0);
    GUARANTEE_AT_SITE_OR_DIE(
        site, imageData,
        Stringf("Failed to load image \"%s\": %s", imageFilePath.c_str(), GetDecoderFailureReason()));
    GUARANTEE_AT_SITE_OR_DIE(
        site, numComponents >= 3 && numComponents <= 4 && imageTexelSizeX > 0 && imageTexelSizeY > 0,
        Stringf("ERROR loading image \"%s\" (Bpp=%i, size=%i,%i)", imageFilePath.c_str(), numComponents,
                imageTexelSizeX, imageTexelSizeY));

    FileTexels file;
    file.dimensions = IntVec2(imageTexelSizeX, imageTexelSizeY);
    file.numComponents = numComponents;
    size_t const numBytes = static_cast<size_t>(imageTexelSizeX) * static_cast<size_t>(imageTexelSizeY) *
                            static_cast<size_t>(numComponents);
    file.bytes.assign(imageData, imageData + numBytes);
    stbi_image_free(imageData);
    return file;
}

Image::Image(std::string const& imageFilePath)
{
    FileTexels const file = DecodeFile(imageFilePath, REPORT_SITE("Image::Image"));
    m_imageFilePath = imageFilePath;
    m_dimensions = file.dimensions;
    size_t const numTexels = static_cast<size_t>(file.dimensions.x) * static_cast<size_t>(file.dimensions.y);
    size_t const bytesPerTexel = static_cast<size_t>(file.numComponents);
    m_texels.reserve(numTexels);
    for (size_t texelIndex = 0; texelIndex < numTexels; ++texelIndex)
    {
        unsigned char const* texelBytes = file.bytes.data() + texelIndex * bytesPerTexel;
        Rgba8 const newTexel(texelBytes[0], texelBytes[1], texelBytes[2],
                             bytesPerTexel == 4 ? texelBytes[3] : 255);
        m_texels.push_back(newTexel);
    }
}

Rgba8 Image::GetTexelColor(int texelX, int texelY) const
{
    GUARANTEE_OR_DIE(texelX >= 0 && texelX < m_dimensions.x, "Image::GetTexelColor",
                     "ERROR Reading Texel Color, X over range");
    GUARANTEE_OR_DIE(texelY >= 0 && texelY < m_dimensions.y, "Image::GetTexelColor",
                     "ERROR Reading Texel Color, Y over range");
    return m_texels[static_cast<size_t>(texelY) * static_cast<size_t>(m_dimensions.x) +
                    static_cast<size_t>(texelX)];
}

Rgba8 Image::GetTexelColor(int texelX, int texelY, int rotation, bool isMirrored) const
{
    long long const x = texelX;
    long long const y = texelY;
    long long const lastX = static_cast<long long>(m_dimensions.x) - 1;
    long long const lastY = static_cast<long long>(m_dimensions.y) - 1;
    long long readX = x;
    long long readY = y;
    switch (rotation % 4)  // keeps the sign: a negative remainder reads (x, y)
    {
        case 0:
            readX = isMirrored ? lastX - x : x;
            break;
        case 1:
            readX = isMirrored ? lastX - y : y;
            readY = lastY - x;
            break;
        case 2:
            readX = isMirrored ? x : lastX - x;
            readY = lastY - y;
            break;
        case 3:
            readX = isMirrored ? y : lastX - y;
            readY = x;
            break;
        default:
            break;
    }
    return GetTexelColor(ToTexelCoordinate(readX), ToTexelCoordinate(readY));
}

void Image::SetTexelColor(int texelX, int texelY, Rgba8 const& newColor)
{
    GUARANTEE_OR_DIE(texelX >= 0 && texelX < m_dimensions.x, "Image::SetTexelColor",
                     "ERROR Setting Texel Color, X over range");
    GUARANTEE_OR_DIE(texelY >= 0 && texelY < m_dimensions.y, "Image::SetTexelColor",
                     "ERROR Setting Texel Color, Y over range");
    m_texels[static_cast<size_t>(texelY) * static_cast<size_t>(m_dimensions.x) +
             static_cast<size_t>(texelX)] = newColor;
}
