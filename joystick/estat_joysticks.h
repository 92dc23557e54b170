// The pads' part of the run's state: the pads found, how they are read, and
// what the polling saw at its last tick.
#pragma once

#include "core/taula.h"
#include "joystick/fitxa_joystick.h"
#include "stage/estat_escena.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct estat_joysticks : estat_escena {
    std::int16_t n_dispositius = 0;
    taula<fitxa_joystick> joysticks{0, 0};
    std::int16_t num_butons = 0;
    bool cursors = false;
    bool invers = false;
    std::string caselles_ant;
    bool invers_actiu = false;
};

} // namespace quorvel
