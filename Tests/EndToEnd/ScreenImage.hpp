#pragma once
// Pixels read back from what the game showed: from the X screen, or from the
// browser's canvas.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/IntVec2.hpp"

#include <vector>

struct ScreenImage  // rows top to bottom; empty when the capture failed
{
    IntVec2 size;
    std::vector<Rgba8> pixels;

    Rgba8 GetPixel(IntVec2 const& at) const { return pixels[static_cast<size_t>(at.y * size.x + at.x)]; }
};
