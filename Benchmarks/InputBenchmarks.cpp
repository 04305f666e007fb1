// What the controllers cost a frame: the device list read once per frame, as the
// input system's BeginFrame does, against once per slot, as slot polls once did.

#include "Engine/Input/ControllerBackend.hpp"
#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/XboxController.hpp"

#include <SDL.h>
#include <benchmark/benchmark.h>

namespace
{
// Two of SDL's virtual pads plugged in; the slots' reads as one frame makes them.
void BM_ControllerFrameWithTwoPads(benchmark::State& state)
{
    int const listReadsPerFrame = static_cast<int>(state.range(0));
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    {
        state.SkipWithError(SDL_GetError());
        return;
    }
    for (int padIndex = 0; padIndex < 2; ++padIndex)
    {
        SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                  SDL_CONTROLLER_BUTTON_MAX, 0);
    }
    XboxController controllers[NUM_XBOX_CONTROLLERS] = {XboxController(0), XboxController(1),
                                                        XboxController(2), XboxController(3)};
    for (auto _ : state)
    {
        for (int slotIndex = 0; slotIndex < NUM_XBOX_CONTROLLERS; ++slotIndex)
        {
            if (slotIndex < listReadsPerFrame)
            {
                RefreshControllerSlots();
            }
            controllers[slotIndex].Update();
        }
    }
    state.counters["connected"] = controllers[0].IsConnected() + controllers[1].IsConnected();
    ShutdownControllerBackend();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);  // detaches the virtual pads
}
BENCHMARK(BM_ControllerFrameWithTwoPads)->Arg(1)->Arg(4);
}  // namespace
