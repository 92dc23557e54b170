// One player's joystick record: device, rest position, buttons, dead zone and
// the per-player state of the check and race exercises.
#pragma once

#include "platform/servei_joystick.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct fitxa_joystick {
    std::int16_t dispositiu = 0;   // device number counted from 1
    posicio_joystick centre;       // position read at detection
    std::int16_t botons_usats = 0; // buttons that take part in the board
    std::int16_t botons_dispositiu = 0;
    std::int16_t llindar = 0; // dead zone in tenths of the centre value
    std::string resposta_jugador;
    std::int16_t amb_cursors = 0; // -1: directions of this joystick are decoded
    std::string ajust;            // outcome of the joystick check
};

} // namespace quorvel
