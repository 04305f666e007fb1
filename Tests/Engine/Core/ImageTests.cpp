#include "Engine/Core/Image.hpp"

#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Texel (x, y), counted from the bottom row, holds red x, green y and blue 7, so
// a read names the texel it reached; with four components, alpha 200.
Image MakeCoordinateImage(TemporaryFolder const& folder, int width, int height, int numComponents)
{
    std::vector<unsigned char> bytes;
    for (int fileRow = 0; fileRow < height; ++fileRow)  // files run from the top row
    {
        for (int x = 0; x < width; ++x)
        {
            bytes.insert(bytes.end(), {static_cast<unsigned char>(x),
                                       static_cast<unsigned char>(height - 1 - fileRow), 7, 200});
            bytes.resize(bytes.size() - static_cast<size_t>(4 - numComponents));
        }
    }
    return Image(folder.WritePng("coordinates.png", width, height, numComponents, bytes));
}
}  // namespace

// Rows of odd widths are not padded; RGB texels are opaque. Rotation 0 reads (x, y)
// itself; the others follow the table of quarter turns, mirrored or not.
TEST(Image, ReadsEveryTexelBottomRowFirstRotatedAndMirroredAndWritesInPlace)
{
    TemporaryFolder folder;
    Image square = MakeCoordinateImage(folder, 4, 4, 4);
    Image const wide = MakeCoordinateImage(folder, 3, 2, 3);
    EXPECT_TRUE(square.m_dimensions == IntVec2(4, 4) && wide.m_dimensions == IntVec2(3, 2));
    EXPECT_TRUE(square.GetTexelColor(3, 1) == Rgba8(3, 1, 7, 200) &&
                wide.GetTexelColor(IntVec2(2, 1)) == Rgba8(2, 1, 7));
    struct Case
    {
        Image const& image;
        int x, y, rotation;
        bool isMirrored;
        IntVec2 expected;
    } const CASES[] = {
        {square, 0, 0, 1, false, {0, 3}}, {square, 0, 0, 1, true, {3, 3}},  {square, 1, 0, 0, false, {1, 0}},
        {square, 1, 0, 0, true, {2, 0}},  {square, 1, 0, 1, false, {0, 2}}, {square, 1, 0, 1, true, {3, 2}},
        {square, 1, 0, 2, false, {2, 3}}, {square, 1, 0, 2, true, {1, 3}},  {square, 1, 0, 3, false, {3, 1}},
        {square, 1, 0, 3, true, {0, 1}},  {square, 1, 0, 5, false, {0, 2}},  // five quarter turns are one
        {square, 1, 0, -1, true, {1, 0}},  // a negative remainder reads (x, y)
        {square, 1, 0, -4, true, {2, 0}},  // no remainder: mirrored only
        {wide, 1, 0, 0, false, {1, 0}},   {wide, 2, 1, 0, false, {2, 1}},   {wide, 1, 0, 1, false, {0, 0}},
        {wide, 1, 0, 1, true, {2, 0}},    {wide, 1, 0, 2, false, {1, 1}},   {wide, 1, 0, 3, false, {2, 1}},
        {wide, 1, 0, 3, true, {0, 1}},
    };
    for (Case const& testCase : CASES)
    {
        Rgba8 const texel =
            testCase.image.GetTexelColor(testCase.x, testCase.y, testCase.rotation, testCase.isMirrored);
        EXPECT_EQ(IntVec2(texel.r, texel.g), testCase.expected)
            << testCase.image.m_dimensions.GetAsString() << " (" << testCase.x << ", " << testCase.y
            << ") rotation " << testCase.rotation << (testCase.isMirrored ? " mirrored" : "");
    }
    square.SetTexelColor(IntVec2(3, 0), Rgba8(1, 2, 3, 4));
    square.SetTexelColor(0, 3, Rgba8(5, 6, 7, 8));
    EXPECT_TRUE(square.m_texels[3] == Rgba8(1, 2, 3, 4) && square.m_texels[12] == Rgba8(5, 6, 7, 8));
}
