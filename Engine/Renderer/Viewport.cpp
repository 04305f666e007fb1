#include "Engine/Renderer/Viewport.hpp"

Viewport ComputeLetterboxViewport(IntVec2 const& drawableSize, int aspectWidth, int aspectHeight)
{
    Viewport viewport;
    if (drawableSize.x <= 0 || drawableSize.y <= 0 || aspectWidth <= 0 || aspectHeight <= 0)
    {
        return viewport;
    }

    // Cross-multiplied in 64 bits, so the comparison is exact and cannot
    // overflow.
    long long const drawableWidth = drawableSize.x;
    long long const drawableHeight = drawableSize.y;
    bool const isWiderThanPicture = drawableWidth * aspectHeight > drawableHeight * aspectWidth;
    if (isWiderThanPicture)
    {
        viewport.dimensions.y = drawableSize.y;
        viewport.dimensions.x = static_cast<int>(drawableHeight * aspectWidth / aspectHeight);
    }
    else
    {
        viewport.dimensions.x = drawableSize.x;
        viewport.dimensions.y = static_cast<int>(drawableWidth * aspectHeight / aspectWidth);
    }
    viewport.mins.x = (drawableSize.x - viewport.dimensions.x) / 2;
    viewport.mins.y = (drawableSize.y - viewport.dimensions.y) / 2;
    return viewport;
}
