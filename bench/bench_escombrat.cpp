// How late a scanning highlight moves: one automatic scanning player steps
// every 50 ms through 16 cells framed on a Qt stage that repaints at 60
// frames a second (as while a picture animates), the steps driven as in the
// program by a 1 ms pump that wakes the polling when a step is due. Each
// step's lateness is the time it moved minus the time it was due; the
// counters give its median and 99th percentile in milliseconds (goal: p99
// at most 5 ms).
#include "app/sessio.h"
#include "bench/breu.h"
#include "content/escenari_fitxer.h"
#include "core/finestra.h"
#include "joystick/escombrat.h"
#include "joystick/sondeig.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/vista_escenari.h"
#include "stage/escenari.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace quorvel;

const mida_pantalla mida{19200, 12000, 15.0, 15.0}; // 1280 x 800 pixels

void retard_ressalt(benchmark::State& estat) {
    fitxers_disc fitxers;
    sessio s;
    fakes::tauler_prova(s, 1, 16, 16);
    fakes::mapejar_tots(s, 1, 16);
    s.n_columnes = 4;
    s.carpeta_exercici = std::string(QUORVEL_SOURCE_DIR) + "/data\\";
    graella_carregar(s, fitxers, std::string(QUORVEL_SOURCE_DIR) + "/data/graella.esc");
    finestra model{nom_escenari};
    escenari_construir(model);
    opcions_vista_escenari o;
    o.mida = mida;
    o.geometria = QRect(0, 0, 1280, 800);
    vista_escenari vista(model, o);
    escenari_preparar(s, fitxers, mida, model);
    vista.show();

    const int passos = bench::quantitat(300, 20);
    std::vector<double> retards;
    for (auto _ : estat) {
        QElapsedTimer rellotge;
        rellotge.start();
        const auto ara = [&] { return static_cast<double>(rellotge.nsecsElapsed()) / 1e6; };
        escombrat e;
        std::optional<double> degut;
        e.connectar({ara, [] { return false; },
                     [&](int j, std::optional<ressalt> r) {
                         if (degut) {
                             retards.push_back(ara() - *degut);
                         }
                         vista.ressaltar(j, r ? std::optional(ressalt_escenari{
                                                    r->casella, 0, 90, 255, true, {}})
                                              : std::nullopt);
                     }});
        e.configurar(1, {mode_escombrat::automatic, 50, 50, 99, false});
        e.engegar(caselles_jugadors(s), s.n_columnes);
        QTimer animacio;
        animacio.setTimerType(Qt::PreciseTimer);
        QObject::connect(&animacio, &QTimer::timeout, [&] { vista.update(); });
        animacio.start(16);
        QTimer bomba;
        bomba.setTimerType(Qt::PreciseTimer);
        QObject::connect(&bomba, &QTimer::timeout, [&] {
            const auto quan = e.proper_pas();
            if (quan && ara() >= *quan) {
                degut = quan;
                e.sondejar([](int, std::optional<double>) {});
                degut.reset();
            }
        });
        bomba.start(1);
        const std::size_t fins = retards.size() + static_cast<std::size_t>(passos);
        prova::esperar([&] { return retards.size() >= fins; }, 60000);
    }
    std::sort(retards.begin(), retards.end());
    if (retards.empty()) {
        estat.SkipWithError("no step was taken");
        return;
    }
    const auto percentil = [&](double p) {
        return retards[std::min(retards.size() - 1,
                                static_cast<std::size_t>(p * static_cast<double>(retards.size())))];
    };
    estat.counters["mediana_ms"] = percentil(0.5);
    estat.counters["p99_ms"] = percentil(0.99);
}
BENCHMARK(retard_ressalt)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
