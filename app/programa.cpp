#include "app/programa.h"

#include "app/configuracio.h"
#include "app/peces_programa.h"
#include "board/configuracio_menus.h"
#include "board/configuracio_tick.h"
#include "core/finestra.h"
#include "core/noms_elements.h"

#include <utility>

namespace quorvel {

namespace {

// Start-up runs before the engine registers its handlers, as the console's
// load comes before anything else can react to it.
aplicacio& arrencada(aplicacio& app) {
    app.arrencar();
    return app;
}

} // namespace

programa::programa(serveis sv, std::string carpeta_programa, servei_escenari& escenaris,
                   std::string carpeta_usuari)
    : app_(sv, std::move(carpeta_programa), std::move(carpeta_usuari)),
      exercicis_(arrencada(app_).estat(), app_.sv(), app_.form1(), escenaris) {
    registrar_configuracio(app_.estat(), app_.sv(), app_.form1());
}

void programa::connectar(peces_programa& peces) {
    if (servei_resultats* resultats = peces.resultats()) {
        opcions_resultats opcions =
            configuracio_resultats(app_.estat(), app_.sv().fitxers, app_.sv().perfil);
        if (peces.resultats_sempre()) {
            opcions.actiu = true;
        }
        exercicis_.registre().connectar(*resultats, std::move(opcions));
    }
    peces.filtrar_teclat([this] { return llegint_pads(); });
    exercicis_.en_resultats = [this, &peces] { peces.mostrar_resultats(app_.estat()); };
}

bool programa::llegint_pads() {
    const finestra& form1 = app_.form1();
    if (form1.obtenir(elements::t_joystick).habilitat) {
        return true;
    }
    return form1.obtenir(elements::t_configurar).habilitat &&
           (menu_marcat(form1, elements::mn_configurar) ||
            menu_marcat(form1, elements::mn_joystic));
}

} // namespace quorvel
