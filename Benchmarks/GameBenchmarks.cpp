// What the game's own work costs without drawing, on the real Game code paths:
// the hint's dots laid out; the updates of a puzzle whose every hint dot was
// broken loose at once, until all of them are banked; the update and vertex
// build of many dots put in place directly, and how that scales; frames in which
// dots die and are banked; spending the bank.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Game/Game.hpp"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
constexpr float FRAME_SECONDS = 1.f / 60.f;
constexpr int FRAMES_UNTIL_ALL_BANKED = 240;  // four seconds: the highest dot falls off well before

struct ScopedInput
{
    InputSystem input;
    ScopedInput() { g_theInput = &input; }
    ~ScopedInput() { g_theInput = nullptr; }
};

void BM_SpawnFirstHint(benchmark::State& state)
{
    Game game;  // owns the font and every dot it makes
    std::vector<Dot*> dots;
    for (auto _ : state)
    {
        g_theDotFont->SpawnTextDots(dots, "ARROWS TO MOVE THE CURSOR\nSPACE TO BREAK TEXTS\nF1 TO RESTART",
                                    1.f, Vec2(128.f, 152.f), Vec2(0.5f, 0.5f), Rgba8(255, 255, 255, 255),
                                    false);
        state.counters["dots"] = static_cast<double>(dots.size());
        for (Dot* dot : dots)
        {
            delete dot;
        }
        dots.clear();
    }
}
BENCHMARK(BM_SpawnFirstHint);

void BM_FramesWhileEveryHintDotFalls(benchmark::State& state)
{
    ScopedInput scopedInput;
    for (auto _ : state)
    {
        state.PauseTiming();
        Game* game = new Game();
        for (Dot* dot : game->m_textDots)
        {
            dot->BreakFree(Vec2(0.f, 35.f));
        }
        state.ResumeTiming();
        for (int frame = 0; frame < FRAMES_UNTIL_ALL_BANKED; ++frame)
        {
            game->BeginFrame();
            game->Update(FRAME_SECONDS);
            game->EndFrame();
        }
        state.PauseTiming();
        state.counters["banked"] = static_cast<double>(game->m_bankedDotCount);
        delete game;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * FRAMES_UNTIL_ALL_BANKED);
}
BENCHMARK(BM_FramesWhileEveryHintDotFalls)->Unit(benchmark::kMicrosecond);
}  // namespace

namespace
{
// numDots unit dots laid out row by row over the world; the first numFree of them
// broken loose without gravity, so that every update runs the physics step and
// nothing leaves the world.
void PutDotsInPlace(Game& game, int numDots, int numFree)
{
    game.ClearAllDots();
    for (int dotIndex = 0; dotIndex < numDots; ++dotIndex)
    {
        Vec2 const position(static_cast<float>(dotIndex % 250) + 2.f,
                            static_cast<float>((dotIndex / 250) % 180) + 6.f);
        Dot* const dot = new Dot(&game, position, 1.f, Rgba8(255, 255, 255, 255));
        if (dotIndex < numFree)
        {
            dot->BreakFree(Vec2(0.f, 0.f));
            dot->m_acceleration = Vec2(0.f, 0.f);
        }
        game.m_textDots.push_back(dot);
    }
}

// The game's update of every dot and the build of their vertex list, per frame;
// half the dots flying. The time per dot must not grow with the count.
void BM_UpdateAndBuildVertexes(benchmark::State& state)
{
    ScopedInput scopedInput;
    Game game;
    int const numDots = static_cast<int>(state.range(0));
    PutDotsInPlace(game, numDots, numDots / 2);
    std::vector<Vertex_PCU> verts;
    for (auto _ : state)
    {
        game.UpdateDots(FRAME_SECONDS);
        verts.clear();
        game.AppendDotVerts(verts);
        benchmark::DoNotOptimize(verts.data());
    }
    state.counters["per_dot"] = benchmark::Counter(numDots, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
    state.counters["vertexes"] = static_cast<double>(verts.size());
}
BENCHMARK(BM_UpdateAndBuildVertexes)->Arg(1000)->Arg(3000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A frame in which numDying of the dots have left the world: their update banks a
// new dot each, and EndFrame removes them. Per dot of the frame.
void BM_FrameWhereDotsDie(benchmark::State& state)
{
    ScopedInput scopedInput;
    Game game;
    int const numDots = static_cast<int>(state.range(0));
    int const numDying = static_cast<int>(state.range(1));
    int const dyingStride = numDots / numDying;
    for (auto _ : state)
    {
        state.PauseTiming();
        PutDotsInPlace(game, numDots, 0);
        for (int dyingIndex = 0; dyingIndex < numDying; ++dyingIndex)
        {
            game.m_textDots[static_cast<size_t>(dyingIndex * dyingStride)]->m_position = Vec2(-100.f, -100.f);
        }
        state.ResumeTiming();
        game.UpdateDots(FRAME_SECONDS);
        game.EndFrame();
    }
    state.counters["per_dot"] = benchmark::Counter(numDots, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
    state.counters["banked"] = game.m_bankedDotCount;
}
BENCHMARK(BM_FrameWhereDotsDie)->Args({50000, 1})->Args({50000, 25000})->Unit(benchmark::kMicrosecond);

// Spending the whole bank, per banked dot.
void BM_SpendBankedDots(benchmark::State& state)
{
    ScopedInput scopedInput;
    Game game;
    int const numDots = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        state.PauseTiming();
        game.ClearAllDots();
        for (int dotIndex = 0; dotIndex < numDots; ++dotIndex)
        {
            game.BankDot(Rgba8(255, 255, 255, 255));
        }
        state.ResumeTiming();
        game.SpendBankedDots(numDots);
    }
    state.counters["per_dot"] = benchmark::Counter(numDots, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}
BENCHMARK(BM_SpendBankedDots)->Arg(1000)->Arg(50000)->Unit(benchmark::kMicrosecond);
}  // namespace
