#include "Engine/Renderer/Viewport.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
std::string Describe(Viewport const& viewport)
{
    return viewport.mins.GetAsString() + " size " + viewport.dimensions.GetAsString();
}
}  // namespace

TEST(ComputeLetterboxViewport, LargestCenteredFourByThreeRectangle)
{
    struct Case
    {
        IntVec2 drawableSize;
        Viewport expected;
    };
    Case const CASES[] = {
        {IntVec2(256, 192), {IntVec2(0, 0), IntVec2(256, 192)}},      // exact 4:3 fills it
        {IntVec2(1296, 972), {IntVec2(0, 0), IntVec2(1296, 972)}},    // the window's first size
        {IntVec2(800, 400), {IntVec2(133, 0), IntVec2(533, 400)}},    // wide: bars left and right
        {IntVec2(400, 800), {IntVec2(0, 250), IntVec2(400, 300)}},    // tall: bars below and above
        {IntVec2(1297, 972), {IntVec2(0, 0), IntVec2(1296, 972)}},    // one pixel too wide: bar on the right
        {IntVec2(1296, 973), {IntVec2(0, 0), IntVec2(1296, 972)}},    // one pixel too tall: bar on top
        {IntVec2(2592, 1944), {IntVec2(0, 0), IntVec2(2592, 1944)}},  // high-DPI drawable
        {IntVec2(1920, 1080), {IntVec2(240, 0), IntVec2(1440, 1080)}},  // full-HD desktop
        {IntVec2(1, 1), {IntVec2(0, 0), IntVec2(1, 0)}},                // too small for a whole row
        {IntVec2(1 << 30, 1 << 30), {IntVec2(0, 134217728), IntVec2(1 << 30, 805306368)}},  // no overflow
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.drawableSize.GetAsString());
        Viewport const viewport = ComputeLetterboxViewport(testCase.drawableSize);
        EXPECT_EQ(viewport, testCase.expected) << Describe(viewport);
    }
}

TEST(ComputeLetterboxViewport, EmptyOrNegativeDrawableGivesAnEmptyRectangle)
{
    IntVec2 const SIZES[] = {IntVec2(0, 0), IntVec2(0, 600), IntVec2(800, 0), IntVec2(-800, 600),
                             IntVec2(800, -600)};
    for (IntVec2 const& size : SIZES)
    {
        SCOPED_TRACE(size.GetAsString());
        EXPECT_EQ(ComputeLetterboxViewport(size), Viewport());
    }
}

// Over a sweep of sizes: inside the drawable, touching two opposite edges,
// centred to the pixel, and as close to 4:3 as whole pixels allow.
TEST(ComputeLetterboxViewport, EverySizeGivesACenteredPictureTouchingTwoEdges)
{
    for (int width = 1; width <= 300; width += 7)
    {
        for (int height = 1; height <= 300; height += 5)
        {
            IntVec2 const drawableSize(width, height);
            Viewport const viewport = ComputeLetterboxViewport(drawableSize);
            SCOPED_TRACE(drawableSize.GetAsString() + " -> " + Describe(viewport));

            ASSERT_GE(viewport.mins.x, 0);
            ASSERT_GE(viewport.mins.y, 0);
            ASSERT_LE(viewport.mins.x + viewport.dimensions.x, width);
            ASSERT_LE(viewport.mins.y + viewport.dimensions.y, height);
            ASSERT_TRUE(viewport.dimensions.x == width || viewport.dimensions.y == height);

            int const leftBar = viewport.mins.x;
            int const rightBar = width - viewport.mins.x - viewport.dimensions.x;
            int const bottomBar = viewport.mins.y;
            int const topBar = height - viewport.mins.y - viewport.dimensions.y;
            ASSERT_TRUE(rightBar == leftBar || rightBar == leftBar + 1);
            ASSERT_TRUE(topBar == bottomBar || topBar == bottomBar + 1);

            // One more pixel along the cut side would be wider than 4:3 allows.
            long long const pictureWidth = viewport.dimensions.x;
            long long const pictureHeight = viewport.dimensions.y;
            ASSERT_LE(pictureWidth * 3, (pictureHeight + 1) * 4);
            ASSERT_LE(pictureHeight * 4, (pictureWidth + 1) * 3);
        }
    }
}
