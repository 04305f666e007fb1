#include "Engine/Renderer/Viewport.hpp"

#include <cmath>

namespace
{
constexpr long long MAX_RATIO_TERM = 10000;

// An aspect is a ratio of small whole numbers (4:3, 16:9) carried in a float that
// cannot hold it exactly: 4:3 arrives as 1.3333334f, whose fit in 600 rows would
// be a hair under 800 columns and round down to 799. The aspect is read back as
// the last continued-fraction convergent whose terms stay within MAX_RATIO_TERM,
// so the fit below is exact. A zero term means no usable ratio.
void GetAspectRatio(float aspect, long long& out_width, long long& out_height)
{
    out_width = 0;
    out_height = 0;
    if (!std::isfinite(aspect) || aspect <= 0.f)
    {
        return;
    }
    long long previousWidth = 0;  // the two convergents before the first: 0/1, then 1/0
    long long previousHeight = 1;
    long long width = 1;
    long long height = 0;
    double remainder = static_cast<double>(aspect);
    while (remainder <= static_cast<double>(MAX_RATIO_TERM))
    {
        long long const term = static_cast<long long>(remainder);
        long long const nextWidth = term * width + previousWidth;
        long long const nextHeight = term * height + previousHeight;
        if (nextWidth > MAX_RATIO_TERM || nextHeight > MAX_RATIO_TERM)
        {
            break;
        }
        previousWidth = width;
        previousHeight = height;
        width = nextWidth;
        height = nextHeight;
        double const fraction = remainder - static_cast<double>(term);
        if (fraction < 1e-9)
        {
            break;
        }
        remainder = 1.0 / fraction;
    }
    out_width = width;
    out_height = height;
}
}  // namespace

Viewport ComputeLetterboxViewport(IntVec2 const& drawableSize, float pictureAspect)
{
    Viewport viewport;
    long long aspectWidth = 0;
    long long aspectHeight = 0;
    GetAspectRatio(pictureAspect, aspectWidth, aspectHeight);
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
