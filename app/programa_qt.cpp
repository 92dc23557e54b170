#include "app/programa_qt.h"

#include "app/finestra_principal.h"
#include "app/programa.h"
#include "platform/local/carpeta_programa.h"
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

#include <cstdlib>
#include <filesystem>

namespace quorvel {

int programa_executar(int argc, char** argv, const opcions_execucio& opcions) {
    // SDL would turn SIGINT and SIGTERM into events nobody reads, and the
    // program could then not be stopped by the session or the system.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    const carpetes_execucio carpetes = opcions.carpeta_programa.empty()
                                           ? carpetes_execucio_actuals()
                                           : carpetes_execucio{opcions.carpeta_programa, {}};

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
    escenari_qt escenaris;
    programa p(serveis{joystick, fitxers, perfil, media, midi, dialegs, eines, rellotge},
               carpetes.programa, escenaris, carpetes.usuari);

    // The view shows the console as the model says: visible once loaded.
    vista_finestra consola(p.app().form1(), {finestra_principal_menus(), [&] {
                                                 p.app().tancar();
                                                 eines.sortir();
                                             }});
    eines.posar_propietari(&consola);
    if (opcions.filtre_consola != nullptr) {
        consola.installEventFilter(opcions.filtre_consola);
    }

    return QApplication::exec();
}

} // namespace quorvel
