#include "Engine/Platform/FrameLoop.hpp"

#include <utility>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

namespace
{
std::function<bool()> g_framePass;
std::function<void()> g_onLoopEnded;

bool g_hasDrawnAFrame = false;

void RunBrowserFrame()
{
    bool const isGoingOn = g_framePass();
    if (!g_hasDrawnAFrame)
    {
        g_hasDrawnAFrame = true;
        // The page ends its loading notice here, and measures its start-up time.
        emscripten_run_script("if (Module.onFirstFrameDrawn) { Module.onFirstFrameDrawn(); }");
    }
    if (isGoingOn)
    {
        return;
    }
    emscripten_cancel_main_loop();
    // Moved out first: the callback may start another loop, which sets both anew.
    std::function<void()> const onLoopEnded = std::move(g_onLoopEnded);
    g_framePass = nullptr;
    if (onLoopEnded)
    {
        onLoopEnded();
    }
    // The page shows that the program has ended and offers to start it again.
    emscripten_run_script("if (Module.onFrameLoopEnded) { Module.onFrameLoopEnded(); }");
}
}  // namespace

void RunFrameLoop(std::function<bool()> framePass, std::function<void()> onLoopEnded)
{
    g_framePass = std::move(framePass);
    g_onLoopEnded = std::move(onLoopEnded);
    // Frame rate 0: on the browser's animation frames. The last argument unwinds
    // this call's stack and hands control to the browser; nothing after it runs.
    emscripten_set_main_loop(RunBrowserFrame, 0, 1);
}

#else

void RunFrameLoop(std::function<bool()> framePass, std::function<void()> onLoopEnded)
{
    while (framePass())
    {
    }
    if (onLoopEnded)
    {
        onLoopEnded();
    }
}

#endif
