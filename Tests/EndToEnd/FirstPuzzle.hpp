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

bool IsWhite(Rgba8 const& color);
bool IsBlack(Rgba8 const& color);
bool IsRed(Rgba8 const& color);
bool IsRevealYellow(Rgba8 const& color);

// The client area is 4:3 like the world, so one scale maps both axes.
IntVec2 WorldToPixel(IntVec2 const& clientSize, Vec2 const& world);
Rgba8 SampleWorld(ScreenImage const& image, Vec2 const& world);

// The centre of the box the cursor's red corners span in `image`, a part of the
// client area whose top-left pixel is `origin`, as seen: a shake, and the offset
// the last shake leaves behind, move it off the cursor's grid. False when nothing is red.
bool FindCursorCentre(ScreenImage const& image, IntVec2 const& origin, IntVec2 const& clientSize,
                      Vec2& outSeenCentre);

class FirstPuzzle
{
public:
    enum Cell : unsigned char
    {
        BLACK,
        WHITE,
        ANYTHING  // next to an edge, where antialiasing may light a cell partly
    };

    FirstPuzzle();

    // Empty when the image shows the puzzle dot for dot; otherwise the first differences.
    std::string FindDifferences(ScreenImage const& image) const;

    // Banked dots fill the bottom row from the left. The picture may be panned by
    // the offset the last shake left (picturePan, up to 2 units left and down), so
    // the count comes from the last lit cell of the row as it is seen.
    static int CountBankedDots(ScreenImage const& image, Vec2 const& picturePan);
    // The answer TUTORIAL's first T, bought.
    bool ShowsTheFirstTRevealed(ScreenImage const& image) const;
    int GetLetterCost(char letter) const { return m_letterCosts[letter - 'A']; }

    // Where the cursor is, on the grid of its whole steps from the start, given
    // where its centre is seen; a shake moves the picture by 2 units at most.
    Vec2 GetCursorOnItsSteps(Vec2 const& seenCentre) const;
    AABB2 GetCursorBox(Vec2 const& centre) const;
    std::vector<size_t> GetDotsUnderCursor(Vec2 const& cursorCentre) const;

    Vec2 m_cursorStart;
    float m_hintTopY = 0.f;           // above every hint dot
    std::vector<Vec2> m_dotCentres;   // where each dot is drawn
    std::vector<Vec2> m_letterSlots;  // where each answer letter is drawn when bought

private:
    static size_t CellIndex(Vec2 const& world);
    void MarkAround(AABB2 const& box, int margin);

    std::vector<Cell> m_cells;
    std::vector<AABB2> m_dotHitBoxes;  // what the cursor breaks
    std::vector<Vec2> m_underlineCentres;
    std::vector<Vec2> m_revealedTCentres;
    int m_letterCosts[26] = {};
    float m_cursorHalfSize = 0.f;
};
