// A stage element of the scenario and the media items of its list.
#pragma once

#include "core/taula.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct element_jugador {
    std::string cami;
    std::int16_t amplada = 0;
    std::int16_t alcada = 0;
};

struct casella_esc {
    std::string nom;
    taula<element_jugador> fitxers;
    std::int16_t amplada = 0;
    std::int16_t alcada = 0;
    std::int32_t x_ini = 0;
    std::int32_t y_ini = 0;
    std::int32_t x_fi = 0;
    std::int32_t y_fi = 0;
    std::int16_t pas_x = 0;
    std::int16_t pas_y = 0;
};

} // namespace quorvel
