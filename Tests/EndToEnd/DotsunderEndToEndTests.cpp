// The real executable on the test's X display, watched and driven from outside
// as a player would: what it shows is read back from the screen and compared
// with the dots an in-process Game lays out for the same puzzle.

#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/EndToEnd/FirstPuzzle.hpp"
#include "Tests/EndToEnd/GameProcess.hpp"
#include "Tests/EndToEnd/X11Session.hpp"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <thread>

namespace
{
// Generous for a sanitizer build on a loaded machine; nothing waits this long when the game works.
constexpr double TIMEOUT_SECONDS = 30.0;

bool WaitFor(std::function<bool()> const& condition)
{
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(TIMEOUT_SECONDS);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
        {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class DotsunderEndToEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_x11.IsOpen()) << "no X display; run the tests through tools/with-display.sh";
        ASSERT_TRUE(m_game.IsRunning());
        ASSERT_TRUE(WaitFor([&]() { return (m_window = m_x11.FindViewableWindow("Dotsunder")) != 0; }))
            << "no window titled Dotsunder appeared";
        std::string differences;
        // A window manager may still move the window into its frame.
        ASSERT_TRUE(WaitFor(
            [&]()
            {
                m_clientRect = m_x11.GetClientRect(m_window);
                return (differences = m_puzzle.FindDifferences(Capture())).empty();
            }))
            << "the first puzzle is not on screen:\n"
            << differences;
    }

    ScreenImage Capture() const { return m_x11.Capture(m_clientRect); }

    // Holds the key until its effect is seen: a press and release that the game
    // sees within one frame would leave no trace.
    bool HoldKeyUntil(unsigned long keysym, std::function<bool()> const& effect) const
    {
        m_x11.SendKey(m_window, keysym, true);
        bool const isSeen = WaitFor(effect);
        m_x11.SendKey(m_window, keysym, false);
        return isSeen;
    }

    // The cursor's centre on the grid of its steps, looking only near where it was
    // (a small capture is quick); the picture's pan is remembered on the way.
    bool FindCursorNear(Vec2 const& lastCentre, Vec2& outCentre) const
    {
        float const SEARCH_UNITS = 40.f;  // up to four steps away: a held arrow may repeat
        IntVec2 const topLeft =
            WorldToPixel(m_clientRect.size, lastCentre + Vec2(-SEARCH_UNITS, SEARCH_UNITS));
        IntVec2 const bottomRight =
            WorldToPixel(m_clientRect.size, lastCentre + Vec2(SEARCH_UNITS, -SEARCH_UNITS));
        IntVec2 const origin(std::max(topLeft.x, 0), std::max(topLeft.y, 0));
        IntVec2 const end(std::min(bottomRight.x, m_clientRect.size.x),
                          std::min(bottomRight.y, m_clientRect.size.y));
        ScreenImage const image = m_x11.Capture(ScreenRect{m_clientRect.topLeft + origin, end - origin});
        Vec2 seenCentre;
        if (!FindCursorCentre(image, origin, m_clientRect.size, seenCentre))
        {
            return false;
        }
        outCentre = m_puzzle.GetCursorOnItsSteps(seenCentre);
        m_picturePan = seenCentre - outCentre;
        return true;
    }

    // F4 flips the dot count display (green, left of the hint): once the flip shows,
    // the game has handled every key event sent before it.
    bool WaitForGameToCatchUp() const
    {
        IntVec2 const topLeft = WorldToPixel(m_clientRect.size, Vec2(14.f, 156.f));
        IntVec2 const size = WorldToPixel(m_clientRect.size, Vec2(70.f, 140.f)) - topLeft;
        auto isDotCountShown = [&]()
        {
            ScreenImage const image = m_x11.Capture(ScreenRect{m_clientRect.topLeft + topLeft, size});
            return std::any_of(image.pixels.begin(), image.pixels.end(),
                               [](Rgba8 const& color)
                               { return color.g >= 200 && color.r <= 60 && color.b <= 60; });
        };
        bool const wasDotCountShown = isDotCountShown();
        return HoldKeyUntil(XK_F4, [&]() { return isDotCountShown() != wasDotCountShown; });
    }

    // Presses the keys in order and lets go of them in reverse.
    void PressChord(std::vector<unsigned long> const& keysyms) const
    {
        for (unsigned long const keysym : keysyms)
        {
            m_x11.SendKey(m_window, keysym, true);
        }
        for (auto keysym = keysyms.rbegin(); keysym != keysyms.rend(); ++keysym)
        {
            m_x11.SendKey(m_window, *keysym, false);
        }
    }

    // Breaks the hint's dots, a cursor step to the right at a time, until more than
    // minimumDots of them are banked; how many are. The cursor must be at its start.
    int BankMoreDotsThan(int minimumDots)
    {
        Vec2 cursor = m_puzzle.m_cursorStart;
        std::set<size_t> brokenDots;
        Vec2 const STEPS[] = {Vec2(0.f, CURSOR_STEP), Vec2(CURSOR_STEP, 0.f)};
        while (static_cast<int>(brokenDots.size()) <= minimumDots)
        {
            std::vector<size_t> newDots;
            for (size_t dotIndex : m_puzzle.GetDotsUnderCursor(cursor))
            {
                if (brokenDots.count(dotIndex) == 0)
                {
                    newDots.push_back(dotIndex);
                }
            }
            if (!newDots.empty())
            {
                bool const isBroken = HoldKeyUntil(
                    XK_space,
                    [&]() { return !IsWhite(SampleWorld(Capture(), m_puzzle.m_dotCentres[newDots[0]])); });
                EXPECT_TRUE(isBroken) << "SPACE broke nothing loose";
                brokenDots.insert(newDots.begin(), newDots.end());
            }
            // Up to the hint (down again if a repeat took it past), then along it. A
            // loaded machine may hold the key into its repeat, so once the game has
            // caught up the cursor goes on from wherever whole steps took it.
            Vec2 const step =
                !brokenDots.empty() ? STEPS[1] : (cursor.y > m_puzzle.m_hintTopY ? -STEPS[0] : STEPS[0]);
            Vec2 const before = cursor;
            auto hasStepped = [&]()
            {
                if (!FindCursorNear(before, cursor))
                {
                    return false;
                }
                Vec2 const moved = cursor - before;
                return DotProduct2D(moved, step) > 0.f && moved.x * moved.y == 0.f;
            };
            if (!HoldKeyUntil(step.x > 0.f ? XK_Right : (step.y > 0.f ? XK_Up : XK_Down), hasStepped) ||
                !WaitForGameToCatchUp() || !hasStepped())
            {
                ADD_FAILURE() << "the cursor did not step from (" << before.x << ", " << before.y
                              << "); seen at (" << cursor.x << ", " << cursor.y << ")";
                return 0;
            }
        }
        int const numBrokenDots = static_cast<int>(brokenDots.size());
        m_cursor = cursor;
        EXPECT_TRUE(WaitFor([&]() { return CountBankedDots() == numBrokenDots; }))
            << "the bank did not take every broken dot";
        return numBrokenDots;
    }

    void ExpectExitStatusZero()
    {
        int exitCode = -1;
        ASSERT_TRUE(WaitFor([&]() { return m_game.TryGetExitCode(exitCode); })) << "the game did not end";
        EXPECT_EQ(exitCode, 0);
    }

    // The bank as seen now, the picture's pan read from the cursor's box.
    int CountBankedDots() const
    {
        Vec2 cursor;
        FindCursorNear(m_cursor, cursor);
        return FirstPuzzle::CountBankedDots(Capture(), m_picturePan);
    }

    X11Session m_x11;
    GameProcess m_game{DOTSUNDER_EXECUTABLE};
    Vec2 m_cursor;              // where the last walk left the cursor
    mutable Vec2 m_picturePan;  // the shake's offset on screen, as the cursor was last seen
    FirstPuzzle const m_puzzle;
    unsigned long m_window = 0;
    ScreenRect m_clientRect;
};
}  // namespace

TEST_F(DotsunderEndToEnd, OpensCentredFourByThreeShowsTheFirstPuzzleAndEndsOnTheCloseBox)
{
    IntVec2 const screenSize = m_x11.GetScreenSize();
    AABB2 const expected = ComputeClientRect(
        Vec2(static_cast<float>(screenSize.x), static_cast<float>(screenSize.y)), 4.f / 3.f);
    EXPECT_EQ(m_clientRect.topLeft,
              IntVec2(static_cast<int>(expected.mins.x), static_cast<int>(expected.mins.y)));
    EXPECT_EQ(m_clientRect.topLeft + m_clientRect.size,
              IntVec2(static_cast<int>(expected.maxs.x), static_cast<int>(expected.maxs.y)));
    if (screenSize == IntVec2(1920, 1080))
    {
        EXPECT_EQ(m_clientRect.topLeft, IntVec2(312, 54));
        EXPECT_EQ(m_clientRect.size, IntVec2(1296, 972));
    }
    m_x11.RequestClose(m_window);
    ExpectExitStatusZero();
}

// Each broken dot is banked, one for one.
TEST_F(DotsunderEndToEnd, ArrowsMoveTheCursorSpaceBreaksDotsIntoTheBankAndEscapeEnds)
{
    EXPECT_GT(BankMoreDotsThan(0), 0);
    EXPECT_TRUE(HoldKeyUntil(XK_Escape, [&]() { return !m_x11.IsWindowAlive(m_window); }));
    ExpectExitStatusZero();
}

// Run by tools/with-private-screen.sh with the Russian layout, on which no key
// types a Latin letter, and openbox as the window manager; discovery leaves them out.
class DotsunderOnItsOwnScreen : public DotsunderEndToEnd
{
};

TEST_F(DotsunderOnItsOwnScreen, OnARussianLayoutTheKeyInTsPlaceBuysTheTAndAltWithAKeyBuysNothing)
{
    ASSERT_FALSE(m_x11.HasKeyFor(XK_t))
        << "the layout types Latin letters: run through tools/with-private-screen.sh ru";
    int const costOfT = m_puzzle.GetLetterCost('T');
    int const numBankedDots = BankMoreDotsThan(std::max(costOfT, m_puzzle.GetLetterCost('J')));
    ASSERT_GT(numBankedDots, 0);

    // Alt with the key in J's place (a wrong letter), held over many frames.
    m_x11.SendKey(m_window, XK_Alt_L, true);
    m_x11.SendKey(m_window, XK_Cyrillic_o, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    m_x11.SendKey(m_window, XK_Cyrillic_o, false);
    m_x11.SendKey(m_window, XK_Alt_L, false);
    EXPECT_EQ(CountBankedDots(), numBankedDots) << "Alt+J paid for a guess";

    EXPECT_TRUE(HoldKeyUntil(XK_Cyrillic_ie, [&]() { return CountBankedDots() == numBankedDots - costOfT; }))
        << "the key in T's place bought nothing";
    EXPECT_TRUE(WaitFor([&]() { return m_puzzle.ShowsTheFirstTRevealed(Capture()); }));
}

// The whole screen, the picture the largest centred 4:3 rectangle with black bars;
// the same key again brings back the window as it was. Alt+F4 is the window
// manager's, which asks the game to close.
TEST_F(DotsunderOnItsOwnScreen, AltEnterAndF11ToggleLetterboxedFullscreenAndAltF4Closes)
{
    ScreenRect const windowed = m_clientRect;
    ScreenRect const WHOLE_SCREEN{IntVec2(0, 0), IntVec2(1920, 1080)};
    ScreenRect const PICTURE{IntVec2(240, 0), IntVec2(1440, 1080)};
    ScreenRect const BARS[] = {{IntVec2(0, 0), IntVec2(240, 1080)}, {IntVec2(1680, 0), IntVec2(240, 1080)}};
    auto isClientAt = [&](ScreenRect const& rect)
    {
        ScreenRect const client = m_x11.GetClientRect(m_window);
        return client.topLeft == rect.topLeft && client.size == rect.size;
    };
    std::vector<unsigned long> const TOGGLES[] = {{XK_Alt_L, XK_Return}, {XK_F11}};
    for (std::vector<unsigned long> const& toggle : TOGGLES)
    {
        SCOPED_TRACE(toggle.size() == 2 ? "Alt+Enter" : "F11");
        PressChord(toggle);
        ASSERT_TRUE(WaitFor([&]() { return isClientAt(WHOLE_SCREEN); }))
            << "not fullscreen (with no window manager nobody grants it: run through "
               "tools/with-private-screen.sh)";
        std::string differences;
        EXPECT_TRUE(WaitFor(
            [&]() { return (differences = m_puzzle.FindDifferences(m_x11.Capture(PICTURE))).empty(); }))
            << differences;
        for (ScreenRect const& bar : BARS)
        {
            ScreenImage const image = m_x11.Capture(bar);
            ASSERT_EQ(image.pixels.size(), static_cast<size_t>(bar.size.x * bar.size.y));
            EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(), IsBlack))
                << "a bar is not black";
        }
        PressChord(toggle);
        EXPECT_TRUE(WaitFor([&]() { return isClientAt(windowed); }))
            << "not back at the window's size and place";
    }
    PressChord({XK_Alt_L, XK_F4});
    ExpectExitStatusZero();
}
