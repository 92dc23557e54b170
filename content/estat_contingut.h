// The content part of the run's state: the board the content is read for
// (players, cells, columns, which input drives each cell), the loaded
// exercise and the loaded scenario.
#pragma once

#include "content/boto_mapa.h"
#include "content/casella_esc.h"
#include "content/element_exercici.h"
#include "content/tipus_exercici.h"
#include "core/model_caselles.h"
#include "core/taula.h"
#include "i18n/estat_idioma.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

struct estat_contingut : estat_idioma {
    // Board.
    std::int16_t n_joysticks = 0;
    std::int16_t n_botons_total = 0;
    std::int16_t n_botons = 0;
    std::int16_t n_columnes = 0;
    taula2<std::int16_t> mapa_entrades;
    taula<boto_mapa> mapa_botons;
    // What each cell holds and shows; the console's cells render it.
    model_caselles caselles;

    // Exercise.
    // Read once from the type text; set through tipus_de_text.
    tipus_exercici tipus;
    std::string fitxer_exercici;
    std::string carpeta_exercici;
    std::int16_t n_items = 0;
    taula<std::string> llista_exercici;
    std::int16_t n_elements = 0;
    taula<element_exercici> elements;
    std::string consigna_exercici;
    std::int16_t valor_extra = 0;
    // Where the count and each item's cell lists stand in the file, kept by a
    // load that notes findings, for checking the cells against a board.
    std::size_t linia_compte = 0;
    std::vector<linies_element> linies_elements;

    // Scenario.
    std::string graella_fitxer;
    taula<casella_esc> graella;
    std::string esc_titol;
    std::int16_t esc_n = 0;
    std::int16_t esc_tipus = 0;
    std::int16_t esc_llegint = 0;
};

} // namespace quorvel
