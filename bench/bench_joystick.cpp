// Cost of reading one player's joystick into its state text, as every tick of
// the polling timer does for every player: over the scripted fake (the logic
// alone) and over an SDL virtual pad (logic and adapter).
#include "app/sessio.h"
#include "joystick/joystick.h"
#include "platform/sdl/joystick_sdl.h"
#include "tests/fakes/fakes.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

namespace {

using namespace quorvel;

void preparar(sessio& s, servei_joystick& js) {
    joysticks_preparar(s, js);
    joysticks_enumerar(s, js);
    s.cursors = true;
}

void llegir_fals(benchmark::State& estat) {
    fakes::joystick_fals js;
    fakes::dispositiu_fals pad;
    pad.posicio = {32768, 32768, 0, 0};
    pad.botons = 12;
    js.dispositius = {pad};
    sessio s;
    preparar(s, js);
    js.dispositius[0].posicio = {32768, 65535, 0, 0b1010'0101};
    for (auto _ : estat) {
        benchmark::DoNotOptimize(joystick_llegir(s, js, 1));
    }
}
BENCHMARK(llegir_fals);

void llegir_sdl(benchmark::State& estat) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        estat.SkipWithError("SDL joystick subsystem unavailable");
        return;
    }
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 0);
    SDL_Joystick* virtual_pad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
    if (virtual_pad == nullptr) {
        estat.SkipWithError("no SDL virtual joystick");
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return;
    }
    {
        joystick_sdl js;
        sessio s;
        preparar(s, js);
        SDL_JoystickSetVirtualAxis(virtual_pad, 1, 32767);
        SDL_JoystickSetVirtualButton(virtual_pad, 0, 1);
        SDL_JoystickSetVirtualButton(virtual_pad, 2, 1);
        for (auto _ : estat) {
            benchmark::DoNotOptimize(joystick_llegir(s, js, 1));
        }
    }
    const SDL_JoystickID instancia = SDL_JoystickInstanceID(virtual_pad);
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == instancia) {
            SDL_JoystickDetachVirtual(i);
        }
    }
    SDL_JoystickClose(virtual_pad);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
BENCHMARK(llegir_sdl);

} // namespace
