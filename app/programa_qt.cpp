#include "app/programa_qt.h"

#include "app/configuracio.h"
#include "app/finestra_principal.h"
#include "app/programa.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/text.h"
#include "platform/local/carpetes_usuari.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/local/rellotge_sistema.h"
#include "platform/local/resultats_disc.h"
#include "platform/midi/midi_sortida.h"
#include "platform/qt/dialegs_qt.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/finestra_resultats.h"
#include "platform/qt/media_qt.h"
#include "platform/qt/vista_escenari.h"
#include "platform/qt/vista_finestra.h"
#include "platform/sdl/joystick_sdl.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace quorvel {

int programa_executar(int argc, char** argv, const opcions_execucio& opcions) {
    // SDL would turn SIGINT and SIGTERM into events nobody reads, and the
    // program could then not be stopped by the session or the system.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));

    const std::string carpeta = opcions.carpeta_programa.empty()
                                    ? de_utf8(QCoreApplication::applicationDirPath().toStdString())
                                    : opcions.carpeta_programa;

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
    programa p(serveis{joystick, fitxers, perfil, media, midi, dialegs, eines, rellotge}, carpeta,
               escenaris);

    const std::string carpeta_resultats =
        carpetes_usuari_per(a_utf8(carpeta), false).dades + "/resultats";
    resultats_disc resultats(carpeta_resultats);
    p.exercicis().registre().connectar(resultats,
                                       configuracio_resultats(p.app().estat(), fitxers, perfil));

    // The view shows the console as the model says: visible once loaded.
    vista_finestra consola(p.app().form1(), {finestra_principal_menus(), [&] {
                                                 p.app().tancar();
                                                 eines.sortir();
                                             }});
    eines.posar_propietari(&consola);
    std::unique_ptr<finestra_resultats> finestra_res;
    p.exercicis().en_resultats = [&] {
        if (!finestra_res) {
            finestra_res = std::make_unique<finestra_resultats>(carpeta_resultats);
        }
        finestra_res->mostrar_avui(resultats.data_avui());
        finestra_res->show();
        finestra_res->raise();
    };
    if (opcions.filtre_consola != nullptr) {
        consola.installEventFilter(opcions.filtre_consola);
    }

    return QApplication::exec();
}

} // namespace quorvel
