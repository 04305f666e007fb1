#include "Engine/Core/Image.hpp"

#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A distinct byte for every channel of every texel, by its place in the file
// (rows from the top).
unsigned char GetFileByte(int fileRow, int x, int channel)
{
    return static_cast<unsigned char>(1 + fileRow * 60 + x * 7 + channel * 2);
}

std::vector<unsigned char> MakeFileBytes(int width, int height, int numComponents)
{
    std::vector<unsigned char> bytes;
    for (int fileRow = 0; fileRow < height; ++fileRow)
    {
        for (int x = 0; x < width; ++x)
        {
            for (int channel = 0; channel < numComponents; ++channel)
            {
                bytes.push_back(GetFileByte(fileRow, x, channel));
            }
        }
    }
    return bytes;
}
}  // namespace

// Row 0 is the file's last row; RGB texels are opaque. Odd widths would shear a
// decoder or a copy that assumed 4-byte row padding.
TEST(Image, LoadsEveryTexelBottomRowFirstWithAlphaFromTheFileOrOpaque)
{
    struct Case
    {
        char const* fileName;
        int width, height, numComponents;
    };
    Case const CASES[] = {{"rgb-2x2.png", 2, 2, 3},
                          {"rgb-5x3.png", 5, 3, 3},
                          {"rgba-3x2.png", 3, 2, 4},
                          {"rgb-1x1.png", 1, 1, 3}};
    TemporaryFolder folder;
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.fileName);
        std::string const path =
            folder.WritePng(testCase.fileName, testCase.width, testCase.height, testCase.numComponents,
                            MakeFileBytes(testCase.width, testCase.height, testCase.numComponents));
        Image const image(path);
        EXPECT_EQ(image.m_imageFilePath, path);
        ASSERT_EQ(image.m_dimensions, IntVec2(testCase.width, testCase.height));
        ASSERT_EQ(image.m_texels.size(), static_cast<size_t>(testCase.width * testCase.height));
        for (int y = 0; y < testCase.height; ++y)
        {
            for (int x = 0; x < testCase.width; ++x)
            {
                int const fileRow = testCase.height - 1 - y;
                Rgba8 const expected(GetFileByte(fileRow, x, 0), GetFileByte(fileRow, x, 1),
                                     GetFileByte(fileRow, x, 2),
                                     testCase.numComponents == 4 ? GetFileByte(fileRow, x, 3) : 255);
                EXPECT_EQ(image.GetTexelColor(x, y), expected) << x << "," << y;
                EXPECT_EQ(image.GetTexelColor(IntVec2(x, y)), expected) << x << "," << y;
            }
        }
    }
}

// Texel (x, y) holds red x and green y, so a read names the texel it reached.
// The square is 4 x 4, the other 3 wide and 2 high.
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
    struct Case
    {
        int width, height, x, y, rotation;
        bool isMirrored;
        IntVec2 expected;
    };
    Case const CASES[] = {
        {4, 4, 0, 0, 1, false, IntVec2(0, 3)}, {4, 4, 0, 0, 1, true, IntVec2(3, 3)},
        {4, 4, 1, 0, 0, false, IntVec2(1, 0)}, {4, 4, 1, 0, 0, true, IntVec2(2, 0)},
        {4, 4, 1, 0, 1, false, IntVec2(0, 2)}, {4, 4, 1, 0, 1, true, IntVec2(3, 2)},
        {4, 4, 1, 0, 2, false, IntVec2(2, 3)}, {4, 4, 1, 0, 2, true, IntVec2(1, 3)},
        {4, 4, 1, 0, 3, false, IntVec2(3, 1)}, {4, 4, 1, 0, 3, true, IntVec2(0, 1)},
        {4, 4, 1, 0, 5, false, IntVec2(0, 2)},  // five quarter turns are one
        {4, 4, 1, 0, -1, true, IntVec2(1, 0)},  // a negative remainder reads (x, y)
        {4, 4, 1, 0, -4, true, IntVec2(2, 0)},  // -4 leaves no remainder: mirrored only
        {3, 2, 1, 0, 1, false, IntVec2(0, 0)}, {3, 2, 1, 0, 1, true, IntVec2(2, 0)},
        {3, 2, 1, 0, 2, false, IntVec2(1, 1)}, {3, 2, 1, 0, 3, false, IntVec2(2, 1)},
        {3, 2, 1, 0, 3, true, IntVec2(0, 1)},
    };
    for (Case const& testCase : CASES)
    {
        Image const image = makeCoordinateImage(testCase.width, testCase.height);
        Rgba8 const texel =
            image.GetTexelColor(testCase.x, testCase.y, testCase.rotation, testCase.isMirrored);
        EXPECT_EQ(IntVec2(texel.r, texel.g), testCase.expected)
            << testCase.width << "x" << testCase.height << " rotation " << testCase.rotation
            << (testCase.isMirrored ? " mirrored" : "");
    }
}

TEST(Image, WritesLandOnTheirTexelInBothForms)
{
    TemporaryFolder folder;
    Image image(folder.WritePng("white.png", 3, 2, 4, std::vector<unsigned char>(3 * 2 * 4, 255)));
    image.SetTexelColor(2, 0, Rgba8(1, 2, 3, 4));
    image.SetTexelColor(IntVec2(0, 1), Rgba8(5, 6, 7, 8));
    EXPECT_EQ(image.m_texels[2], Rgba8(1, 2, 3, 4));
    EXPECT_EQ(image.m_texels[3], Rgba8(5, 6, 7, 8));
    EXPECT_EQ(image.GetTexelColor(1, 0), Rgba8::WHITE);
}
