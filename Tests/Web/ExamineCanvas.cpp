// Examines a picture that the browser end-to-end run saves from the page, with
// the very expectations the desktop end-to-end test holds the X screen to.
//
//   ExamineCanvas CANVAS.png  prints "X Y DOTS_UNDER BANKED" (the cursor's centre,
//                             0 0 when none shows; the dots under it; the dots in the bank), then
//                             how the picture differs from puzzle 1 as it starts
//
// Exit status 0 when it looked (a missing or broken file ends it with the reason),
// 2 for a wrong call.

#include "Engine/Core/Image.hpp"
#include "Tests/EndToEnd/FirstPuzzle.hpp"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: see the top of ExamineCanvas.cpp\n");
        return 2;
    }
    Image const image(argv[1]);
    ScreenImage picture{image.m_dimensions, {}};
    for (int y = image.m_dimensions.y - 1; y >= 0; --y)  // the file's top row first
    {
        for (int x = 0; x < image.m_dimensions.x; ++x)
        {
            picture.pixels.push_back(image.GetTexelColor(x, y));
        }
    }
    FirstPuzzle const puzzle;
    Vec2 cursor;
    puzzle.FindCursor(picture, cursor);
    std::printf("%g %g %zu %d\n%s", cursor.x, cursor.y, puzzle.GetDotsUnderCursor(cursor).size(),
                puzzle.CountBankedDots(picture), puzzle.FindDifferences(picture).c_str());
    return 0;
}
