// The process entry: window and GL context first, then the App; one pass per frame
// (pump, frame, present, pace) until quitting was requested; exit status 0.

#include "Engine/Platform/FrameLoop.hpp"
#include "Engine/Platform/FramePacer.hpp"
#include "Engine/Platform/HeapTuning.hpp"
#include "Engine/Platform/Window.hpp"
#include "Game/App.hpp"
#include "Game/Game.hpp"

namespace
{
constexpr char const* APP_NAME = "Dotsunder";

// Static: in the browser the frames run after main has returned to the page.
FramePacer g_framePacer;

// A quit request lets the current pass finish, frame and present included.
bool RunFramePass()
{
    RunMessagePump();
    g_theApp->RunFrame();
    SwapOSWindowBuffers();
    g_framePacer.WaitAfterPresent();
    return !g_theApp->IsQuitting();
}

void EndGame()
{
    g_theApp->Shutdown();
    SetQuitRequestedCallback(nullptr);
    delete g_theApp;
    g_theApp = nullptr;
    // The window, its context and the display connection end with the process.
    // Closing the display earlier would unload the GL driver while the driver
    // still holds memory, which leak checkers then report without any owner.
}
}  // namespace

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;

    TuneHeapForSteadyFrames();
    CreateOSWindow(WORLD_WIDTH / WORLD_HEIGHT, APP_NAME);
    CreateOpenGLRenderingContext();

    App* app = new App();
    g_theApp = app;
    SetQuitRequestedCallback([app]() { app->HandleQuitRequested(); });
    app->Startup();

    // Asks for swap interval 1; where the driver does not wait, the pacer does.
    g_framePacer.Startup();

    RunFrameLoop(RunFramePass, EndGame);
    return 0;
}
