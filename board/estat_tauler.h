// The board set-up's part of the run's state: the map file in use.
#pragma once

#include "joystick/estat_joysticks.h"

#include <set>
#include <string>

namespace quorvel {

struct estat_tauler : estat_joysticks {
    std::string mapa_fitxer;
    // Set by "Simular": the cells are driven by pads that are not there, so
    // no press can set the board up.
    bool tauler_simulat = false;
    // The cells the cell commands act on: every cell the operator clicked,
    // with no exercise running, since the last command.
    std::set<int> seleccio;
};

} // namespace quorvel
