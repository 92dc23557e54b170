// The program: the real platform services wired to the logic, the console
// window started and shown, and Qt's event loop.
#include "app/aplicacio.h"
#include "app/finestra_principal.h"
#include "board/configuracio_menus.h"
#include "core/text.h"
#include "engine/motor.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/local/rellotge_sistema.h"
#include "platform/midi/midi_sortida.h"
#include "platform/qt/dialegs_qt.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/media_qt.h"
#include "platform/qt/vista_escenari.h"
#include "platform/qt/vista_finestra.h"
#include "platform/sdl/joystick_sdl.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// Start-up measurement: with QUORVEL_BENCH_SHOWN naming a file, the time of
// the console's first paint (CLOCK_REALTIME, nanoseconds) is written there.
class marca_primera_pintada : public QObject {
  public:
    explicit marca_primera_pintada(const char* fitxer) : fitxer_(fitxer) {}

  protected:
    bool eventFilter(QObject* objecte, QEvent* event) override {
        if (event->type() == QEvent::Paint && !fet_) {
            fet_ = true;
            timespec ara{};
            clock_gettime(CLOCK_REALTIME, &ara);
            if (std::FILE* f = std::fopen(fitxer_.c_str(), "w")) {
                std::fprintf(f, "%lld\n",
                             static_cast<long long>(ara.tv_sec) * 1000000000LL + ara.tv_nsec);
                std::fclose(f);
            }
        }
        return QObject::eventFilter(objecte, event);
    }

  private:
    std::string fitxer_;
    bool fet_ = false;
};

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;

    // SDL would turn SIGINT and SIGTERM into events nobody reads, and the
    // program could then not be stopped by the session or the system.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    const std::string carpeta = de_utf8(QCoreApplication::applicationDirPath().toStdString());

    joystick_sdl joystick;
    fitxers_disc fitxers;
    perfil_ini perfil;
    media_qt media([](const std::string& cami) {
        return std::filesystem::path(fitxers_disc::cami_local(cami));
    });
    midi_sortida midi;
    dialegs_qt dialegs;
    eines_qt eines;
    rellotge_sistema rellotge;
    serveis sv{joystick, fitxers, perfil, media, midi, dialegs, eines, rellotge};

    aplicacio programa(sv, carpeta);
    programa.arrencar();
    escenari_qt escenaris;
    motor exercicis(programa.estat(), programa.sv(), programa.form1(), escenaris);
    registrar_configuracio(programa.estat(), programa.sv(), programa.form1());

    // The view shows the console as the model says: visible once loaded.
    vista_finestra consola(programa.form1(), {finestra_principal_menus(), [&] {
                                                  programa.tancar();
                                                  eines.sortir();
                                              }});
    eines.posar_propietari(&consola);

    std::optional<marca_primera_pintada> marca;
    if (const char* fitxer = std::getenv("QUORVEL_BENCH_SHOWN"); fitxer != nullptr) {
        marca.emplace(fitxer);
        consola.installEventFilter(&*marca);
    }

    return QApplication::exec();
}
