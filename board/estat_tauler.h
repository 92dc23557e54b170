// The board set-up's part of the run's state: the map file in use.
#pragma once

#include "joystick/estat_joysticks.h"

#include <string>

namespace quorvel {

struct estat_tauler : estat_joysticks {
    std::string mapa_fitxer;
    // Set by "Simular": the cells are driven by pads that are not there, so
    // no press can set the board up.
    bool tauler_simulat = false;
};

} // namespace quorvel
