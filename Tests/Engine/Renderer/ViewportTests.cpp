// Where the 4:3 picture goes in a drawable of another shape: centred between
// black bars. The game's end-to-end run checks the bars on the real screen.

#include "Engine/Renderer/Viewport.hpp"

#include <gtest/gtest.h>

TEST(ComputeLetterboxViewport, LargestCenteredFourByThreeRectangle)
{
    struct Case
    {
        IntVec2 drawableSize;
        Viewport expected;
    };
    Case const CASES[] = {
        {IntVec2(640, 480), {IntVec2(0, 0), IntVec2(640, 480)}},     // exact 4:3 fills it
        {IntVec2(800, 400), {IntVec2(133, 0), IntVec2(533, 400)}},   // wide: bars left and right
        {IntVec2(400, 800), {IntVec2(0, 250), IntVec2(400, 300)}},   // tall: bars below and above
        {IntVec2(1001, 600), {IntVec2(100, 0), IntVec2(800, 600)}},  // odd pixel to the right bar
        {IntVec2(1296, 973), {IntVec2(0, 0), IntVec2(1296, 972)}},   // odd pixel to the top bar
        {IntVec2(1, 1), {IntVec2(0, 0), IntVec2(1, 0)}},             // too small for a whole row
        {IntVec2(1 << 30, 1 << 30), {IntVec2(0, 134217728), IntVec2(1 << 30, 805306368)}},  // no overflow
        {IntVec2(0, 600), {}},
        {IntVec2(-800, 600), {}},
    };
    for (Case const& testCase : CASES)
    {
        Viewport const viewport = ComputeLetterboxViewport(testCase.drawableSize, 4.f / 3.f);
        EXPECT_EQ(viewport, testCase.expected)
            << viewport.mins.GetAsString() << viewport.dimensions.GetAsString();
    }
}
