// The real executable on the test's X display, watched and driven from outside
// as a player would: what it shows is read back from the screen and compared
// with the dots an in-process Game lays out for the same puzzle.

#include "Engine/Math/MathUtils.hpp"
#include "Tests/EndToEnd/FirstPuzzle.hpp"
#include "Tests/EndToEnd/GameProcess.hpp"
#include "Tests/EndToEnd/X11Session.hpp"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
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

    bool FindCursor(Vec2& out_centre) const
    {
        Vec2 picturePan;
        return m_puzzle.FindCursor(Capture(), out_centre, picturePan);
    }

    int CountBankedDots() const { return m_puzzle.CountBankedDots(Capture()); }

    // Breaks the hint's dots, a cursor step to the right at a time, until more than
    // minimumDots of them are banked; how many are. The cursor must be at its start.
    int BankMoreDotsThan(int minimumDots) const
    {
        Vec2 cursor = m_puzzle.m_cursorStart;
        std::set<size_t> brokenDots;
        while (static_cast<int>(brokenDots.size()) <= minimumDots)
        {
            std::vector<size_t> newDots;
            for (size_t dotIndex : m_puzzle.GetDotsUnderCursor(cursor))
            {
                if (brokenDots.insert(dotIndex).second)
                {
                    newDots.push_back(dotIndex);
                }
            }
            if (!newDots.empty())
            {
                EXPECT_TRUE(HoldKeyUntil(
                    XK_space,
                    [&]() { return !IsWhite(SampleWorld(Capture(), m_puzzle.m_dotCentres[newDots[0]])); }))
                    << "SPACE broke nothing loose";
            }
            // Up to the hint (down again if a repeat took it past), then along it. A
            // loaded machine may hold the key into its repeat, so once the game has
            // caught up (F4's dot count flipped) the cursor goes on from wherever
            // whole steps took it.
            Vec2 const step = !brokenDots.empty()
                                  ? Vec2(CURSOR_STEP, 0.f)
                                  : Vec2(0.f, cursor.y > m_puzzle.m_hintTopY ? -CURSOR_STEP : CURSOR_STEP);
            Vec2 const before = cursor;
            auto hasStepped = [&]()
            {
                Vec2 const moved = (FindCursor(cursor) ? cursor : before) - before;
                return DotProduct2D(moved, step) > 0.f && moved.x * moved.y == 0.f;
            };
            bool const wasDotCountShown = FirstPuzzle::ShowsTheDotCount(Capture());
            if (!HoldKeyUntil(step.x > 0.f ? XK_Right : (step.y > 0.f ? XK_Up : XK_Down), hasStepped) ||
                !HoldKeyUntil(XK_F4, [&]()
                              { return FirstPuzzle::ShowsTheDotCount(Capture()) != wasDotCountShown; }) ||
                !hasStepped())
            {
                ADD_FAILURE() << "the cursor did not step from (" << before.x << ", " << before.y << ")";
                return 0;
            }
        }
        int const numBrokenDots = static_cast<int>(brokenDots.size());
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

    X11Session m_x11;
    GameProcess m_game{DOTSUNDER_EXECUTABLE};
    FirstPuzzle const m_puzzle;
    unsigned long m_window = 0;
    ScreenRect m_clientRect;
};
}  // namespace

// The largest 4:3 rectangle within 90 % of the screen both ways, centred; on any screen.
TEST_F(DotsunderEndToEnd, OpensCentredFourByThreeShowsTheFirstPuzzleAndEndsOnTheCloseBox)
{
    IntVec2 const screen = m_x11.GetScreenSize();
    float const width =
        std::min(0.9f * static_cast<float>(screen.x), 0.9f * static_cast<float>(screen.y) * 4.f / 3.f);
    float const expected[] = {(static_cast<float>(screen.x) - width) / 2.f,
                              (static_cast<float>(screen.y) - width * 0.75f) / 2.f, width, width * 0.75f};
    int const seen[] = {m_clientRect.topLeft.x, m_clientRect.topLeft.y, m_clientRect.size.x,
                        m_clientRect.size.y};
    for (int index = 0; index < 4; ++index)
    {
        EXPECT_NEAR(seen[index], expected[index], 1.f) << "left, top, width, height: " << index;
    }
    m_x11.RequestClose(m_window);
    ExpectExitStatusZero();
}

// Each broken dot is banked, one for one.
TEST_F(DotsunderEndToEnd, ArrowsMoveTheCursorSpaceBreaksDotsIntoTheBankAndEscapeEnds)
{
    EXPECT_GT(BankMoreDotsThan(0), 0);
    int exitCode = -1;
    EXPECT_TRUE(HoldKeyUntil(XK_Escape, [&]() { return m_game.TryGetExitCode(exitCode); }))
        << "Escape did not end it";
    EXPECT_EQ(exitCode, 0);
}

// Run by tools/with-private-screen.sh with the Russian layout, on which no key
// types a Latin letter, and openbox as the window manager, on a 1920 x 1080
// screen of its own; discovery leaves them out.
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
    for (std::vector<unsigned long> const& toggle :
         {std::vector<unsigned long>{XK_Alt_L, XK_Return}, {XK_F11}})
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
