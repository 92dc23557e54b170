// One polling tick with 16 pads of 32 mapped buttons each, every pad holding
// a few buttons: the cost the 100 ms timer pays on a full classroom board.
#include "app/sessio.h"
#include "joystick/cami_premudes.h"
#include "joystick/sondeig.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quorvel;

void sondeig_16_x_32(benchmark::State& estat) {
    constexpr int jugadors = 16;
    constexpr int botons = 32;
    fakes::joystick_fals js;
    sessio s;
    fakes::tauler_prova(s, jugadors, jugadors * botons, botons);
    fakes::mapejar_tots(s, jugadors, botons);
    int esdeveniments = 0;
    cami_premudes cami(s, {[&](const esdeveniment_casella&) { ++esdeveniments; }, {}, {}});
    for (int j = 1; j <= jugadors; ++j) {
        // Pads hold buttons 1, 7 and 20: a typical mid-game state.
        js.dispositius.push_back({{32768, 32768, 0, (1u << 0) | (1u << 6) | (1u << 19)}, botons});
    }
    for (auto _ : estat) {
        joysticks_sondejar(s, js, cami);
    }
    benchmark::DoNotOptimize(esdeveniments);
}
BENCHMARK(sondeig_16_x_32)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
