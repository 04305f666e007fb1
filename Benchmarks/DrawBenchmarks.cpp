// What drawing costs on the machine's GL (Mesa llvmpipe under Xvfb here), always
// as ratios taken side by side in one run: the game's immediate-mode draw against
// the same vertices in GL 1.1 client-side vertex arrays, whole unpaced frames
// with their page faults, heap allocations in a steady frame and in a debug
// ring, and the paced loop of an idle game. The vertex-array path lives here
// only, as the yardstick.

#include "Benchmarks/AllocationCounter.hpp"
#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Platform/FramePacer.hpp"
#include "Engine/Platform/Window.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/App.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DrawingHelpers.hpp"
#include "Game/Game.hpp"
#include "Game/ScriptedInputDriver.hpp"

#include <SDL_opengl.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <vector>

namespace
{
constexpr float FRAME_SECONDS = 1.f / 60.f;

double GetWallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double GetProcessCpuSeconds()  // every thread of the process, the GL driver's included
{
    timespec time = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
}

long GetMinorPageFaults()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The game's window and GL context, with a started render context, for the
// process: made on first use, never torn down.
RenderContext& GetRenderer()
{
    static RenderContext* const s_renderer = []
    {
        CreateOSWindow(WORLD_WIDTH / WORLD_HEIGHT, "Dotsunder benchmarks");
        CreateOpenGLRenderingContext();
        RenderContext* renderer = new RenderContext();
        renderer->Startup();
        g_theRenderer = renderer;
        return renderer;
    }();
    return *s_renderer;
}

// numDots resting unit dots laid out row by row over the world, instead of the
// hint; returns their vertices as the game builds them for its one draw call.
std::vector<Vertex_PCU> PutDotsInPlace(Game& game, int numDots)
{
    game.ClearAllDots();
    for (int dotIndex = 0; dotIndex < numDots; ++dotIndex)
    {
        Vec2 const position(static_cast<float>(dotIndex % 250) + 2.f,
                            static_cast<float>((dotIndex / 250) % 180) + 6.f);
        unsigned char const shade = static_cast<unsigned char>(dotIndex);
        game.m_textDots.push_back(new Dot(&game, position, 1.f, Rgba8(255, shade, 128, 255)));
    }
    std::vector<Vertex_PCU> verts;
    game.AppendDotVerts(verts);
    return verts;
}

void DrawWithVertexArrays(std::vector<Vertex_PCU> const& verts)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    GLsizei const stride = sizeof(Vertex_PCU);
    glVertexPointer(3, GL_FLOAT, stride, &verts[0].m_position);
    glColorPointer(4, GL_UNSIGNED_BYTE, stride, &verts[0].m_color);
    glTexCoordPointer(2, GL_FLOAT, stride, &verts[0].m_uvTexCoords);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(verts.size()));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

// The same vertices through the render context's immediate mode and through
// vertex arrays, each followed by glFinish, alternating which goes first.
void BM_DrawImmediateVersusVertexArrays(benchmark::State& state)
{
    RenderContext& renderer = GetRenderer();
    ScriptedInputDriver driver;
    Game& game = driver.GetGame();
    std::vector<Vertex_PCU> const verts = PutDotsInPlace(game, static_cast<int>(state.range(0)));
    renderer.BeginFrame();
    renderer.BeginCamera(game.m_screenCamera);
    double immediateSeconds = 0.0;
    double arraySeconds = 0.0;
    bool isImmediateFirst = true;
    for (auto _ : state)
    {
        for (int pass = 0; pass < 2; ++pass)
        {
            bool const isImmediate = (pass == 0) == isImmediateFirst;
            double const startSeconds = GetWallSeconds();
            isImmediate ? renderer.DrawVertexArray(verts) : DrawWithVertexArrays(verts);
            glFinish();
            (isImmediate ? immediateSeconds : arraySeconds) += GetWallSeconds() - startSeconds;
        }
        isImmediateFirst = !isImmediateFirst;
    }
    renderer.EndCamera(game.m_screenCamera);
    double const iterations = static_cast<double>(state.iterations());
    state.counters["immediate_ms"] = immediateSeconds * 1e3 / iterations;
    state.counters["arrays_ms"] = arraySeconds * 1e3 / iterations;
    state.counters["immediate_over_arrays"] = immediateSeconds / arraySeconds;
}
BENCHMARK(BM_DrawImmediateVersusVertexArrays)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Whole unpaced frames (clear, draw, swap): the game's own Render against the same
// frame with its dots drawn through vertex arrays (cursor and underlines as the
// game draws them), alternating; page faults of the game's frames.
void BM_WholeFrameUnpaced(benchmark::State& state)
{
    RenderContext& renderer = GetRenderer();
    ScriptedInputDriver driver;
    Game& game = driver.GetGame();
    std::vector<Vertex_PCU> const verts = PutDotsInPlace(game, static_cast<int>(state.range(0)));
    double gameSeconds = 0.0;
    double arraySeconds = 0.0;
    long gameFaults = 0;
    for (auto _ : state)
    {
        long const faultsBefore = GetMinorPageFaults();
        double const startSeconds = GetWallSeconds();
        renderer.BeginFrame();
        game.Render();
        renderer.EndFrame();
        SwapOSWindowBuffers();
        double const middleSeconds = GetWallSeconds();
        gameFaults += GetMinorPageFaults() - faultsBefore;

        renderer.BeginFrame();
        renderer.ClearScreen(Rgba8::BLACK);
        renderer.BeginCamera(game.m_worldCamera);
        DrawWithVertexArrays(verts);
        game.m_cursor->Render();
        renderer.DrawVertexArray(game.m_answerUnderlines);
        renderer.EndCamera(game.m_worldCamera);
        renderer.EndFrame();
        SwapOSWindowBuffers();
        gameSeconds += middleSeconds - startSeconds;
        arraySeconds += GetWallSeconds() - middleSeconds;
    }
    double const iterations = static_cast<double>(state.iterations());
    state.counters["game_fps"] = iterations / gameSeconds;
    state.counters["arrays_fps"] = iterations / arraySeconds;
    state.counters["game_over_arrays_fps"] = arraySeconds / gameSeconds;
    state.counters["faults_per_frame"] = static_cast<double>(gameFaults) / iterations;
}
BENCHMARK(BM_WholeFrameUnpaced)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Heap allocations over 1,000 steady frames (update, render, swap; no dot made or
// destroyed) of puzzle 1 with the wrong-letter list full and the dot count on.
void BM_SteadyFrameAllocations(benchmark::State& state)
{
    constexpr int NUM_FRAMES = 1000;
    RenderContext& renderer = GetRenderer();
    ScriptedInputDriver driver;
    Game& game = driver.GetGame();
    char const* const fullList = "BCDEFGHJ\nKMNPQSVW\nXYZBCDEF\nGHJKMNPQ";
    std::strcpy(game.m_wrongLetters, fullList);
    game.m_wrongLetterLength = static_cast<int>(std::strlen(fullList));
    for (int dotIndex = 0; dotIndex < 300; ++dotIndex)
    {
        game.BankDot(Rgba8(0, 128, 255, 255));
    }
    driver.m_app.m_debugDisplay = true;
    auto const runFrame = [&]
    {
        driver.RunFrames(1, FRAME_SECONDS);
        renderer.BeginFrame();
        driver.m_app.Render();
        renderer.EndFrame();
        SwapOSWindowBuffers();
    };
    for (auto _ : state)
    {
        for (int frameIndex = 0; frameIndex < 10; ++frameIndex)  // the kept storage grows once
        {
            runFrame();
        }
        AllocationCounts const before = GetAllocationCounts();
        for (int frameIndex = 0; frameIndex < NUM_FRAMES; ++frameIndex)
        {
            runFrame();
        }
        AllocationCounts const after = GetAllocationCounts();
        state.counters["ours_per_frame"] = static_cast<double>(after.ours - before.ours) / NUM_FRAMES;
        state.counters["driver_per_frame"] = static_cast<double>(after.theirs - before.theirs) / NUM_FRAMES;
        state.counters["dots"] = game.GetDotCount();
    }
}
BENCHMARK(BM_SteadyFrameAllocations)->Iterations(1)->Unit(benchmark::kMillisecond);

// Heap allocations and time of one debug ring (64 DrawLine calls, one draw call
// each), as Entity::DebugRender draws an entity's radii.
void BM_DebugRingAllocations(benchmark::State& state)
{
    RenderContext& renderer = GetRenderer();
    renderer.BeginFrame();
    long long ourAllocations = 0;
    for (auto _ : state)
    {
        AllocationCounts const before = GetAllocationCounts();
        DrawRing(Vec2(128.f, 96.f), 20.f, Rgba8(255, 0, 255, 255), 0.2f);
        ourAllocations += GetAllocationCounts().ours - before.ours;
    }
    glFinish();
    state.counters["ours_per_ring"] =
        static_cast<double>(ourAllocations) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DebugRingAllocations)->Unit(benchmark::kMicrosecond);

// The real loop of an idle game (pump, frame, present, pace) for ten seconds: the
// paced rate against the display's, present-to-present times in buckets of the
// refresh period, and the share of a core the whole process uses.
void BM_PacedIdleLoop(benchmark::State& state)
{
    constexpr double MEASURED_SECONDS = 10.0;
    GetRenderer();
    RenderContext* const benchmarkRenderer = g_theRenderer;
    App app;
    g_theApp = &app;
    app.Startup();
    FramePacer pacer;
    pacer.Startup();
    double const periodSeconds = pacer.GetRefreshPeriodSeconds();
    for (auto _ : state)
    {
        int buckets[5] = {};  // < 0.5, < 0.9, < 1.1, < 1.5 periods, and longer
        int numFrames = 0;
        double const startWall = GetWallSeconds();
        double const startCpu = GetProcessCpuSeconds();
        double lastPresent = startWall;
        while (GetWallSeconds() - startWall < MEASURED_SECONDS)
        {
            RunMessagePump();
            app.RunFrame();
            SwapOSWindowBuffers();
            double const presentSeconds = GetWallSeconds();
            double const periods = (presentSeconds - lastPresent) / periodSeconds;
            ++buckets[periods < 0.5 ? 0 : periods < 0.9 ? 1 : periods < 1.1 ? 2 : periods < 1.5 ? 3 : 4];
            lastPresent = presentSeconds;
            ++numFrames;
            pacer.WaitAfterPresent();
        }
        double const wallSeconds = GetWallSeconds() - startWall;
        state.counters["display_hz"] = 1.0 / periodSeconds;
        state.counters["paced_fps"] = numFrames / wallSeconds;
        state.counters["core_share"] = (GetProcessCpuSeconds() - startCpu) / wallSeconds;
        char const* const names[5] = {"p_lt0.5", "p_0.5to0.9", "p_0.9to1.1", "p_1.1to1.5", "p_gt1.5"};
        for (int bucket = 0; bucket < 5; ++bucket)
        {
            state.counters[names[bucket]] = buckets[bucket];
        }
    }
    app.Shutdown();
    g_theApp = nullptr;
    g_theRenderer = benchmarkRenderer;
}
BENCHMARK(BM_PacedIdleLoop)->Iterations(1)->Unit(benchmark::kSecond);
}  // namespace
