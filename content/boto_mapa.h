// One cell of the board map: the joystick and the input that drive it.
#pragma once

#include <cstdint>

namespace quorvel {

struct boto_mapa {
    std::int16_t joy = 0;     // joystick 1..n; 0 unassigned; -1 or less switched off
    std::int16_t entrada = 0; // 1..4 directions D, E, R, A; 4 + b button b
};

} // namespace quorvel
