// Time from the start of an exercise to the players seeing a full board: the
// stage model of 255 cells laid out by escenari_preparar and the Qt view's
// first paint, offscreen, on a 1920 x 1080 stage. Pictures are either the 16
// bundled ones shared by all cells, or 255 files of their own. A third case
// is the repaint after one cell's picture changes, as the dispatcher does on
// every press.
#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/finestra.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/vista_escenari.h"
#include "stage/escenari.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace quorvel;
namespace fs = std::filesystem;

constexpr int cel_les = 255;
const mida_pantalla mida{28800, 16200, 15.0, 15.0}; // 1920 x 1080 pixels
const QRect geometria(0, 0, 1920, 1080);

opcions_vista_escenari opcions() {
    opcions_vista_escenari o;
    o.mida = mida;
    o.geometria = geometria;
    return o;
}

// Notes that the watched widget has painted.
class pintat : public QObject {
  public:
    bool fet = false;

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            fet = true;
        }
        return QObject::eventFilter(objecte, event);
    }
};

// A scenario of kind 2 whose cell j shows the picture nom(j).
template <class F> std::string escriure_escenari(const fs::path& carpeta, F nom) {
    std::string text = "Tauler complet\r\nTipus\t2\r\nElements\t1\r\nFons\tfons.png\r\n"
                       "Dalt\t0\r\nEsquerra\t0\r\nDreta\t640\r\nBaix\t480\r\nPas x\t0\r\n"
                       "Pas y\t0\r\nAmplada\t128\r\nAlcada\t140\r\nFitxers\t" +
                       std::to_string(cel_les) + "\r\n";
    for (int j = 0; j <= cel_les; ++j) {
        text += "Imatge\t" + nom(j) + "\r\n";
    }
    const fs::path cami = carpeta / "tauler.esc";
    std::ofstream(cami, std::ios::binary) << text;
    return cami.string();
}

// The session of a full board read from a scenario file.
struct tauler {
    fitxers_disc fitxers;
    sessio s;
    fs::path temporal;

    explicit tauler(bool propies) {
        temporal = fs::temp_directory_path() /
                   ("quorvel_bench_escenari_" + std::to_string(QCoreApplication::applicationPid()));
        fs::create_directories(temporal / "imatge");
        const std::string dades = std::string(QUORVEL_SOURCE_DIR) + "/data";
        std::string escenari;
        if (propies) {
            fs::copy_file(dades + "/imatge/fons.png", temporal / "imatge" / "fons.png",
                          fs::copy_options::overwrite_existing);
            for (int j = 0; j <= cel_les; ++j) {
                QImage img(128, 140, QImage::Format_ARGB32);
                img.fill(QColor::fromHsv(j * 359 / cel_les, 180, 200));
                QPainter p(&img);
                p.setFont(QFont(QStringLiteral("DejaVu Sans"), 40, QFont::Bold));
                p.drawText(img.rect(), Qt::AlignCenter, QString::number(j));
                p.end();
                img.save(QString::fromStdString(
                    (temporal / "imatge" / ("c" + std::to_string(j) + ".png")).string()));
            }
            s.carpeta_exercici = temporal.string() + "\\";
            escenari =
                escriure_escenari(temporal, [](int j) { return "c" + std::to_string(j) + ".png"; });
        } else {
            s.carpeta_exercici = dades + "\\";
            escenari = escriure_escenari(temporal, [](int j) {
                char nom[32];
                std::snprintf(nom, sizeof nom, "casella_%02d.png", j % 15 + 2);
                return std::string(nom);
            });
        }
        fakes::tauler_prova(s, 4, cel_les, 0);
        s.n_columnes = 16;
        graella_carregar(s, fitxers, escenari);
    }
    ~tauler() {
        std::error_code ec;
        fs::remove_all(temporal, ec);
    }
    tauler(const tauler&) = delete;
    tauler& operator=(const tauler&) = delete;
};

void mostrar_tauler(benchmark::State& estat, bool propies) {
    tauler t(propies);
    for (auto _ : estat) {
        pintat p;
        finestra model{nom_escenari};
        escenari_construir(model);
        vista_escenari vista(model, opcions());
        vista.installEventFilter(&p);
        escenari_preparar(t.s, t.fitxers, mida, model);
        if (!prova::esperar([&p] { return p.fet; }, 5000)) {
            estat.SkipWithError("the stage was never painted");
            return;
        }
    }
}

void tauler_imatges_compartides(benchmark::State& estat) {
    mostrar_tauler(estat, false);
}
BENCHMARK(tauler_imatges_compartides)->Unit(benchmark::kMillisecond)->UseRealTime();

void tauler_imatges_propies(benchmark::State& estat) {
    mostrar_tauler(estat, true);
}
BENCHMARK(tauler_imatges_propies)->Unit(benchmark::kMillisecond)->UseRealTime();

void canvi_imatge_cel_la(benchmark::State& estat) {
    tauler t(false);
    finestra model{nom_escenari};
    escenari_construir(model);
    vista_escenari vista(model, opcions());
    pintat p;
    vista.installEventFilter(&p);
    escenari_preparar(t.s, t.fitxers, mida, model);
    prova::esperar([&p] { return p.fet; }, 5000);
    const std::string premut = model.obtenir("imatge", 2).imatge;
    const std::string deixat = model.obtenir("imatge", 3).imatge;
    int n = 0;
    for (auto _ : estat) {
        p.fet = false;
        model.posar_imatge("imatge", 100, ++n % 2 == 0 ? premut : deixat);
        if (!prova::esperar([&p] { return p.fet; }, 5000)) {
            estat.SkipWithError("the change was never painted");
            return;
        }
    }
}
BENCHMARK(canvi_imatge_cel_la)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

// The application lives in main, not in a static: destroyed at exit after
// Qt's own statics, it crashes the program once every benchmark has run.
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
