// The board set-up's part of the run's state: the map file in use and the
// set-up that runs.
#pragma once

#include "joystick/estat_joysticks.h"

#include <cstdint>
#include <string>

namespace quorvel {

// A set-up procedure that runs. While one runs the cells are the set-up's:
// a press is no press of the exercise that may be loaded.
enum class mode_configuracio {
    cap,
    tauler,    // the board or a cell being set up, one cell after another
    joysticks, // the pads being checked
};

struct estat_tauler : estat_joysticks {
    std::string mapa_fitxer;
    // Set by "Simular": the cells are driven by pads that are not there, so
    // no press can set the board up.
    bool tauler_simulat = false;
    mode_configuracio configuracio = mode_configuracio::cap;
    // The cell a set-up waits for an input for, which the set-up tick lights
    // and counts on; -1 after a cell that failed.
    std::int16_t casella_configurant = 0;
};

} // namespace quorvel
