// Examines pictures that the browser end-to-end run saves from the page, with the
// very expectations the desktop end-to-end test holds the X screen to. One check
// per call; exit status 0 when it holds, 1 when it does not (with what was seen),
// 2 for a wrong call.
//
//   ExamineCanvas first-puzzle CANVAS.png      puzzle 1 as it starts, dot for dot
//   ExamineCanvas cursor CANVAS.png            prints the cursor's centre and the dots under it
//   ExamineCanvas banked CANVAS.png N          more than N dots fill the bank's bottom row
//   ExamineCanvas bought-first CANVAS.png      the first answer letter shows in the bought colour
//   ExamineCanvas dot-count CANVAS.png         the green dot count shows
//   ExamineCanvas letterboxed PAGE.png L T W H the canvas at (L, T, W, H) in the page shows
//                                              puzzle 1, and the page beside and above it is black

#include "Engine/Core/Image.hpp"
#include "Tests/EndToEnd/FirstPuzzle.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
ScreenImage ReadPicture(char const* path)
{
    Image const image(path);  // a missing or broken file ends the program with the reason
    ScreenImage picture;
    picture.size = image.m_dimensions;
    for (int y = image.m_dimensions.y - 1; y >= 0; --y)  // the file's top row first
    {
        for (int x = 0; x < image.m_dimensions.x; ++x)
        {
            picture.pixels.push_back(image.GetTexelColor(x, y));
        }
    }
    return picture;
}

ScreenImage Crop(ScreenImage const& picture, IntVec2 const& topLeft, IntVec2 const& size)
{
    ScreenImage crop;
    crop.size = size;
    for (int y = 0; y < size.y; ++y)
    {
        for (int x = 0; x < size.x; ++x)
        {
            crop.pixels.push_back(picture.GetPixel(topLeft + IntVec2(x, y)));
        }
    }
    return crop;
}

bool IsFourByThree(IntVec2 const& size)
{
    return size.x > 0 && size.y > 0 && std::abs(size.x * 3 - size.y * 4) <= 4;
}

bool AnyPixelIn(ScreenImage const& picture, AABB2 const& world, bool (*isWanted)(Rgba8 const&))
{
    for (float y = world.mins.y + 0.125f; y < world.maxs.y; y += 0.25f)
    {
        for (float x = world.mins.x + 0.125f; x < world.maxs.x; x += 0.25f)
        {
            if (isWanted(SampleWorld(picture, Vec2(x, y))))
            {
                return true;
            }
        }
    }
    return false;
}

bool IsBoughtColour(Rgba8 const& color)  // the game's (255, 255, 128)
{
    return color.r >= 240 && color.g >= 240 && color.b >= 100 && color.b <= 160;
}
bool IsGreen(Rgba8 const& color)
{
    return color.g >= 200 && color.r <= 60 && color.b <= 60;
}

int Fail(std::string const& what)
{
    std::printf("%s\n", what.c_str());
    return 1;
}

int Examine(int argc, char** argv)
{
    std::string const check = argc >= 3 ? argv[1] : "";
    if (check == "letterboxed" && argc == 7)
    {
        ScreenImage const page = ReadPicture(argv[2]);
        IntVec2 const topLeft(std::atoi(argv[3]), std::atoi(argv[4]));
        IntVec2 const size(std::atoi(argv[5]), std::atoi(argv[6]));
        if (!IsFourByThree(size) || topLeft.x < 0 || topLeft.y < 0 || topLeft.x + size.x > page.size.x ||
            topLeft.y + size.y > page.size.y)
        {
            return Fail("the canvas is not a 4:3 box inside the page");
        }
        for (int y = 0; y < topLeft.y + size.y; ++y)
        {
            for (int x = 0; x < page.size.x; ++x)
            {
                bool const isInCanvas = y >= topLeft.y && x >= topLeft.x && x < topLeft.x + size.x;
                if (!isInCanvas && !IsBlack(page.GetPixel(IntVec2(x, y))))
                {
                    return Fail("the page is not black at (" + std::to_string(x) + ", " + std::to_string(y) +
                                ")");
                }
            }
        }
        std::string const differences = FirstPuzzle().FindDifferences(Crop(page, topLeft, size));
        return differences.empty() ? 0 : Fail(differences);
    }

    ScreenImage const canvas = ReadPicture(argv[2]);
    if (!IsFourByThree(canvas.size))
    {
        return Fail("the canvas is " + std::to_string(canvas.size.x) + " x " + std::to_string(canvas.size.y) +
                    ", not 4:3");
    }
    FirstPuzzle const puzzle;
    if (check == "first-puzzle" && argc == 3)
    {
        std::string const differences = puzzle.FindDifferences(canvas);
        return differences.empty() ? 0 : Fail(differences);
    }
    if (check == "cursor" && argc == 3)
    {
        Vec2 seenCentre;
        if (!FindCursorCentre(canvas, IntVec2(0, 0), canvas.size, seenCentre))
        {
            return Fail("no cursor");
        }
        Vec2 const centre = puzzle.GetCursorOnItsSteps(seenCentre);
        std::printf("%g %g %zu\n", static_cast<double>(centre.x), static_cast<double>(centre.y),
                    puzzle.GetDotsUnderCursor(centre).size());
        return 0;
    }
    if (check == "banked" && argc == 4)
    {
        // The offset the last shake left on the picture, read from the cursor's box.
        Vec2 seenCentre;
        Vec2 const picturePan = FindCursorCentre(canvas, IntVec2(0, 0), canvas.size, seenCentre)
                                    ? seenCentre - puzzle.GetCursorOnItsSteps(seenCentre)
                                    : Vec2();
        int const moreThan = std::atoi(argv[3]);
        int const numBanked = FirstPuzzle::CountBankedDots(canvas, picturePan);
        std::printf("%d\n", numBanked);
        return numBanked > moreThan ? 0 : 1;
    }
    if (check == "bought-first" && argc == 3)
    {
        Vec2 const slot = puzzle.m_letterSlots.at(0);
        return AnyPixelIn(canvas, AABB2(slot, slot + Vec2(8.f, 12.f)), IsBoughtColour)
                   ? 0
                   : Fail("the first letter does not show in the bought colour");
    }
    if (check == "dot-count" && argc == 3)
    {
        return AnyPixelIn(canvas, AABB2(20.f, 150.f, 120.f, 155.f), IsGreen) ? 0 : Fail("no green dot count");
    }
    std::fprintf(stderr, "usage: see the top of ExamineCanvas.cpp\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    return Examine(argc, argv);
}
