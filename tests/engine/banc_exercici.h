// Shared by the engine tests: a console window on a board of `botons` cells in
// rows of `columnes`, one pad using every cell, with fakes for every service.
#pragma once

#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"

namespace quorvel::prova {

struct banc_consola {
    fakes::serveis_falsos f;
    serveis sv = f.tots();
    fakes::escenari_fals vista;
    sessio s;
    finestra form1{"Form1"};

    banc_consola(const std::string& tipus, int columnes, int botons) {
        finestra_principal_construir(form1);
        s.carpeta_programa = "/p";
        s.tipus_exercici = tipus;
        s.n_columnes = static_cast<std::int16_t>(columnes);
        s.n_botons = static_cast<std::int16_t>(botons);
        s.n_joysticks = 1;
        s.joysticks.redimensionar(0, 1);
        s.joysticks[1].botons_usats = static_cast<std::int16_t>(botons);
        s.mapa_botons.redimensionar(0, botons);
    }
};

} // namespace quorvel::prova
