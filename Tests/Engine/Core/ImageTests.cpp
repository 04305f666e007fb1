#include "Engine/Core/Image.hpp"

#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <vector>

// Row 0 is the file's last row; RGB texels are opaque. Rows of odd widths are
// not padded. A write lands on the texel it names.
TEST(Image, HoldsEveryTexelOfItsFileBottomRowFirstAndWritesInPlace)
{
    TemporaryFolder folder;
    int const SHAPES[][3] = {{2, 2, 3}, {5, 3, 3}, {3, 2, 4}, {1, 1, 3}};  // width, height, components
    for (int const(&shape)[3] : SHAPES)
    {
        int const width = shape[0], height = shape[1], numComponents = shape[2];
        SCOPED_TRACE(testing::Message() << width << "x" << height << "x" << numComponents);
        std::vector<unsigned char> bytes(static_cast<size_t>(width * height * numComponents));
        for (size_t byteIndex = 0; byteIndex < bytes.size(); ++byteIndex)
        {
            bytes[byteIndex] = static_cast<unsigned char>(byteIndex * 3 + 1);
        }
        std::string const path = folder.WritePng("image.png", width, height, numComponents, bytes);
        Image image(path);
        EXPECT_EQ(image.m_imageFilePath, path);
        ASSERT_EQ(image.m_dimensions, IntVec2(width, height));
        ASSERT_EQ(image.m_texels.size(), static_cast<size_t>(width * height));
        for (int texelIndex = 0; texelIndex < width * height; ++texelIndex)
        {
            int const x = texelIndex % width, y = texelIndex / width;
            unsigned char const* fileTexel =
                &bytes[static_cast<size_t>(((height - 1 - y) * width + x) * numComponents)];
            Rgba8 const expected(fileTexel[0], fileTexel[1], fileTexel[2],
                                 numComponents == 4 ? fileTexel[3] : 255);
            EXPECT_EQ(image.GetTexelColor(x, y).GetAsString(), expected.GetAsString()) << x << "," << y;
            EXPECT_EQ(image.GetTexelColor(IntVec2(x, y)), expected);
        }
        image.SetTexelColor(IntVec2(width - 1, 0), Rgba8(1, 2, 3, 4));
        EXPECT_EQ(image.m_texels[static_cast<size_t>(width - 1)], Rgba8(1, 2, 3, 4));
        image.SetTexelColor(0, height - 1, Rgba8(5, 6, 7, 8));
        EXPECT_EQ(image.m_texels[static_cast<size_t>((height - 1) * width)], Rgba8(5, 6, 7, 8));
    }
}

// Texel (x, y) holds red x and green y, so a read names the texel it reached.
TEST(Image, RotatedAndMirroredReadsReachTheTexelsOfTheTable)
{
    TemporaryFolder folder;
    auto const makeCoordinateImage = [&folder](int width, int height)
    {
        std::vector<unsigned char> bytes;
        for (int fileRow = 0; fileRow < height; ++fileRow)
        {
            for (int x = 0; x < width; ++x)
            {
                bytes.insert(bytes.end(), {static_cast<unsigned char>(x),
                                           static_cast<unsigned char>(height - 1 - fileRow), 0});
            }
        }
        return Image(folder.WritePng("coordinates.png", width, height, 3, bytes));
    };
    Image const square = makeCoordinateImage(4, 4), wide = makeCoordinateImage(3, 2);
    struct Case
    {
        Image const& image;
        int x, y, rotation;
        bool isMirrored;
        IntVec2 expected;
    };
    Case const CASES[] = {
        {square, 0, 0, 1, false, {0, 3}}, {square, 0, 0, 1, true, {3, 3}},  {square, 1, 0, 0, false, {1, 0}},
        {square, 1, 0, 0, true, {2, 0}},  {square, 1, 0, 1, false, {0, 2}}, {square, 1, 0, 1, true, {3, 2}},
        {square, 1, 0, 2, false, {2, 3}}, {square, 1, 0, 2, true, {1, 3}},  {square, 1, 0, 3, false, {3, 1}},
        {square, 1, 0, 3, true, {0, 1}},  {square, 1, 0, 5, false, {0, 2}},  // five quarter turns are one
        {square, 1, 0, -1, true, {1, 0}},  // a negative remainder reads (x, y)
        {square, 1, 0, -4, true, {2, 0}},  // no remainder: mirrored only
        {wide, 1, 0, 1, false, {0, 0}},   {wide, 1, 0, 1, true, {2, 0}},    {wide, 1, 0, 2, false, {1, 1}},
        {wide, 1, 0, 3, false, {2, 1}},   {wide, 1, 0, 3, true, {0, 1}},
    };
    for (Case const& testCase : CASES)
    {
        Rgba8 const texel =
            testCase.image.GetTexelColor(testCase.x, testCase.y, testCase.rotation, testCase.isMirrored);
        EXPECT_EQ(IntVec2(texel.r, texel.g), testCase.expected)
            << testCase.image.m_dimensions.GetAsString() << " (" << testCase.x << ", " << testCase.y
            << ") rotation " << testCase.rotation << (testCase.isMirrored ? " mirrored" : "");
    }
}
