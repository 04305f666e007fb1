// DotsunderReplay: replays input scripts (Game/InputScript.hpp) through the real
// game without a window and prints the game-state hash after every frame, so that
// a reported game can be replayed and two builds or two runs compared line by line.
//
//     DotsunderReplay [--every N] SCRIPT...
//
// The scripts run one after another in one game. Each printed line is the frame
// number (from 1) and the hash in hexadecimal; with --every N only every N-th
// frame and the last are printed. A frame in which quitting was requested
// (Escape) ends the replay. Exit status 0, or 2 with a message on standard error
// for a bad argument, an unreadable file or a bad script line.

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
char const* const USAGE = "usage: DotsunderReplay [--every N] SCRIPT...\n";

void PrintFrameHash(int frameNumber, uint64_t hash)
{
    std::printf("%d %016" PRIx64 "\n", frameNumber, hash);
}
}  // namespace

int main(int argc, char** argv)
{
    long printEvery = 1;
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
    uint64_t lastHash = HashGameState(driver.m_app);
    int lastPrintedFrame = 0;
    for (ScriptFrame const& frame : frames)
    {
        ScriptFrame singleFrame = frame;
        singleFrame.frameCount = 1;
        for (int repeat = 0; repeat < frame.frameCount && !driver.IsQuitting(); ++repeat)
        {
            driver.RunScriptFrame(singleFrame);
            singleFrame.keyChanges.clear();
            lastHash = HashGameState(driver.m_app);
            if (driver.GetFrameCount() % printEvery == 0)
            {
                PrintFrameHash(driver.GetFrameCount(), lastHash);
                lastPrintedFrame = driver.GetFrameCount();
            }
        }
    }
    if (lastPrintedFrame != driver.GetFrameCount())
    {
        PrintFrameHash(driver.GetFrameCount(), lastHash);
    }
    if (driver.IsQuitting())
    {
        std::printf("quit requested in frame %d\n", driver.GetFrameCount());
    }
    return 0;
}
