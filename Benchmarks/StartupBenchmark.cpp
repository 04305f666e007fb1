// Start-up as a player sees it, measured from outside: from starting the release
// game to the first frame on the X display, that is, its window viewable and the
// first line of the hint drawn in it. Run under tools/with-display.sh.

#include "Game/Game.hpp"
#include "Tests/EndToEnd/X11Session.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

namespace
{
constexpr double GIVE_UP_SECONDS = 20.0;
constexpr float HINT_FIRST_LINE_FROM_TOP =
    32.f / WORLD_HEIGHT;  // the hint's top line, as a share of the height

double GetWallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool IsAnyPixelLit(ScreenImage const& image)
{
    for (Rgba8 const& pixel : image.pixels)
    {
        if (pixel.r + pixel.g + pixel.b > 300)
        {
            return true;
        }
    }
    return false;
}

// Seconds from the start of the process to the first frame with the hint in it;
// negative when it never came. The game is closed through its close box, and
// waited for, before the next start.
double MeasureStartup(X11Session const& session)
{
    double const startSeconds = GetWallSeconds();
    std::future<ChildResult> game = std::async(
        std::launch::async,
        []
        {
            return RunInChildProcess(
                [] { execl(DOTSUNDER_EXECUTABLE, DOTSUNDER_EXECUTABLE, static_cast<char*>(nullptr)); },
                static_cast<int>(GIVE_UP_SECONDS) + 10);
        });
    double seconds = -1.0;
    unsigned long window = 0;
    while (GetWallSeconds() - startSeconds < GIVE_UP_SECONDS)
    {
        window = session.FindViewableWindow("Dotsunder");
        if (window != 0)
        {
            ScreenRect const client = session.GetClientRect(window);
            int const hintTop =
                static_cast<int>(static_cast<float>(client.size.y) * HINT_FIRST_LINE_FROM_TOP);
            ScreenRect const band{IntVec2(client.topLeft.x, client.topLeft.y + hintTop - 8),
                                  IntVec2(client.size.x, 24)};
            if (IsAnyPixelLit(session.Capture(band)))
            {
                seconds = GetWallSeconds() - startSeconds;
                break;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (window != 0)
    {
        session.RequestClose(window);
    }
    game.wait();
    return seconds;
}

void BM_StartupToFirstFrame(benchmark::State& state)
{
    X11Session session;
    if (!session.IsOpen())
    {
        state.SkipWithError("no X display");
        return;
    }
    double longestSeconds = 0.0;
    for (auto _ : state)
    {
        double const seconds = MeasureStartup(session);
        if (seconds < 0.0)
        {
            state.SkipWithError("the game showed no frame");
            return;
        }
        state.SetIterationTime(seconds);
        longestSeconds = seconds > longestSeconds ? seconds : longestSeconds;
    }
    state.counters["longest_s"] = longestSeconds;
}
BENCHMARK(BM_StartupToFirstFrame)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
}  // namespace
