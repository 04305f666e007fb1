#pragma once
// Pixels read back from what the game showed: from the X screen, or from the
// browser's canvas.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/IntVec2.hpp"

#include <vector>

struct ScreenRect  // pixels, y down
{
    IntVec2 topLeft;
    IntVec2 size;
};

struct ScreenImage  // rows top to bottom; empty when the capture failed
{
    IntVec2 size;
    std::vector<Rgba8> pixels;

    // Outside the picture (a failed capture, a picture of the wrong shape) is black.
    Rgba8 GetPixel(IntVec2 const& at) const
    {
        bool const isInside = at.x >= 0 && at.y >= 0 && at.x < size.x && at.y < size.y;
        return isInside ? pixels[static_cast<size_t>(at.y * size.x + at.x)] : Rgba8(0, 0, 0, 255);
    }
};
