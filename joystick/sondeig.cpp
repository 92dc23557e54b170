#include "joystick/sondeig.h"

#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"
#include "joystick/cami_premudes.h"
#include "joystick/estat_joysticks.h"
#include "joystick/joystick.h"

#include <algorithm>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

namespace {

bool es_caracter(int c) {
    return c >= 0 && c <= 255;
}

int entrada_direccio(char lletra) {
    switch (lletra) {
    case 'D':
        return 1;
    case 'E':
        return 2;
    case 'R':
        return 3;
    case 'A':
        return 4;
    default:
        throw error_pas("not a direction letter");
    }
}

// The two-digit numbers that the state text frames as "#" + two digits + "#",
// read once per joystick instead of searching the text for every button.
std::bitset<100> botons_premuts(const std::string& estat) {
    std::bitset<100> premuts;
    for (std::size_t p = estat.find('#'); p != std::string::npos && p + 3 < estat.size();
         p = estat.find('#', p + 1)) {
        const char d = estat[p + 1];
        const char u = estat[p + 2];
        if (d >= '0' && d <= '9' && u >= '0' && u <= '9' && estat[p + 3] == '#') {
            premuts.set(static_cast<std::size_t>((d - '0') * 10 + (u - '0')));
        }
    }
    return premuts;
}

bool conte(const std::string& llista, int c) {
    return llista.find(static_cast<char>(c)) != std::string::npos;
}

// Every button of scanning player j (its switches), through the switch settings. Without
// them a press that came and went between two ticks still counts, seen by
// its change time. Kept out of line: the tick of pads that press directly is
// the hot path, and must not pay for this branch in code size.
template <typename F>
[[gnu::noinline]] void llegir_commutadors(estat_joysticks& s, servei_joystick& js, int j, int id,
                                          const std::bitset<100>& premuts, const F& premuda) {
    const bool breus = s.acceptacio <= 0 && s.repeticio <= 0;
    const auto llegir = [&](int entrada, bool llegida) {
        const double moment = js.moment_canvi(id, entrada);
        s.escombrat_jugadors.llegir(j, entrada, premuda(entrada, llegida), moment, breus);
    };
    int botons = 0;
    pas([&] { botons = s.joysticks[j].botons_dispositiu; });
    for (int b = 1; b <= botons; ++b) {
        llegir(4 + b, premuts.test(static_cast<std::size_t>(b % 100)));
    }
}

} // namespace

void joysticks_sondejar(estat_joysticks& s, servei_joystick& js, cami_premudes& cami) {
    const filtre_commutadors::temps temps_commutadors{static_cast<double>(s.acceptacio),
                                                      static_cast<double>(s.repeticio)};
    const bool amb_filtre = s.acceptacio > 0 || s.repeticio > 0;
    const double ara = amb_filtre ? js.ara_ms() : 0.0;
    if (amb_filtre) {
        s.commutadors.oblidar_termini();
    }

    std::string a;
    // When each cell of `a` was pressed, to hand new presses on in press order.
    std::vector<double> moments_a;
    int b_total = 0;
    int n = 0;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        pas([&] { n = s.num_butons != 0 ? s.n_botons : s.joysticks[j].botons_usats; });
        std::string estat;
        pas([&] { estat = joystick_llegir(s, js, j); });
        int id = -1;
        pas([&] { id = s.joysticks[j].dispositiu - 1; });
        const auto premuda = [&](int entrada, bool llegida) {
            return amb_filtre
                       ? s.commutadors.compta(id, entrada, llegida, js.moment_canvi(id, entrada),
                                              ara, temps_commutadors)
                       : llegida;
        };
        const auto afegir = [&](int c, int entrada) {
            if (es_caracter(c)) {
                a += static_cast<char>(c);
                moments_a.push_back(js.moment_canvi(id, entrada));
            }
        };

        const std::string direccions = estat.substr(0, std::min(estat.find('#'), estat.size()));
        const std::bitset<100> premuts = botons_premuts(estat);
        if (s.escombrat_jugadors.llegeix(j)) [[unlikely]] {
            // A scanning player's inputs are switches: they hold no cell.
            llegir_commutadors(s, js, j, id, premuts, premuda);
            pas([&] { b_total += s.joysticks[j].botons_usats; });
            continue;
        }
        for (const char lletra : direccions) {
            pas([&] {
                const int entrada = entrada_direccio(lletra);
                if (premuda(entrada, true)) {
                    afegir(s.mapa_entrades(j, entrada), entrada);
                }
            });
        }
        if (amb_filtre) {
            for (const char lletra : std::string("DERA")) {
                if (direccions.find(lletra) == std::string::npos) {
                    premuda(entrada_direccio(lletra), false);
                }
            }
        }

        bool amb_cursors = false;
        pas([&] { amb_cursors = s.joysticks[j].amb_cursors != 0; });
        if (amb_cursors) {
            for (int i = 1; i <= 4; ++i) {
                pas([&] {
                    const int c = s.mapa_entrades(j, i);
                    if (es_caracter(c) && !conte(a, c)) {
                        cami.deixar(c);
                    }
                });
            }
        }

        int botons = 0;
        pas([&] { botons = s.joysticks[j].botons_dispositiu; });
        for (int b = 1; b <= botons; ++b) {
            const bool premut = premuda(4 + b, premuts.test(static_cast<std::size_t>(b % 100)));
            pas([&] {
                const int c = s.mapa_entrades(j, 4 + b);
                if (c < b_total + n + 1 && s.mapa_botons.dins(c) && s.mapa_botons[c].joy > -1) {
                    if (premut) {
                        afegir(c, 4 + b);
                    } else {
                        cami.deixar(c);
                    }
                }
            });
        }
        pas([&] { b_total += s.joysticks[j].botons_usats; });
    }

    std::vector<std::size_t> noves;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (s.tipus.cursa_cada_sondeig() || s.caselles_ant.find(a[k]) == std::string::npos) {
            noves.push_back(k);
        }
    }
    s.caselles_ant = a;
    cami.retingudes_pads(a);
    // Two players who press within one tick are told apart by when they
    // pressed, not by their pad numbers.
    std::stable_sort(noves.begin(), noves.end(),
                     [&](std::size_t x, std::size_t y) { return moments_a[x] < moments_a[y]; });

    struct activacio {
        char casella;
        std::optional<double> moment;
    };
    std::vector<activacio> activades;
    if (s.invers) {
        for (int c = 1; c <= s.n_botons && c <= 255; ++c) {
            const bool nova = std::any_of(noves.begin(), noves.end(), [&](std::size_t k) {
                return static_cast<unsigned char>(a[k]) == c;
            });
            if (!nova) {
                activades.push_back({static_cast<char>(c), std::nullopt});
            }
        }
    } else {
        for (const std::size_t k : noves) {
            activades.push_back({a[k], moments_a[k]});
        }
    }

    if (!activades.empty()) {
        for (const activacio& act : activades) {
            cami.activar(static_cast<unsigned char>(act.casella), act.moment);
        }
    } else {
        for (int c = b_total + 1; c <= b_total + n; ++c) {
            pas([&] { cami.deixar(c); });
        }
    }
    s.invers_actiu = s.invers && !activades.empty();
    s.escombrat_jugadors.sondejar([&](int c, std::optional<double> moment) {
        cami.premer({c, true, moment, font_premuda::commutador});
        cami.premer({c, false, moment, font_premuda::commutador});
    });
}

} // namespace quorvel
