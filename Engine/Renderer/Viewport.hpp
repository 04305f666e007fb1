#pragma once
// Where the picture goes inside a drawable area whose shape the user chose:
// the largest rectangle of the picture's aspect, centred, black bars around it.

#include "Engine/Math/IntVec2.hpp"

// A rectangle in whole drawable pixels, origin at the bottom left (glViewport's
// convention).
struct Viewport
{
    IntVec2 mins;        // bottom-left pixel
    IntVec2 dimensions;  // width and height in pixels

    bool operator==(Viewport const& other) const
    {
        return mins == other.mins && dimensions == other.dimensions;
    }
};

// pictureAspect is width over height. Sizes are rounded down, so the rectangle
// never leaves the drawable area; an odd leftover puts the extra pixel on the
// right or top bar. A drawable area without width or height (or with a negative
// one), or an aspect that is not positive, finite and within 10000:1 either way,
// gives an empty rectangle at (0,0).
Viewport ComputeLetterboxViewport(IntVec2 const& drawableSize, float pictureAspect);
