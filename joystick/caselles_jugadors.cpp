// Which cells belong to each player: the cells their buttons drive. Apart
// from the polling tick, which it must not slow: scanning reads it once per
// start, the tick on every pass.
#include "joystick/estat_joysticks.h"
#include "joystick/sondeig.h"

#include "core/pas.h"

#include <set>

namespace quorvel {

std::map<int, std::vector<int>> caselles_jugadors(const estat_joysticks& s) {
    std::map<int, std::vector<int>> caselles;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        std::set<int> meves;
        int botons = 0;
        pas([&] { botons = s.joysticks[j].botons_dispositiu; });
        for (int b = 1; b <= botons; ++b) {
            pas([&] {
                const int c = s.mapa_entrades(j, 4 + b);
                if (c >= 1 && c <= s.n_botons && s.mapa_botons.dins(c) &&
                    s.mapa_botons[c].joy > -1) {
                    meves.insert(c);
                }
            });
        }
        caselles[j].assign(meves.begin(), meves.end());
    }
    return caselles;
}

} // namespace quorvel
