#include "content/forma_tauler.h"

#include "core/errors.h"

namespace quorvel {

namespace {

constexpr std::int16_t sense_casella = -2;
constexpr std::int16_t columnes_per_defecte = 3;

} // namespace

void forma_posar_joysticks(estat_contingut& s, std::int16_t n) {
    s.n_joysticks = n;
}

void forma_posar_botons(estat_contingut& s, std::int16_t total, std::int16_t caselles) {
    s.n_botons_total = total;
    s.n_botons = caselles;
}

void forma_posar_columnes(estat_contingut& s, std::int16_t columnes) {
    s.n_columnes = columnes;
}

void forma_columnes_valides(estat_contingut& s) {
    if (s.n_columnes < 1) {
        s.n_columnes = columnes_per_defecte;
    }
}

void forma_crear_entrades(estat_contingut& s) {
    s.mapa_entrades.redimensionar(0, s.n_joysticks, 0, s.n_botons_total + 4);
}

void forma_crear_caselles(estat_contingut& s, std::int16_t caselles) {
    s.mapa_botons.redimensionar(0, caselles);
    s.n_botons = caselles;
}

void forma_retallar_caselles(estat_contingut& s) {
    s.mapa_botons.redimensionar_conservant(s.n_botons);
}

void forma_posar_entrada(estat_contingut& s, int j, int i, std::int16_t c) {
    s.mapa_entrades(j, i) = c;
}

void forma_alliberar_entrades(estat_contingut& s, int j, int darrera) {
    for (int i = 1; i <= darrera; ++i) {
        if (s.mapa_entrades.dins(j, i)) {
            s.mapa_entrades(j, i) = sense_casella;
        }
    }
}

void forma_posar_casella(estat_contingut& s, int k, boto_mapa b) {
    s.mapa_botons[k] = b;
}

void forma_assignar(estat_contingut& s, int j, int i, int k) {
    if (!s.mapa_entrades.dins(j, i) || !s.mapa_botons.dins(k)) {
        throw error_index("map assignment outside the tables");
    }
    const boto_mapa anterior = s.mapa_botons[k];
    if (s.mapa_entrades.dins(anterior.joy, anterior.entrada) &&
        s.mapa_entrades(anterior.joy, anterior.entrada) == k) {
        s.mapa_entrades(anterior.joy, anterior.entrada) = sense_casella;
    }
    s.mapa_entrades(j, i) = static_cast<std::int16_t>(k);
    s.mapa_botons[k] = {static_cast<std::int16_t>(j), static_cast<std::int16_t>(i)};
}

void forma_treure_de_entrades(estat_contingut& s, int k, int n) {
    auto& e = s.mapa_entrades;
    if (!e.te_emmagatzematge()) {
        return;
    }
    for (int j = e.inferior1(); j <= e.superior1(); ++j) {
        for (int i = e.inferior2(); i <= e.superior2(); ++i) {
            std::int16_t& v = e(j, i);
            if (v == k) {
                v = sense_casella;
            } else if (v > k && v <= n) {
                --v;
            }
        }
    }
}

void forma_substituir(estat_contingut& s, std::int16_t caselles, std::int16_t total,
                      const taula2<std::int16_t>& entrades, const taula<boto_mapa>& botons) {
    s.n_botons = caselles;
    s.n_botons_total = total;
    s.mapa_entrades = entrades;
    s.mapa_botons = botons;
}

} // namespace quorvel
