// What one frame of play costs without drawing: the hint's dots laid out, and
// the updates of a puzzle whose every hint dot was broken loose at once (the
// heaviest the game's own simulation gets), until all of them are banked.

#include "Engine/Input/InputSystem.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Game/Game.hpp"

#include <benchmark/benchmark.h>

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
