// Shared by the engine tests: a console window on a board of `botons` cells in
// rows of `columnes`, one pad using every cell, with fakes for every service.
#pragma once

#include "app/finestra_principal.h"
#include "app/sessio.h"
#include "core/finestra.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

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
        s.tipus = tipus_de_text(tipus);
        s.n_columnes = static_cast<std::int16_t>(columnes);
        fakes::tauler_prova(s, 1, botons, botons);
    }
};

} // namespace quorvel::prova
