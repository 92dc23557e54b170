// The pads' part of the run's state: the pads found, how they are read, and
// what the polling saw at its last tick.
#pragma once

#include "core/taula.h"
#include "joystick/escombrat.h"
#include "joystick/filtre_commutadors.h"
#include "joystick/fitxa_joystick.h"
#include "stage/estat_escena.h"

#include <cstdint>
#include <optional>
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
    // Switch settings, milliseconds (0: off).
    std::int16_t acceptacio = 0;
    std::int16_t repeticio = 0;
    // The keyboard reads as one more pad after the real ones.
    bool teclat = false;
    filtre_commutadors commutadors;
    // The players who scan their cells with one or two switches.
    escombrat escombrat_jugadors;
};

} // namespace quorvel
