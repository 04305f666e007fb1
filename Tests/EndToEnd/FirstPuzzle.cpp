#include "Tests/EndToEnd/FirstPuzzle.hpp"

#include "Engine/Math/MathUtils.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace
{
constexpr int NUM_CELLS_X = static_cast<int>(WORLD_WIDTH);
constexpr int NUM_CELLS_Y = static_cast<int>(WORLD_HEIGHT);

bool IsRed(Rgba8 const& color)
{
    return color.r >= 200 && color.g <= 60 && color.b <= 60;
}
}  // namespace

bool IsBlack(Rgba8 const& color)
{
    return color.r <= 5 && color.g <= 5 && color.b <= 5;
}
bool IsWhite(Rgba8 const& color)
{
    return color.r >= 250 && color.g >= 250 && color.b >= 250;
}

// The client area is 4:3 like the world, so one scale maps both axes.
Rgba8 SampleWorld(ScreenImage const& image, Vec2 const& world)
{
    float const pixelsPerUnit = static_cast<float>(image.size.x) / WORLD_WIDTH;
    return image.GetPixel(IntVec2(static_cast<int>(std::floor(world.x * pixelsPerUnit)),
                                  static_cast<int>(std::floor((WORLD_HEIGHT - world.y) * pixelsPerUnit))));
}

FirstPuzzle::FirstPuzzle() : m_isBackground(NUM_CELLS_X * NUM_CELLS_Y, true)
{
    Game const game;
    m_cursorStart = game.m_cursor->m_position;
    m_cursorSize = game.m_cursor->m_size;
    for (Dot const* dot : game.m_textDots)
    {
        if (std::abs(dot->GetAABB2().GetCenter().x - m_cursorStart.x) < m_cursorSize)
        {
            m_hintTopY = std::max(m_hintTopY, dot->GetAABB2().maxs.y);
        }
        m_dotHitBoxes.push_back(dot->GetAABB2());
        m_dotCentres.push_back(dot->GetDrawnAABB2().GetCenter());
        MarkAround(dot->GetDrawnAABB2(), 1);
    }
    m_costOfT = game.m_dotFont->GetGlyphDotCount('T');
    m_costOfJ = game.m_dotFont->GetGlyphDotCount('J');
    MarkAround(AABB2::MakeFromCenterAndDimensions(m_cursorSize, m_cursorSize, m_cursorStart), 2);
    for (Vec2 const& slot : game.m_letterSlots)
    {
        MarkAround(AABB2(slot + Vec2(2.5f, 0.f), slot + Vec2(10.5f, 0.f)), 2);  // its underline
    }
}

std::string FirstPuzzle::FindDifferences(ScreenImage const& image) const
{
    std::ostringstream differences;
    int numDifferences = 0;
    auto check = [&](bool isRight, char const* what, Vec2 const& world)
    {
        if (!isRight && ++numDifferences <= 5)
        {
            differences << what << " at (" << world.x << ", " << world.y << ")\n";
        }
    };
    for (Vec2 const& centre : m_dotCentres)
    {
        check(IsWhite(SampleWorld(image, centre)), "a hint dot", centre);
    }
    for (int cell = 0; cell < NUM_CELLS_X * NUM_CELLS_Y; ++cell)
    {
        Vec2 const centre(cell % NUM_CELLS_X + 0.5f, cell / NUM_CELLS_X + 0.5f);
        check(!m_isBackground[cell] || IsBlack(SampleWorld(image, centre)), "the background", centre);
    }
    Vec2 const cursorCorner =
        AABB2::MakeFromCenterAndDimensions(m_cursorSize, m_cursorSize, m_cursorStart).mins + Vec2(1.f, 0.f);
    check(IsRed(SampleWorld(image, cursorCorner)), "the cursor's corner", cursorCorner);
    return differences.str();
}

bool FirstPuzzle::FindCursor(ScreenImage const& image, Vec2& out_centre, Vec2* out_picturePan) const
{
    IntVec2 mins(image.size.x, image.size.y);
    IntVec2 maxs(-1, -1);
    for (int y = 0; y < image.size.y; ++y)
    {
        for (int x = 0; x < image.size.x; ++x)
        {
            if (IsRed(image.GetPixel(IntVec2(x, y))))
            {
                mins = IntVec2(std::min(mins.x, x), std::min(mins.y, y));
                maxs = IntVec2(std::max(maxs.x, x), std::max(maxs.y, y));
            }
        }
    }
    if (maxs.x < 0)
    {
        return false;
    }
    float const unitsPerPixel = WORLD_WIDTH / static_cast<float>(image.size.x);
    Vec2 const seenCentre((mins.x + maxs.x + 1) * 0.5f * unitsPerPixel,
                          WORLD_HEIGHT - (mins.y + maxs.y + 1) * 0.5f * unitsPerPixel);
    Vec2 const stepsFromStart = (seenCentre - m_cursorStart) / CURSOR_STEP;
    out_centre =
        m_cursorStart + Vec2(std::round(stepsFromStart.x), std::round(stepsFromStart.y)) * CURSOR_STEP;
    if (out_picturePan != nullptr)
    {
        *out_picturePan = seenCentre - out_centre;
    }
    return true;
}

int FirstPuzzle::CountBankedDots(ScreenImage const& image) const
{
    Vec2 cursor, picturePan;
    FindCursor(image, cursor, &picturePan);
    float const rowY = std::max(0.5f + picturePan.y, 0.05f);
    int lastLitCell = -1;
    for (int cell = 0; cell < NUM_CELLS_X; ++cell)
    {
        lastLitCell =
            IsBlack(SampleWorld(image, Vec2(static_cast<float>(cell) + 0.5f, rowY))) ? lastLitCell : cell;
    }
    return lastLitCell < 0 ? 0 : static_cast<int>(std::floor(lastLitCell + 0.5f - picturePan.x)) + 1;
}

bool FirstPuzzle::ShowsTheDotCount(ScreenImage const& image)
{
    for (float y = 150.125f; y < 154.f; y += 0.25f)  // "Dot Num N", half scale, from (20, 150)
    {
        for (float x = 20.125f; x < 60.f; x += 0.25f)
        {
            Rgba8 const color = SampleWorld(image, Vec2(x, y));
            if (color.g >= 200 && color.r <= 60 && color.b <= 60)
            {
                return true;
            }
        }
    }
    return false;
}

std::vector<size_t> FirstPuzzle::GetDotsUnderCursor(Vec2 const& cursorCentre) const
{
    std::vector<size_t> dotIndexes;
    for (size_t dotIndex = 0; dotIndex < m_dotHitBoxes.size(); ++dotIndex)
    {
        if (DoAABBsOverlap(m_dotHitBoxes[dotIndex],
                           AABB2::MakeFromCenterAndDimensions(m_cursorSize, m_cursorSize, cursorCentre)))
        {
            dotIndexes.push_back(dotIndex);
        }
    }
    return dotIndexes;
}

void FirstPuzzle::MarkAround(AABB2 const& box, int margin)
{
    for (int y = std::max(static_cast<int>(box.mins.y) - margin, 0);
         y <= std::min(static_cast<int>(box.maxs.y) + margin, NUM_CELLS_Y - 1); ++y)
    {
        for (int x = std::max(static_cast<int>(box.mins.x) - margin, 0);
             x <= std::min(static_cast<int>(box.maxs.x) + margin, NUM_CELLS_X - 1); ++x)
        {
            m_isBackground[static_cast<size_t>(y * NUM_CELLS_X + x)] = false;
        }
    }
}
