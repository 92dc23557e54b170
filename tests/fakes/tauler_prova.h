// A board for tests: pads, their buttons and the cells they drive, set up in
// the session's tables the way the map and joystick set-up leave them.
#pragma once

#include "joystick/estat_joysticks.h"

#include <cstdint>

namespace quorvel::fakes {

// `jugadors` pads of `botons` buttons each, every one of them in use, on a
// board of `caselles` cells; pad j is device j, detected at rest in the middle
// of its range with a dead zone of 3. No input drives a cell yet (-2).
inline void tauler_prova(estat_joysticks& s, int jugadors, int caselles, int botons) {
    s.n_dispositius = s.n_joysticks = static_cast<std::int16_t>(jugadors);
    s.n_botons = static_cast<std::int16_t>(caselles);
    s.joysticks.redimensionar(0, jugadors);
    s.mapa_botons.redimensionar(0, caselles);
    s.mapa_entrades.redimensionar(0, jugadors, 0, botons + 4);
    for (int j = 1; j <= jugadors; ++j) {
        s.joysticks[j] = {static_cast<std::int16_t>(j),
                          {32768, 32768, 0, 0},
                          static_cast<std::int16_t>(botons),
                          static_cast<std::int16_t>(botons),
                          3,
                          "",
                          0,
                          ""};
        for (int i = 0; i <= botons + 4; ++i) {
            s.mapa_entrades(j, i) = -2;
        }
    }
}

// Input `entrada` of pad `j` drives `casella`, in both directions of the map.
inline void mapejar(estat_joysticks& s, int j, int entrada, int casella) {
    s.mapa_entrades(j, entrada) = static_cast<std::int16_t>(casella);
    if (s.mapa_botons.dins(casella)) {
        s.mapa_botons[casella] = {static_cast<std::int16_t>(j), static_cast<std::int16_t>(entrada)};
    }
}

// Button b of each pad (input 4 + b) drives cell (j - 1) * botons + b.
inline void mapejar_tots(estat_joysticks& s, int jugadors, int botons) {
    for (int j = 1; j <= jugadors; ++j) {
        for (int b = 1; b <= botons; ++b) {
            mapejar(s, j, 4 + b, (j - 1) * botons + b);
        }
    }
}

} // namespace quorvel::fakes
