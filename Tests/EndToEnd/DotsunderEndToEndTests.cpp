// The real executable on the test's X display, watched and driven from outside
// as a player would: what it shows is read back from the screen and compared
// with the dots an in-process Game lays out for the same puzzle.

#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/Vec2.hpp"
#include "Engine/Platform/Window.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/Game.hpp"
#include "Tests/EndToEnd/GameProcess.hpp"
#include "Tests/EndToEnd/X11Session.hpp"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

namespace
{
constexpr char const* WINDOW_TITLE = "Dotsunder";
constexpr float WORLD_WIDTH = 256.f;
constexpr float WORLD_HEIGHT = 192.f;
// Generous: a sanitizer build on a loaded machine starts slowly. Nothing waits
// this long when the game works.
constexpr double STARTUP_SECONDS = 30.0;
constexpr double REACTION_SECONDS = 15.0;

bool IsWhite(Rgba8 const& color)
{
    return color.r >= 250 && color.g >= 250 && color.b >= 250;
}

bool IsBlack(Rgba8 const& color)
{
    return color.r <= 5 && color.g <= 5 && color.b <= 5;
}

bool IsCursorRed(Rgba8 const& color)
{
    return color.r >= 200 && color.g <= 60 && color.b <= 60;
}

// Maps world units onto the captured client area; the window is 4:3, like the world.
struct WorldView
{
    explicit WorldView(IntVec2 const& clientSize)
        : m_pixelsPerUnit(static_cast<float>(clientSize.x) / WORLD_WIDTH)
    {
    }

    IntVec2 ToPixel(Vec2 const& world) const
    {
        return IntVec2(static_cast<int>(std::floor(world.x * m_pixelsPerUnit)),
                       static_cast<int>(std::floor((WORLD_HEIGHT - world.y) * m_pixelsPerUnit)));
    }
    Vec2 ToWorld(Vec2 const& pixel) const
    {
        return Vec2(pixel.x / m_pixelsPerUnit, WORLD_HEIGHT - pixel.y / m_pixelsPerUnit);
    }

    float m_pixelsPerUnit;
};

Rgba8 SampleWorld(ScreenImage const& image, Vec2 const& world)
{
    IntVec2 const pixel = WorldView(image.size).ToPixel(world);
    return image.GetPixel(pixel.x, pixel.y);
}

bool IsNear(AABB2 const& box, Vec2 const& point, float margin)
{
    return point.x >= box.mins.x - margin && point.x <= box.maxs.x + margin &&
           point.y >= box.mins.y - margin && point.y <= box.maxs.y + margin;
}

// What the first puzzle must look like, taken from a Game laid out in process.
class FirstPuzzleLayout
{
public:
    FirstPuzzleLayout()
    {
        for (Dot const* dot : m_game.m_textDots)
        {
            m_dotBoxes.push_back(dot->GetDrawnAABB2());
            m_dotHitBoxes.push_back(dot->GetAABB2());
        }
        float const half = m_game.m_cursor->m_size / 2.f;
        m_cursorStart = m_game.m_cursor->m_position;
        m_cursorBox = AABB2(m_cursorStart - Vec2(half, half), m_cursorStart + Vec2(half, half));
        for (Vec2 const& slot : m_game.m_letterSlots)
        {
            m_underlineCentres.push_back(slot + Vec2(2.5f + 4.f, 0.f));
        }
    }

    // Empty when the image shows the puzzle dot for dot; otherwise what differs.
    std::string FindDifferences(ScreenImage const& image) const
    {
        std::ostringstream differences;
        int numDifferences = 0;
        auto note = [&](char const* what, Vec2 const& world, Rgba8 const& seen)
        {
            if (++numDifferences <= 5)
            {
                differences << what << " at world (" << world.x << ", " << world.y << ") is ("
                            << static_cast<int>(seen.r) << ", " << static_cast<int>(seen.g) << ", "
                            << static_cast<int>(seen.b) << ")\n";
            }
        };
        for (AABB2 const& box : m_dotBoxes)
        {
            Vec2 const centre = box.GetCenter();
            Rgba8 const seen = SampleWorld(image, centre);
            if (!IsWhite(seen))
            {
                note("hint dot", centre, seen);
            }
        }
        for (Vec2 const& underlineCentre : m_underlineCentres)
        {
            Rgba8 const seen = SampleWorld(image, underlineCentre);
            if (!IsWhite(seen))
            {
                note("underline", underlineCentre, seen);
            }
        }
        Vec2 const cursorCorner = m_cursorBox.mins + Vec2(1.f, 0.f);
        if (!IsCursorRed(SampleWorld(image, cursorCorner)))
        {
            note("cursor corner", cursorCorner, SampleWorld(image, cursorCorner));
        }
        for (float y = 0.5f; y < WORLD_HEIGHT; y += 1.f)
        {
            for (float x = 0.5f; x < WORLD_WIDTH; x += 1.f)
            {
                Vec2 const cell(x, y);
                if (!IsBackground(cell))
                {
                    continue;
                }
                Rgba8 const seen = SampleWorld(image, cell);
                if (!IsBlack(seen))
                {
                    note("background", cell, seen);
                }
            }
        }
        if (numDifferences > 0)
        {
            differences << numDifferences << " differences in all\n";
        }
        return differences.str();
    }

    // The dots the cursor's square covers when it is centred at the position.
    int CountDotsUnder(Vec2 const& cursorCentre) const
    {
        float const half = m_game.m_cursor->m_size / 2.f;
        AABB2 const cursorBox(cursorCentre - Vec2(half, half), cursorCentre + Vec2(half, half));
        int count = 0;
        for (AABB2 const& hitBox : m_dotHitBoxes)
        {
            count += DoAABBsOverlap(hitBox, cursorBox) ? 1 : 0;
        }
        return count;
    }

    std::vector<AABB2> m_dotBoxes;     // where each dot is drawn
    std::vector<AABB2> m_dotHitBoxes;  // what the cursor breaks, in the same order
    Vec2 m_cursorStart;

private:
    // A cell well clear of everything drawn: nothing may be lit there.
    bool IsBackground(Vec2 const& cell) const
    {
        constexpr float MARGIN = 1.5f;
        if (IsNear(m_cursorBox, cell, MARGIN))
        {
            return false;
        }
        for (Vec2 const& underlineCentre : m_underlineCentres)
        {
            if (IsNear(AABB2(underlineCentre - Vec2(4.f, 0.25f), underlineCentre + Vec2(4.f, 0.25f)), cell,
                       MARGIN))
            {
                return false;
            }
        }
        for (AABB2 const& box : m_dotBoxes)
        {
            if (IsNear(box, cell, MARGIN))
            {
                return false;
            }
        }
        return true;
    }

    Game m_game;
    AABB2 m_cursorBox;
    std::vector<Vec2> m_underlineCentres;
};

// The cursor's centre in world units, from the box its red corners span in an
// image of part of the client area whose top-left pixel is at origin; false
// when no red is in it.
bool FindCursor(ScreenImage const& image, IntVec2 const& origin, IntVec2 const& clientSize, Vec2& outCentre)
{
    IntVec2 mins(image.size.x, image.size.y);
    IntVec2 maxs(-1, -1);
    for (int y = 0; y < image.size.y; ++y)
    {
        for (int x = 0; x < image.size.x; ++x)
        {
            if (IsCursorRed(image.GetPixel(x, y)))
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
    Vec2 const pixelCentre(static_cast<float>(origin.x) + static_cast<float>(mins.x + maxs.x + 1) / 2.f,
                           static_cast<float>(origin.y) + static_cast<float>(mins.y + maxs.y + 1) / 2.f);
    Vec2 const world = WorldView(clientSize).ToWorld(pixelCentre);
    // Cursor centres lie on whole world units; rounding removes the lines' antialiasing.
    outCentre = Vec2(std::round(world.x), std::round(world.y));
    return true;
}

class DotsunderEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_x11.IsOpen()) << "no X display; run the tests through tools/with-display.sh";
        m_game = std::make_unique<GameProcess>(DOTSUNDER_EXECUTABLE);
        ASSERT_TRUE(m_game->IsStarted());
        m_window = m_x11.WaitForWindow(WINDOW_TITLE, STARTUP_SECONDS);
        ASSERT_NE(m_window, 0ul) << "no window titled \"" << WINDOW_TITLE << "\" appeared";
        m_clientRect = m_x11.GetClientRect(m_window);
    }

    ScreenImage Capture() const { return m_x11.Capture(m_clientRect); }

    // Polls until the condition holds or the time is up.
    static bool WaitFor(std::function<bool()> const& condition, double timeoutSeconds = REACTION_SECONDS)
    {
        auto const deadline =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
        do
        {
            if (condition())
            {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } while (std::chrono::steady_clock::now() < deadline);
        return false;
    }

    bool WaitForScreen(std::function<bool(ScreenImage const&)> const& condition,
                       double timeoutSeconds = REACTION_SECONDS) const
    {
        return WaitFor([&]() { return condition(Capture()); }, timeoutSeconds);
    }

    // Holds the key until its effect is seen: a press and release that the game
    // sees within one frame would leave no trace.
    bool HoldKeyUntil(unsigned long keysym, std::function<bool()> const& effect) const
    {
        m_x11.SendKey(m_window, keysym, true);
        bool const isSeen = WaitFor(effect);
        m_x11.SendKey(m_window, keysym, false);
        return isSeen;
    }

    // Looks only around where the cursor was: a small capture keeps each look far
    // shorter than the half second after which a held arrow repeats.
    bool FindCursorNear(Vec2 const& lastCentre, Vec2& outCentre) const
    {
        WorldView const view(m_clientRect.size);
        IntVec2 const topLeft = view.ToPixel(lastCentre + Vec2(-24.f, 24.f));
        IntVec2 const bottomRight = view.ToPixel(lastCentre + Vec2(24.f, -24.f));
        IntVec2 const origin(std::max(topLeft.x, 0), std::max(topLeft.y, 0));
        IntVec2 const end(std::min(bottomRight.x, m_clientRect.size.x),
                          std::min(bottomRight.y, m_clientRect.size.y));
        ScreenRect const region{m_clientRect.topLeft + origin, end - origin};
        return FindCursor(m_x11.Capture(region), origin, m_clientRect.size, outCentre);
    }

    bool WaitForFirstPuzzle(std::string& outDifferences) const
    {
        return WaitForScreen(
            [&](ScreenImage const& image)
            {
                outDifferences = m_layout.FindDifferences(image);
                return outDifferences.empty();
            },
            STARTUP_SECONDS);
    }

    void ExpectExitStatusZero()
    {
        int exitCode = -1;
        ASSERT_TRUE(m_game->WaitForExit(REACTION_SECONDS, exitCode)) << "the game did not end";
        EXPECT_EQ(exitCode, 0);
    }

    X11Session m_x11;
    std::unique_ptr<GameProcess> m_game;
    unsigned long m_window = 0;
    ScreenRect m_clientRect;
    FirstPuzzleLayout m_layout;
};
}  // namespace

TEST_F(DotsunderEndToEnd, OpensItsFourByThreeWindowCentredOnTheDesktop)
{
    IntVec2 const screenSize = m_x11.GetScreenSize();
    AABB2 const expected = ComputeClientRect(
        Vec2(static_cast<float>(screenSize.x), static_cast<float>(screenSize.y)), 4.f / 3.f);
    EXPECT_EQ(m_clientRect.topLeft,
              IntVec2(static_cast<int>(expected.mins.x), static_cast<int>(expected.mins.y)));
    EXPECT_EQ(m_clientRect.size, IntVec2(static_cast<int>(expected.maxs.x - expected.mins.x),
                                         static_cast<int>(expected.maxs.y - expected.mins.y)));
    EXPECT_EQ(m_clientRect.size.x * 3, m_clientRect.size.y * 4);
    if (screenSize == IntVec2(1920, 1080))
    {
        EXPECT_EQ(m_clientRect.topLeft, IntVec2(312, 54));
        EXPECT_EQ(m_clientRect.size, IntVec2(1296, 972));
    }
}

TEST_F(DotsunderEndToEnd, ShowsTheFirstPuzzleDotForDot)
{
    std::string differences;
    EXPECT_TRUE(WaitForFirstPuzzle(differences)) << differences;
}

TEST_F(DotsunderEndToEnd, ArrowsMoveTheCursorAndSpaceBreaksHintDotsIntoTheBank)
{
    std::string differences;
    ASSERT_TRUE(WaitForFirstPuzzle(differences)) << differences;

    // Up, one step at a time, until the square reaches the hint's last line.
    Vec2 cursor = m_layout.m_cursorStart;
    while (m_layout.CountDotsUnder(cursor) == 0)
    {
        ASSERT_LT(cursor.y, WORLD_HEIGHT) << "the cursor passed the hint without touching it";
        Vec2 const before = cursor;
        ASSERT_TRUE(
            HoldKeyUntil(XK_Up, [&]() { return FindCursorNear(before, cursor) && cursor.y > before.y; }))
            << "Up did not move the cursor from y " << before.y;
        EXPECT_EQ(cursor.x, before.x);
    }

    Vec2 const beforeRight = cursor;
    ASSERT_TRUE(HoldKeyUntil(XK_Right, [&]()
                             { return FindCursorNear(beforeRight, cursor) && cursor.x > beforeRight.x; }));
    EXPECT_EQ(cursor, beforeRight + Vec2(8.f, 0.f)) << "an arrow steps half a cursor";
    ASSERT_GT(m_layout.CountDotsUnder(cursor), 0);

    // The dots under the square leave their places, and the first to fall off the
    // bottom lights bank slot 0 in the lower-left corner.
    AABB2 const cursorBox(cursor - Vec2(8.f, 8.f), cursor + Vec2(8.f, 8.f));
    auto isAnyDotUnderCursorGone = [&]()
    {
        ScreenImage const image = Capture();
        for (size_t dotIndex = 0; dotIndex < m_layout.m_dotBoxes.size(); ++dotIndex)
        {
            if (DoAABBsOverlap(m_layout.m_dotHitBoxes[dotIndex], cursorBox) &&
                !IsWhite(SampleWorld(image, m_layout.m_dotBoxes[dotIndex].GetCenter())))
            {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(HoldKeyUntil(XK_space, isAnyDotUnderCursorGone)) << "SPACE broke nothing loose";
    EXPECT_TRUE(
        WaitForScreen([](ScreenImage const& image) { return IsWhite(SampleWorld(image, Vec2(0.5f, 0.5f))); }))
        << "no dot reached the bank";

    ASSERT_TRUE(HoldKeyUntil(XK_Escape, [&]() { return !m_x11.IsWindowAlive(m_window); }));
    ExpectExitStatusZero();
}

TEST_F(DotsunderEndToEnd, EscapeEndsTheGameWithStatusZero)
{
    m_x11.SendKey(m_window, XK_Escape, true);
    ExpectExitStatusZero();
    m_x11.SendKey(m_window, XK_Escape, false);
}

TEST_F(DotsunderEndToEnd, TheCloseBoxEndsTheGameWithStatusZero)
{
    std::string differences;
    ASSERT_TRUE(WaitForFirstPuzzle(differences)) << differences;
    m_x11.RequestClose(m_window);
    ExpectExitStatusZero();
}
