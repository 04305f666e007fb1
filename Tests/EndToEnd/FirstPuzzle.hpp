#pragma once
// What puzzle 1 must look like when the game starts, cell by world cell, as a
// Game in this process lays it out; and how a picture of the client area (4:3,
// like the world, rows top to bottom) maps onto the world. The desktop end-to-end
// test reads the picture from the X screen, the browser's from the canvas.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Game/Game.hpp"
#include "Tests/EndToEnd/ScreenImage.hpp"

#include <string>
#include <vector>

constexpr float CURSOR_STEP = 8.f;  // world units an arrow press moves the cursor: half its size

bool IsBlack(Rgba8 const& color);
bool IsWhite(Rgba8 const& color);
Rgba8 SampleWorld(ScreenImage const& image, Vec2 const& world);

class FirstPuzzle
{
public:
    FirstPuzzle();

    // Empty when the image shows the puzzle dot for dot; otherwise the first differences.
    std::string FindDifferences(ScreenImage const& image) const;

    // Where the cursor is, on the grid of its whole steps from the start, and the
    // picture's pan: a shake, and the offset the last one leaves behind (up to 2
    // units left and down), move what is seen off that grid. False when no cursor shows.
    bool FindCursor(ScreenImage const& image, Vec2& out_centre, Vec2* out_picturePan = nullptr) const;
    std::vector<size_t> GetDotsUnderCursor(Vec2 const& cursorCentre) const;

    // Banked dots fill the bottom row from the left; counted from the last lit cell
    // of the row as it is seen, panned.
    int CountBankedDots(ScreenImage const& image) const;

    // F4's dot count, in green at the top left of the screen view.
    static bool ShowsTheDotCount(ScreenImage const& image);

    Vec2 m_cursorStart;
    float m_hintTopY = 0.f;          // above every hint dot
    std::vector<Vec2> m_dotCentres;  // where each dot is drawn
    int m_costOfT = 0;
    int m_costOfJ = 0;

private:
    void MarkAround(AABB2 const& box, int margin);

    // Per world cell, whether it is away from everything drawn; next to an edge,
    // antialiasing may light a cell partly.
    std::vector<bool> m_isBackground;
    std::vector<AABB2> m_dotHitBoxes;  // what the cursor breaks
    float m_cursorSize = 0.f;
};
