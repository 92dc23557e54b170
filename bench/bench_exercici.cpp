// Loading a large exercise: 10,000 items with shape codes and resolved media
// names (a picture of its own per item, sounds shared), from memory, with and
// without the author's checks.
#include "app/sessio.h"
#include "bench/breu.h"
#include "content/exercici_fitxer.h"
#include "engine/exercici_inicialitzar.h"
#include "tests/fakes/fakes.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int items = 10000;

std::string exercici_gran() {
    std::string text = "Exercici\tGran\r\nAutor\tBanc\r\nTipus\t6\r\nItems\t" +
                       std::to_string(items) + "\r\nConsigna\tTrobeu-los\r\n";
    for (int i = 1; i <= items; ++i) {
        text += "# item " + std::to_string(i) + "\r\n";
        text += "Consigna\tPregunta " + std::to_string(i) + "\r\n";
        text += "Correctes\tB(LR)\r\nSequencia\tCD\r\nEspecials\t(PUL)\r\n";
        text += "Imatge\tfoto" + std::to_string(i) + ".gif\r\n";
        text += "So\tgos" + std::to_string(i % 50) + ".wav\r\n";
        text += "Be\tok.wav|be.wav\r\nMal\tno_ok.wav\r\nEscenari\t\r\n";
    }
    return text;
}

void preparar(quorvel::fakes::fitxers_falsos& f) {
    f.posar("/ex/gran.brd", exercici_gran());
    for (int i = 1; i <= items; ++i) {
        f.posar("/ex/imatge/foto" + std::to_string(i) + ".gif", "");
    }
    for (int k = 0; k < 50; ++k) {
        f.posar("/ex/veu/gos" + std::to_string(k) + ".wav", "");
    }
    f.posar("/ex/ok.wav", "");
    f.posar("/ex/veu/be.wav", "");
    f.posar("/ex/veu/no_ok.wav", "");
}

void carregar(benchmark::State& state, bool amb_avisos) {
    quorvel::fakes::fitxers_falsos f;
    preparar(f);
    quorvel::sessio s;
    quorvel::exercici_inicialitzar(s, {});
    s.carpeta_programa = "/prog";
    s.n_botons = 12;
    s.n_columnes = 4;
    std::vector<quorvel::avis_lectura> avisos;
    for (auto _ : state) {
        avisos.clear();
        quorvel::exercici_carregar(s, f, "/ex\\gran.brd", amb_avisos ? &avisos : nullptr);
        benchmark::DoNotOptimize(s.elements);
    }
    if (s.n_elements != items || !avisos.empty()) {
        state.SkipWithError("the exercise did not load cleanly");
    }
}

void bm_exercici_10000(benchmark::State& state) {
    carregar(state, false);
}

void bm_exercici_10000_amb_avisos(benchmark::State& state) {
    carregar(state, true);
}

BENCHMARK(bm_exercici_10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(quorvel::bench::quantitat(9, 1))
    ->ReportAggregatesOnly();
BENCHMARK(bm_exercici_10000_amb_avisos)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(quorvel::bench::quantitat(9, 1))
    ->ReportAggregatesOnly();

} // namespace
