// The results log: what logging one judged press adds (the row made and
// appended to the day's file on the local disk), and the summary of a year of
// daily logs (200 files of 2,000 rows) as the results window and
// quorvel-inspect results read them. The logs go to a folder under the
// current directory, so that the disk measured is the one the program
// writes to, not a memory file system.
#include "app/sessio.h"
#include "bench/breu.h"
#include "content/resultats.h"
#include "core/finestra.h"
#include "engine/jutjar.h"
#include "engine/registre_premudes.h"
#include "platform/local/resultats_disc.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace quorvel;

const fs::path carpeta_bench = fs::current_path() / "bench_resultats_logs";

void premuda_registrada(benchmark::State& estat) {
    fs::remove_all(carpeta_bench);
    sessio s;
    fakes::tauler_prova(s, 2, 16, 8);
    for (int k = 1; k <= 16; ++k) {
        s.mapa_botons[k].joy = static_cast<std::int16_t>(k <= 8 ? 1 : 2);
    }
    s.fitxer_exercici = "/exercicis/troba.brd";
    fakes::fitxers_falsos fitxers;
    fitxers.posar(s.fitxer_exercici, "Exercici\tTroba la casella\n");
    fakes::rellotge_fals rellotge;
    fakes::joystick_fals joystick;
    finestra form1("Form1");
    resultats_disc disc((carpeta_bench / "resultats").string());
    registre_premudes registre(s, fitxers, rellotge, joystick, form1);
    registre.connectar(disc, {true, {{1, "Anna"}, {2, "Pau"}}});
    registre.pregunta_nova();
    int k = 0;
    for (auto _ : estat) {
        rellotge.ara += 0.37;
        k = k % 16 + 1;
        const auto premuda = registre.abans_de_jutjar(k, rellotge.ara, origen_premuda::pad);
        registre.jutjada(premuda, k % 3 == 0 ? judici_mal : judici_be, false);
    }
    fs::remove_all(carpeta_bench);
}

// A year of daily logs: two classes of eight players, 2,000 rows a day.
void un_any_de_logs(const fs::path& carpeta) {
    fs::create_directories(carpeta);
    const char* resultats[] = {"right", "wrong", "right", "final", "ignored", "right", "pair"};
    for (int d = 0; d < bench::quantitat(200, 5); ++d) {
        const std::string dia =
            "2026-" + std::string(d / 28 + 1 < 10 ? "0" : "") + std::to_string(d / 28 + 1) + "-" +
            std::string(d % 28 + 1 < 10 ? "0" : "") + std::to_string(d % 28 + 1);
        std::string text = capcalera_resultats();
        for (int r = 0; r < 2000; ++r) {
            fila_resultat f{moment_iso(dia, 36000.0 + r * 1.3),
                            "/home/mestra/exercicis/troba.brd",
                            "Troba la casella, si us plau",
                            r / 40 + 1,
                            r % 8 + 1,
                            "Alumne " + std::to_string(r % 8 + 1),
                            r % 16 + 1,
                            *resultat_de_nom(resultats[r % 7]),
                            1000 + (r * 37) % 4000,
                            r % 5 == 0 ? std::optional<long>() : std::optional<long>(r % 900)};
            text += fila_csv(f);
        }
        std::ofstream(carpeta / (dia + ".csv"), std::ios::binary) << text;
    }
}

void resum_un_any(benchmark::State& estat) {
    const fs::path carpeta = carpeta_bench / "any";
    fs::remove_all(carpeta_bench);
    un_any_de_logs(carpeta);
    std::vector<fs::path> fitxers;
    for (const auto& e : fs::directory_iterator(carpeta)) {
        fitxers.push_back(e.path());
    }
    for (auto _ : estat) {
        acumulador_resultats a;
        for (const fs::path& f : fitxers) {
            std::ifstream entrada(f, std::ios::binary);
            std::ostringstream text;
            text << entrada.rdbuf();
            a.afegir(text.str());
        }
        const resum_resultats r = a.resum();
        benchmark::DoNotOptimize(r.jugadors.data());
        estat.counters["files"] = static_cast<double>(r.files);
    }
    fs::remove_all(carpeta_bench);
}

} // namespace

BENCHMARK(premuda_registrada)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(bench::quantitat(9, 1))
    ->ReportAggregatesOnly(true);
BENCHMARK(resum_un_any)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(bench::quantitat(3, 1))
    ->ReportAggregatesOnly(true);
