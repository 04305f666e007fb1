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
// The part of the picture at (left, top, width, height), all of it by default;
// a missing or broken file ends the program with the reason.
ScreenImage ReadPicture(char const* path, int const* box = nullptr)
{
    Image const image(path);
    int const whole[] = {0, 0, image.m_dimensions.x, image.m_dimensions.y};
    box = box != nullptr ? box : whole;
    ScreenImage picture;
    picture.size = IntVec2(box[2], box[3]);
    for (int y = box[1]; y < box[1] + box[3]; ++y)  // the file's top row first
    {
        for (int x = box[0]; x < box[0] + box[2]; ++x)
        {
            picture.pixels.push_back(image.GetTexelColor(x, image.m_dimensions.y - 1 - y));
        }
    }
    return picture;
}

int Report(bool holds, std::string const& seen)
{
    std::printf("%s\n", seen.c_str());
    return holds ? 0 : 1;
}

int Examine(int argc, char** argv)
{
    std::string const check = argc >= 3 ? argv[1] : "";
    FirstPuzzle const puzzle;
    if (check == "letterboxed" && argc == 7)
    {
        int const box[] = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
        ScreenImage const page = ReadPicture(argv[2]);
        if (std::abs(box[2] * 3 - box[3] * 4) > 4 || box[0] < 0 || box[1] < 0 ||
            box[0] + box[2] > page.size.x || box[1] + box[3] > page.size.y)
        {
            return Report(false, "the canvas is not a 4:3 box inside the page");
        }
        for (int y = 0; y < box[1] + box[3]; ++y)
        {
            for (int x = 0; x < page.size.x; ++x)
            {
                bool const isInCanvas = y >= box[1] && x >= box[0] && x < box[0] + box[2];
                if (!isInCanvas && !IsBlack(page.GetPixel(IntVec2(x, y))))
                {
                    return Report(false, "the page is not black at (" + std::to_string(x) + ", " +
                                             std::to_string(y) + ")");
                }
            }
        }
        std::string const differences = puzzle.FindDifferences(ReadPicture(argv[2], box));
        return Report(differences.empty(), differences);
    }

    ScreenImage const canvas = ReadPicture(argv[2]);
    if (canvas.size.y <= 0 || std::abs(canvas.size.x * 3 - canvas.size.y * 4) > 4)
    {
        return Report(false, "the canvas is " + std::to_string(canvas.size.x) + " x " +
                                 std::to_string(canvas.size.y) + ", not 4:3");
    }
    Vec2 cursor, picturePan;
    bool const isCursorSeen = puzzle.FindCursor(canvas, cursor, picturePan);
    if (check == "first-puzzle" && argc == 3)
    {
        std::string const differences = puzzle.FindDifferences(canvas);
        return Report(differences.empty(), differences);
    }
    if (check == "cursor" && argc == 3)
    {
        return Report(isCursorSeen, std::to_string(cursor.x) + " " + std::to_string(cursor.y) + " " +
                                        std::to_string(puzzle.GetDotsUnderCursor(cursor).size()));
    }
    if (check == "banked" && argc == 4)
    {
        int const numBanked = puzzle.CountBankedDots(canvas);
        return Report(numBanked > std::atoi(argv[3]), std::to_string(numBanked));
    }
    if (check == "bought-first" && argc == 3)
    {
        return Report(puzzle.ShowsTheFirstTRevealed(canvas), "the first letter in the bought colour");
    }
    if (check == "dot-count" && argc == 3)
    {
        return Report(FirstPuzzle::ShowsTheDotCount(canvas), "the green dot count");
    }
    std::fprintf(stderr, "usage: see the top of ExamineCanvas.cpp\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    return Examine(argc, argv);
}
