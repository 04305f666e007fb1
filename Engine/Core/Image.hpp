#pragma once
// An image file decoded into a CPU-side grid of texels that code reads and
// writes by texel coordinates. Complete once constructed: every failure to load
// ends the program.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/IntVec2.hpp"

#include <string>
#include <vector>

struct ReportSite;

class Image
{
public:
    // An image file's texels exactly as stored, bottom row first, numComponents
    // bytes each (3 for RGB, 4 for RGBA), for whoever uses them as they are.
    struct FileTexels
    {
        IntVec2 dimensions;
        int numComponents = 0;
        std::vector<unsigned char> bytes;
    };
    // A missing or undecodable file, one or two components or an empty picture are
    // fatal, the report naming the file and coming from the caller's site.
    static FileTexels DecodeFile(std::string const& imageFilePath, ReportSite const& site);

    // Decoded bottom row first, so texel (0, 0) is the picture's bottom-left.
    // RGB files get alpha 255; a missing or undecodable file, one or two
    // components or an empty picture are fatal, the report naming the file.
    explicit Image(std::string const& imageFilePath);

    // Coordinates outside the image are fatal, x checked before y.
    Rgba8 GetTexelColor(IntVec2 const& texelCoords) const
    {
        return GetTexelColor(texelCoords.x, texelCoords.y);
    }
    Rgba8 GetTexelColor(int texelX, int texelY) const;
    // Reads the texel (x, y) lands on after `rotation` quarter turns, then
    // mirrored in x when asked. A rotation whose remainder by 4 is negative
    // (-1 to -3, -5, ...) reads (x, y) as it is, unmirrored; -4 is no turn. On a
    // non-square image odd rotations reach outside it for some inputs: fatal.
    Rgba8 GetTexelColor(int texelX, int texelY, int rotation, bool isMirrored) const;
    void SetTexelColor(IntVec2 const& texelCoords, Rgba8 const& newColor)
    {
        SetTexelColor(texelCoords.x, texelCoords.y, newColor);
    }
    void SetTexelColor(int texelX, int texelY, Rgba8 const& newColor);

public:
    std::string m_imageFilePath;
    IntVec2 m_dimensions;
    std::vector<Rgba8> m_texels;  // row by row from the bottom; (x, y) at y * width + x
};
