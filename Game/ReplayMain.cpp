// DotsunderReplay: replays input scripts (Game/InputScript.hpp) through the real
// game without a window and prints the game-state hash after every frame, so that
// a reported game can be replayed and two builds or two runs compared line by line.
//
//     DotsunderReplay [--every N] [--show SECONDS] SCRIPT...
//
// The scripts run one after another in one game. Each printed line is the frame
// number (from 1) and the hash in hexadecimal; with --every N only every N-th
// frame and the last are printed. A frame in which quitting was requested
// (Escape) ends the replay. With --show, the game as the replay left it is then
// drawn in the game's window for that many seconds, or until the window is
// closed (what tools/screenshot.sh captures). Exit status 0, or 2 with a message
// on standard error for a bad argument, an unreadable file or a bad script line.

#include "Engine/Platform/Clock.hpp"
#include "Engine/Platform/FramePacer.hpp"
#include "Engine/Platform/Window.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/Game.hpp"
#include "Game/ScriptedInputDriver.hpp"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr int EXIT_USAGE = 2;
char const* const USAGE = "usage: DotsunderReplay [--every N] [--show SECONDS] SCRIPT...\n";

// The game's window, drawing the replayed game without updating it.
void ShowGame(ScriptedInputDriver& driver, double showSeconds)
{
    CreateOSWindow(WORLD_WIDTH / WORLD_HEIGHT, "Dotsunder");
    CreateOpenGLRenderingContext();
    bool isClosed = false;
    SetQuitRequestedCallback([&isClosed] { isClosed = true; });
    RenderContext renderer;
    renderer.Startup();
    g_theRenderer = &renderer;
    FramePacer pacer;
    pacer.Startup();
    double const endSeconds = GetCurrentTimeSeconds() + showSeconds;
    while (!isClosed && GetCurrentTimeSeconds() < endSeconds)
    {
        RunMessagePump();
        renderer.BeginFrame();
        driver.m_app.Render();
        renderer.EndFrame();
        SwapOSWindowBuffers();
        pacer.WaitAfterPresent();
    }
    renderer.Shutdown();
    g_theRenderer = nullptr;
    SetQuitRequestedCallback(nullptr);
}
}  // namespace

int main(int argc, char** argv)
{
    long printEvery = 1;
    double showSeconds = 0.0;
    std::vector<std::string> scriptPaths;
    for (int argIndex = 1; argIndex < argc; ++argIndex)
    {
        std::string const arg = argv[argIndex];
        if (arg == "--every" && argIndex + 1 < argc)
        {
            char* end = nullptr;
            printEvery = std::strtol(argv[++argIndex], &end, 10);
            if (*end != '\0' || printEvery < 1)
            {
                std::fprintf(stderr, "DotsunderReplay: --every takes a whole number of 1 or more\n%s", USAGE);
                return EXIT_USAGE;
            }
        }
        else if (arg == "--show" && argIndex + 1 < argc)
        {
            char* end = nullptr;
            showSeconds = std::strtod(argv[++argIndex], &end);
            if (*end != '\0' || !(showSeconds > 0.0))
            {
                std::fprintf(stderr, "DotsunderReplay: --show takes a number of seconds above 0\n%s", USAGE);
                return EXIT_USAGE;
            }
        }
        else if (!arg.empty() && arg[0] == '-')
        {
            std::fprintf(stderr, "DotsunderReplay: unknown option \"%s\"\n%s", arg.c_str(), USAGE);
            return EXIT_USAGE;
        }
        else
        {
            scriptPaths.push_back(arg);
        }
    }
    if (scriptPaths.empty())
    {
        std::fprintf(stderr, "%s", USAGE);
        return EXIT_USAGE;
    }

    // Every script is read and checked before the first frame runs.
    std::vector<ScriptFrame> frames;
    for (std::string const& path : scriptPaths)
    {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        if (!file)
        {
            std::fprintf(stderr, "DotsunderReplay: cannot read the script \"%s\"\n", path.c_str());
            return EXIT_USAGE;
        }
        std::string error;
        if (!ParseInputScript(text.str(), frames, error))
        {
            std::fprintf(stderr, "DotsunderReplay: %s: %s\n", path.c_str(), error.c_str());
            return EXIT_USAGE;
        }
    }

    ScriptedInputDriver driver;
    driver.m_isHashingFrames = true;
    for (ScriptFrame const& frame : frames)
    {
        if (driver.IsQuitting())
        {
            break;
        }
        driver.RunScriptFrame(frame);
    }
    std::vector<uint64_t> const& hashes = driver.GetFrameHashes();
    for (size_t frameIndex = 0; frameIndex < hashes.size(); ++frameIndex)
    {
        int const frameNumber = static_cast<int>(frameIndex) + 1;
        if (frameNumber % printEvery == 0 || frameIndex + 1 == hashes.size())
        {
            std::printf("%d %016" PRIx64 "\n", frameNumber, hashes[frameIndex]);
        }
    }
    if (driver.IsQuitting())
    {
        std::printf("quit requested in frame %d\n", driver.GetFrameCount());
    }
    std::fflush(stdout);
    if (showSeconds > 0.0)
    {
        ShowGame(driver, showSeconds);
    }
    return 0;
}
