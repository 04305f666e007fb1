// The real executable on the test's X display, watched and driven from outside
// as a player would: what it shows is read back from the screen and compared
// with the dots an in-process Game lays out for the same puzzle.

#include "Engine/Math/MathUtils.hpp"
#include "Tests/EndToEnd/FirstPuzzle.hpp"
#include "Tests/EndToEnd/X11Session.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <future>
#include <set>
#include <thread>

#include <unistd.h>

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

    // A game a failed test leaves running is asked to close, so that nothing stays on the display.
    void TearDown() override
    {
        if (m_window != 0 && m_game.valid() && !HasEnded())
        {
            m_x11.RequestClose(m_window);
        }
    }

    ScreenImage Capture() const { return m_x11.Capture(m_clientRect); }

    // Holds the keys, pressed in order, until their effect is seen (a press and
    // release that the game sees within one frame would leave no trace), then
    // lets go of them in reverse.
    bool HoldKeysUntil(std::vector<unsigned long> const& keysyms, std::function<bool()> const& effect) const
    {
        for (unsigned long const keysym : keysyms)
        {
            m_x11.SendKey(m_window, keysym, true);
        }
        bool const isSeen = WaitFor(effect);
        for (auto keysym = keysyms.rbegin(); keysym != keysyms.rend(); ++keysym)
        {
            m_x11.SendKey(m_window, *keysym, false);
        }
        return isSeen;
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
            Vec2 const newDot = newDots.empty() ? Vec2() : m_puzzle.m_dotCentres[newDots[0]];
            EXPECT_TRUE(newDots.empty() ||
                        HoldKeysUntil({XK_space}, [&]() { return !IsWhite(SampleWorld(Capture(), newDot)); }))
                << "SPACE broke nothing loose";
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
                Vec2 const moved = (m_puzzle.FindCursor(Capture(), cursor) ? cursor : before) - before;
                return DotProduct2D(moved, step) > 0.f && moved.x * moved.y == 0.f;
            };
            unsigned long const arrow = step.x > 0.f ? XK_Right : (step.y > 0.f ? XK_Up : XK_Down);
            bool const wasDotCountShown = FirstPuzzle::ShowsTheDotCount(Capture());
            if (!HoldKeysUntil({arrow}, hasStepped) ||
                !HoldKeysUntil({XK_F4}, [&]()
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

    bool HasEnded() const { return m_game.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }
    void ExpectExitStatusZero()
    {
        ASSERT_TRUE(WaitFor([&]() { return HasEnded(); })) << "the game did not end";
        ChildResult const result = m_game.get();
        EXPECT_TRUE(result.exited && result.exitCode == 0) << result.standardError;
    }

    X11Session m_x11;
    // The Windows build plays the same runs through a script that starts its game under Wine.
    std::future<ChildResult> m_game = std::async(
        std::launch::async,
        [path = std::getenv("DOTSUNDER_END_TO_END_GAME") ? std::getenv("DOTSUNDER_END_TO_END_GAME")
                                                         : DOTSUNDER_EXECUTABLE]()
        { return RunInChildProcess([&]() { execl(path, path, static_cast<char*>(nullptr)); }, 240); });
    FirstPuzzle const m_puzzle;
    unsigned long m_window = 0;
    ScreenRect m_clientRect;
};
}  // namespace

// The largest 4:3 rectangle within 90 % of the screen both ways, centred; on any screen.
TEST_F(DotsunderEndToEnd, OpensCentredFourByThreeShowsTheFirstPuzzleAndEndsOnTheCloseBox)
{
    IntVec2 const screen = m_x11.GetScreenSize();
    float const width = std::min(0.9f * screen.x, 0.9f * screen.y * 4.f / 3.f);
    EXPECT_NEAR(m_clientRect.size.x, width, 1.f);
    EXPECT_NEAR(m_clientRect.size.y, width * 0.75f, 1.f);
    EXPECT_NEAR(m_clientRect.topLeft.x, (screen.x - width) / 2.f, 1.f);
    EXPECT_NEAR(m_clientRect.topLeft.y, (screen.y - width * 0.75f) / 2.f, 1.f);
    m_x11.RequestClose(m_window);
    ExpectExitStatusZero();
}

// Each broken dot is banked, one for one.
TEST_F(DotsunderEndToEnd, ArrowsMoveTheCursorSpaceBreaksDotsIntoTheBankAndEscapeEnds)
{
    EXPECT_GT(BankMoreDotsThan(0), 0);
    EXPECT_TRUE(HoldKeysUntil({XK_Escape}, [&]() { return HasEnded(); })) << "Escape did not end it";
    ExpectExitStatusZero();
}

// Run by tools/with-private-screen.sh with the Russian layout, on which no key
// types a Latin letter, and openbox as the window manager, on a 1920 x 1080
// screen of its own; discovery leaves them out.
class DotsunderOnItsOwnScreen : public DotsunderEndToEnd
{
};

TEST_F(DotsunderOnItsOwnScreen, OnARussianLayoutTheKeyInTsPlaceBuysTheTAndAltWithAKeyBuysNothing)
{
    int const numBankedDots = BankMoreDotsThan(std::max(m_puzzle.m_costOfT, m_puzzle.m_costOfJ));
    ASSERT_GT(numBankedDots, 0);

    // Alt with the key in J's place (a wrong letter), held over many frames.
    HoldKeysUntil({XK_Alt_L, XK_Cyrillic_o}, [startTime = std::chrono::steady_clock::now()]()
                  { return std::chrono::steady_clock::now() - startTime > std::chrono::milliseconds(300); });
    EXPECT_EQ(CountBankedDots(), numBankedDots) << "Alt+J paid for a guess";

    EXPECT_TRUE(HoldKeysUntil({XK_Cyrillic_ie},
                              [&]() { return CountBankedDots() == numBankedDots - m_puzzle.m_costOfT; }))
        << "the key in T's place bought nothing";
}

// The whole screen, the picture the largest centred 4:3 rectangle with black bars;
// the same key again brings back the window as it was. Alt+F4 is the window
// manager's, which asks the game to close.
TEST_F(DotsunderOnItsOwnScreen, AltEnterAndF11ToggleLetterboxedFullscreenAndAltF4Closes)
{
    ScreenRect const windowed = m_clientRect;
    ScreenRect const WHOLE_SCREEN{IntVec2(0, 0), IntVec2(1920, 1080)};
    ScreenRect const PICTURE{IntVec2(240, 0), IntVec2(1440, 1080)};
    auto isClientAt = [&](ScreenRect const& rect)
    {
        ScreenRect const client = m_x11.GetClientRect(m_window);
        return client.topLeft == rect.topLeft && client.size == rect.size;
    };
    for (std::vector<unsigned long> const& toggle :
         {std::vector<unsigned long>{XK_Alt_L, XK_Return}, {XK_F11}})
    {
        SCOPED_TRACE(toggle.size() == 2 ? "Alt+Enter" : "F11");
        HoldKeysUntil(toggle, []() { return true; });  // a held toggle would repeat
        std::string differences = "not fullscreen (no window manager grants it)";
        EXPECT_TRUE(WaitFor(
            [&]()
            {
                ScreenImage const screen = m_x11.Capture(WHOLE_SCREEN);
                bool areBarsBlack = true;
                for (size_t index = 0; index < screen.pixels.size(); ++index)
                {
                    areBarsBlack &=
                        (index % 1920 >= 240 && index % 1920 < 1680) || IsBlack(screen.pixels[index]);
                }
                return isClientAt(WHOLE_SCREEN) &&
                       (differences = areBarsBlack ? m_puzzle.FindDifferences(m_x11.Capture(PICTURE))
                                                   : "the bars beside the picture are not black")
                           .empty();
            }))
            << differences;
        HoldKeysUntil(toggle, []() { return true; });
        EXPECT_TRUE(WaitFor([&]() { return isClientAt(windowed); }))
            << "not back at the window's size and place";
    }
    HoldKeysUntil({XK_Alt_L, XK_F4}, []() { return true; });
    ExpectExitStatusZero();
}
