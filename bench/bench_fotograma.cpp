// Press to picture: from a mouse press entering the press path to the end of
// the stage's next paint, with the real Qt stage view. On an X server (run
// under xvfb-run with QT_QPA_PLATFORM unset) the paint is the frame the
// players see; without a display it runs offscreen. The bundled pairs
// exercise is played on the bundled map, where every cell is player 1's: a
// press shows its card on the stage and the release covers it again. Presses
// come at random moments and cycle through the eight cards; the benchmark
// reports the median and the 99th percentile in milliseconds, and the 99th
// percentile once every card has been shown once (the first show of a
// picture decodes and scales it).
#include "app/programa.h"
#include "bench/breu.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "engine/motor.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/vista_escenari.h"
#include "tests/fakes/fakes.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <random>
#include <vector>

namespace {

using namespace quorvel;
namespace fs = std::filesystem;
using rellotge = std::chrono::steady_clock;

// The real toolkit without its modal boxes: the instructions are skipped.
class eines_sense_missatges : public eines_qt {
  public:
    resposta_missatge missatge(const std::string&, botons_missatge, const std::string&) override {
        return resposta_missatge::cancel;
    }
};

// Notes when a paint of the watched widget has been done and flushed: the
// paint runs inside the window's update request, so a call queued from the
// paint event runs once that request, flush included, is over.
class pintat : public QObject {
  public:
    std::optional<rellotge::time_point> fet;

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                this, [this] { fet = rellotge::now(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(objecte, event);
    }
};

void esperar_ms(double ms) {
    QEventLoop bucle;
    QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &bucle, &QEventLoop::quit);
    bucle.exec();
}

bool esperar_pintat(const pintat& p, int ms) {
    const auto limit = rellotge::now() + std::chrono::milliseconds(ms);
    while (!p.fet && rellotge::now() < limit) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    return p.fet.has_value();
}

double percentil(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const auto k = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}

void premuda_a_fotograma(benchmark::State& estat) {
    const fs::path carpeta = fs::temp_directory_path() / "quorvel-bench-fotograma";
    fs::remove_all(carpeta);
    fs::copy(std::string(QUORVEL_SOURCE_DIR) + "/data", carpeta, fs::copy_options::recursive);

    std::vector<double> mesures;
    {
        fakes::serveis_falsos f;
        // One pad of 16 buttons, never pressed: the board's cells exist.
        fakes::dispositiu_fals pad;
        pad.botons = 16;
        f.joystick.dispositius.push_back(pad);
        fitxers_disc disc;
        perfil_ini perfil;
        eines_sense_missatges eines;
        opcions_vista_escenari o;
        o.geometria = QRect(0, 0, 1024, 768);
        escenari_qt escenaris(o);
        programa p(serveis{f.joystick, disc, perfil, f.media, f.midi, f.dialegs, eines, f.rellotge},
                   carpeta.string(), escenaris);
        finestra& form1 = p.app().form1();
        f.dialegs.respostes.push_back((carpeta / "exercicis/07_parelles/parelles.brd").string());
        form1.clic(elements::mn_fitxers);
        finestra* model = p.exercicis().actual().escenari();
        vista_escenari* vista = model != nullptr ? escenaris.vista(*model) : nullptr;
        if (vista == nullptr || !form1.obtenir(elements::t_joystick).habilitat) {
            estat.SkipWithError("the pairs exercise did not start");
            fs::remove_all(carpeta);
            return;
        }
        pintat pi;
        vista->installEventFilter(&pi);
        if (!esperar_pintat(pi, 5000)) {
            estat.SkipWithError("the stage was never painted");
            fs::remove_all(carpeta);
            return;
        }
        estat.SetLabel(QGuiApplication::platformName().toStdString());

        std::mt19937 atzar(7);
        std::uniform_real_distribution<double> fase(0.0, 20.0);
        const auto premer = [&](int c, bool avall) {
            p.exercicis().premudes().premer({c, avall, std::nullopt, font_premuda::ratoli_consola});
        };
        for (auto _ : estat) {
            for (int k = 0; k < bench::quantitat(200, 5); ++k) {
                const int c = 1 + k % 8;
                esperar_ms(fase(atzar));
                pi.fet.reset();
                const auto inici = rellotge::now();
                premer(c, true);
                if (!esperar_pintat(pi, 1000)) {
                    estat.SkipWithError("a press was never painted");
                    break;
                }
                mesures.push_back(
                    std::chrono::duration<double, std::milli>(*pi.fet - inici).count());
                pi.fet.reset();
                premer(c, false);
                esperar_pintat(pi, 1000);
            }
        }
        vista->removeEventFilter(&pi);
        form1.clic(elements::aturar);
    }
    fs::remove_all(carpeta);
    if (!mesures.empty()) {
        estat.counters["premudes"] = static_cast<double>(mesures.size());
        estat.counters["mediana_ms"] = percentil(mesures, 0.5);
        estat.counters["p99_ms"] = percentil(mesures, 0.99);
        estat.counters["maxim_ms"] = percentil(mesures, 1.0);
        // Presses painted later than one frame at 60 Hz.
        estat.counters["tard"] = static_cast<double>(std::count_if(
            mesures.begin(), mesures.end(), [](double ms) { return ms > 1000.0 / 60; }));
        if (mesures.size() > 8) {
            estat.counters["p99_vistes_ms"] =
                percentil(std::vector<double>(mesures.begin() + 8, mesures.end()), 0.99);
        }
    }
}
BENCHMARK(premuda_a_fotograma)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

// The application lives in main: the stage views need it around every run.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
