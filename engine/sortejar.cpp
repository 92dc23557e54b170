#include "engine/sortejar.h"

#include "core/errors.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "platform/rellotge.h"

#include <cmath>
#include <vector>

namespace quorvel {

namespace {

// Integer part of n x r, r in [0, 1).
int part_entera(double n, double r) {
    return static_cast<int>(std::floor(n * r));
}

void caselles_estat_crear(estat_joc& s) {
    s.caselles_estat.redimensionar(0, s.n_botons, 0, 3);
}

void omplir_coordenades(estat_joc& s) {
    if (s.n_columnes <= 0) {
        throw error_aritmetic("board has no columns");
    }
    for (int c = 1; c <= s.n_botons; ++c) {
        s.caselles_estat(c, 1) = static_cast<std::int16_t>((c - 1) / s.n_columnes + 1);
        s.caselles_estat(c, 2) = static_cast<std::int16_t>((c - 1) % s.n_columnes + 1);
        s.caselles_estat(c, 3) = 0;
    }
}

// Draws beyond this many are not tried at random: the remaining choice is made
// among the cells that qualify, so the draw cannot loop for ever.
constexpr int maxim_intents_casella = 64;

} // namespace

void element_sortejar(estat_joc& s, servei_rellotge& r) {
    const int k = part_entera(s.n_elements, r.aleatori()) + 1;
    s.elements[0] = s.elements[k];
    s.resposta.clear();
}

std::int16_t casella_sortejar(estat_joc& s, servei_rellotge& r) {
    // resposta holds cell letters: its last letter names the cell last answered.
    const int ultima = s.resposta.empty() ? -1 : casella_lletra(s.resposta.back());
    const auto qualifica = [&](int k) {
        return k < s.n_items && k < s.n_botons && s.mapa_botons.dins(k) &&
               s.mapa_botons[k].joy != -2 && k != ultima;
    };
    int triada = 0;
    for (int intent = 0; intent < maxim_intents_casella && triada == 0; ++intent) {
        const int k = part_entera(s.n_botons - 1, r.aleatori()) + 1;
        if (qualifica(k)) {
            triada = k;
        }
    }
    if (triada == 0) {
        std::vector<int> candidates;
        for (int k = 1; k <= s.n_botons - 1; ++k) {
            if (qualifica(k)) {
                candidates.push_back(k);
            }
        }
        if (candidates.empty()) {
            return 0;
        }
        triada = candidates[static_cast<std::size_t>(
            part_entera(static_cast<double>(candidates.size()), r.aleatori()))];
    }
    s.elements[0].correctes = text_casella(triada);
    s.resposta.clear();
    return static_cast<std::int16_t>(triada);
}

void caselles_numerar(estat_joc& s) {
    caselles_estat_crear(s);
    for (int j = 1; j <= s.n_joysticks; ++j) {
        int ordre = 1;
        for (int c = 1; c <= s.n_botons; ++c) {
            if (s.mapa_botons[c].joy != j) {
                continue;
            }
            s.caselles_estat(c, 1) = static_cast<std::int16_t>(j);
            s.caselles_estat(c, 2) = static_cast<std::int16_t>(ordre);
            ++ordre;
            if (ordre > s.joysticks[j].botons_usats) {
                break;
            }
        }
    }
}

void caselles_coordenades(estat_joc& s, servei_rellotge& r) {
    caselles_estat_crear(s);
    omplir_coordenades(s);
    const int k = part_entera(s.n_botons, r.aleatori()) + 1;
    s.caselles_estat(k, 3) = 2;
    s.elements[0].especials = caracter(k);
}

void caselles_marcar(estat_joc& s, servei_rellotge& r, int a) {
    caselles_estat_crear(s);
    omplir_coordenades(s);
    const int n = a == 1 ? s.n_botons * 5 / 100 : 0;
    for (int i = 0; i < n; ++i) {
        const int k = part_entera(s.n_botons, r.aleatori()) + 1;
        if (casella_ocupada(s, k)) {
            continue;
        }
        s.caselles_estat(k, 3) = 2;
        const int fila = s.caselles_estat(k, 1);
        const int columna = s.caselles_estat(k, 2);
        for (int m = 1; m <= s.n_botons; ++m) {
            if (std::abs(s.caselles_estat(m, 1) - fila) <= 1 &&
                std::abs(s.caselles_estat(m, 2) - columna) <= 1 && s.caselles_estat(m, 3) == 0) {
                s.caselles_estat(m, 3) = 1;
            }
        }
    }
}

bool casella_ocupada(const estat_joc& s, int k) {
    return s.caselles_estat(k, 3) != 0;
}

} // namespace quorvel
