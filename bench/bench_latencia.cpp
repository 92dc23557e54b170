// Press-to-event latency: from an SDL virtual pad's button change to the
// cell's change reaching the dispatcher, and to the stage model's token
// moving, in the bundled race exercise with the polling interval at 100 ms.
// "temporitzador" leaves the press to the polling timer alone; "despertat"
// adds the pump that runs the polling as soon as SDL reports the change.
// Each case presses 100 times at random moments between ticks and reports
// the median and the 99th percentile in milliseconds.
#include "app/programa.h"
#include "bench/breu.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "engine/motor.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/sondeig_immediat.h"
#include "platform/sdl/joystick_sdl.h"
#include "tests/fakes/fakes.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <SDL.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace {

using namespace quorvel;
namespace fs = std::filesystem;
using rellotge = std::chrono::steady_clock;

QApplication& aplicacio_qt() {
    static int argc = 1;
    static char nom[] = "bench_latencia";
    static char* argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

// The real toolkit without its modal boxes: "play again?" is declined, and
// the measurement opens the race again itself.
class eines_sense_missatges : public eines_qt {
  public:
    resposta_missatge missatge(const std::string&, botons_missatge, const std::string&) override {
        return resposta_missatge::cancel;
    }
};

void esperar_ms(double ms) {
    QEventLoop bucle;
    QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &bucle, &QEventLoop::quit);
    bucle.exec();
}

double percentil(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto k = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}

void latencia(benchmark::State& estat, bool despertat) {
    aplicacio_qt();
    const fs::path carpeta = fs::temp_directory_path() / "quorvel-bench-latencia";
    fs::remove_all(carpeta);
    fs::copy(std::string(QUORVEL_SOURCE_DIR) + "/data", carpeta, fs::copy_options::recursive);

    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 2;
    desc.nbuttons = 12;
    desc.name = "Quorvel bench pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    SDL_Joystick* pad = SDL_JoystickOpen(index);

    std::vector<double> al_despatxador;
    std::vector<double> a_l_escenari;
    {
        joystick_sdl js;
        fakes::serveis_falsos f;
        fitxers_disc disc;
        perfil_ini perfil;
        eines_sense_missatges eines;
        fakes::escenari_fals escenaris;
        programa p(serveis{js, disc, perfil, f.media, f.midi, f.dialegs, eines, f.rellotge},
                   carpeta.string(), escenaris);
        finestra& form1 = p.app().form1();

        std::optional<rellotge::time_point> premut, casella, escenari;
        const int obs_casella = form1.observar([&](const element& e, propietat q) {
            if (q == propietat::text && e.nom == elements::caselles && e.text == "1" && premut &&
                !casella) {
                casella = rellotge::now();
            }
        });
        // The race is opened again once it is won; its stage is a new model.
        const auto obrir_cursa = [&] {
            f.dialegs.respostes.push_back((carpeta / "exercicis/18_cursa/cursa.brd").string());
            form1.clic(elements::mn_fitxers);
            if (finestra* actual = p.exercicis().actual().escenari()) {
                actual->observar([&](const element& e, propietat q) {
                    if (q == propietat::posicio && e.nom == elements::imatge && premut &&
                        !escenari) {
                        escenari = rellotge::now();
                    }
                });
            }
        };

        std::unique_ptr<sondeig_immediat> sondeig;
        if (despertat) {
            sondeig = std::make_unique<sondeig_immediat>(
                form1, std::string(elements::t_joystick), js,
                [&] { return p.app().estat().commutadors.proper_termini(); });
        }

        std::mt19937 atzar(7);
        std::uniform_real_distribution<double> fase(0.0, 100.0);
        for (auto _ : estat) {
            for (int k = 0; k < bench::quantitat(100, 5); ++k) {
                if (!form1.obtenir(elements::t_joystick).habilitat) {
                    obrir_cursa();
                }
                esperar_ms(fase(atzar));
                premut = rellotge::now();
                casella.reset();
                escenari.reset();
                SDL_JoystickSetVirtualButton(pad, 0, 1);
                const auto limit = *premut + std::chrono::milliseconds(500);
                while ((!casella || !escenari) && rellotge::now() < limit) {
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
                }
                const auto ms = [&](const std::optional<rellotge::time_point>& t) {
                    return std::chrono::duration<double, std::milli>(t.value_or(limit) - *premut)
                        .count();
                };
                al_despatxador.push_back(ms(casella));
                a_l_escenari.push_back(ms(escenari));
                premut.reset();
                SDL_JoystickSetVirtualButton(pad, 0, 0);
                esperar_ms(120);
            }
        }
        estat.counters["despatxador_mediana_ms"] = percentil(al_despatxador, 0.5);
        estat.counters["despatxador_p99_ms"] = percentil(al_despatxador, 0.99);
        estat.counters["escenari_mediana_ms"] = percentil(a_l_escenari, 0.5);
        estat.counters["escenari_p99_ms"] = percentil(a_l_escenari, 0.99);
        form1.deixar_observar(obs_casella);
        form1.clic(elements::aturar);
    }
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    fs::remove_all(carpeta);
}

BENCHMARK_CAPTURE(latencia, temporitzador, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(latencia, despertat, true)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
