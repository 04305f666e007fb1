#include "Engine/Platform/Clock.hpp"
#include "Engine/Platform/Window.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace
{
char const* const PROBE = "PLATFORM_TESTS_PROBE";

// Started again as a probe, this program tries to open the window before any test
// can have started SDL's video.
int const s_probe = []
{
    char const* const probe = std::getenv(PROBE);
    if (probe != nullptr)
    {
        CreateOSWindow(4.f / 3.f, "Dotsunder");
        CreateOpenGLRenderingContext();
        _exit(0);
    }
    return 0;
}();

}  // namespace

// Without a display, or without a GL driver to make the context with, the process
// ends at once with a failure and a report saying why. Without the driver, the
// window's framebuffer is refused on a fresh X server ("GLX is not supported"); on
// one that has served GL before, the server refuses the context and Xlib reports
// the failed GLX request itself.
TEST(CreateOSWindow, WithoutADisplayOrAGLDriverEndsAtOnceWithAReportGivingSDLsReason)
{
    std::pair<char const*, std::vector<char const*>> const CASES[] = {
        {"no display", {"CreateOSWindow", "Window.cpp", "No display", "x11,wayland not available"}},
        {"no GL driver", {"GLX"}},
    };
    for (auto const& [probe, expectedTexts] : CASES)
    {
        char const* const probeName = probe;
        ChildResult const result = RunInChildProcess(
            [probeName]
            {
                bool const isDisplayGone = std::string(probeName) == "no display";
                isDisplayGone
                    ? unsetenv("DISPLAY") + unsetenv("WAYLAND_DISPLAY") + unsetenv("SDL_VIDEODRIVER")
                    : setenv("LIBGL_DRIVERS_PATH", "/nonexistent", 1);
                setenv(PROBE, probeName, 1);
                char const* const arguments[] = {"Probe", nullptr};
                execv("/proc/self/exe", const_cast<char* const*>(arguments));
            },
            10);
        std::string const output = result.standardOutput + result.standardError;
        EXPECT_TRUE(result.ExitedWithFailure() &&
                    std::all_of(expectedTexts.begin(), expectedTexts.end(),
                                [&output](char const* expected)
                                { return output.find(expected) != std::string::npos; }))
            << probe << ": exit " << result.exitCode << "\n"
            << output;
    }
}

// Seconds, at the system's pace: the clock's span lies inside the system clock's span around it.
TEST(Clock, KeepsTheSystemsPaceInSeconds)
{
    auto const systemBefore = std::chrono::steady_clock::now();
    double const beforeSeconds = GetCurrentTimeSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    double const elapsedSeconds = GetCurrentTimeSeconds() - beforeSeconds;
    std::chrono::duration<double> const systemElapsed = std::chrono::steady_clock::now() - systemBefore;
    EXPECT_TRUE(elapsedSeconds >= 0.019 && elapsedSeconds <= systemElapsed.count() + 0.001) << elapsedSeconds;
}
