#include "Engine/Core/Image.hpp"

#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <vector>

// Texel (x, y) of a 3 x 2 file, counted from the bottom row, holds red x and green y,
// so a read names the texel it reached; a row of three RGB texels is not padded, and
// RGB texels are opaque. Rotation 0 reads (x, y) itself; the others follow the table
// of quarter turns, mirrored or not. A write lands on the texel it names.
TEST(Image, ReadsEveryTexelBottomRowFirstRotatedAndMirroredAndWritesInPlace)
{
    TemporaryFolder folder;
    Image image(
        folder.WritePng("coordinates.png", 3, 2, 3, {0, 1, 7, 1, 1, 7, 2, 1, 7, 0, 0, 7, 1, 0, 7, 2, 0, 7}));
    ASSERT_EQ(image.m_dimensions, IntVec2(3, 2));
    int const CASES[][6] = {
        // x, y, rotation, mirrored, expected x, expected y
        {0, 0, 0, 0, 0, 0},  {2, 1, 0, 0, 2, 1}, {0, 1, 0, 1, 2, 1}, {2, 0, 0, 1, 0, 0},
        {1, 0, 1, 0, 0, 0},  {1, 0, 1, 1, 2, 0}, {1, 0, 2, 0, 1, 1}, {0, 0, 2, 1, 0, 1},
        {1, 0, 3, 0, 2, 1},  {1, 0, 3, 1, 0, 1}, {1, 0, 5, 0, 0, 0},  // five quarter turns are one
        {0, 0, -1, 1, 0, 0},                                          // a negative remainder reads (x, y)
        {2, 0, -4, 1, 0, 0},                                          // no remainder: mirrored only
    };
    for (auto const& [x, y, rotation, isMirrored, expectedX, expectedY] : CASES)
    {
        EXPECT_EQ(image.GetTexelColor(x, y, rotation, isMirrored != 0),
                  Rgba8(static_cast<unsigned char>(expectedX), static_cast<unsigned char>(expectedY), 7))
            << "(" << x << ", " << y << ") rotation " << rotation << (isMirrored ? " mirrored" : "");
    }
    image.SetTexelColor(IntVec2(2, 0), Rgba8(1, 2, 3, 4));
    image.SetTexelColor(0, 1, Rgba8(5, 6, 7, 8));
    EXPECT_TRUE(image.m_texels[2] == Rgba8(1, 2, 3, 4) &&
                image.GetTexelColor(IntVec2(0, 1)) == Rgba8(5, 6, 7, 8));
}
