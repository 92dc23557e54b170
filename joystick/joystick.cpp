#include "joystick/joystick.h"

#include "content/forma_tauler.h"
#include "joystick/estat_joysticks.h"
#include "platform/servei_joystick.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quorvel {

namespace {

// Counts and totals live in 16-bit fields; a driver that reports absurd
// numbers must not wrap them round to negative values.
std::int16_t dins_enter16(long long valor) {
    constexpr long long maxim = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(valor, 0LL, maxim));
}

void afegir_botons(std::string& text, std::uint32_t mascara) {
    if (mascara == 0) {
        return;
    }
    text.push_back('#');
    for (int b = 1; mascara != 0; ++b, mascara >>= 1U) {
        if ((mascara & 1U) != 0) {
            const int dues_xifres = b % 100;
            text.push_back(static_cast<char>('0' + dues_xifres / 10));
            text.push_back(static_cast<char>('0' + dues_xifres % 10));
            text.push_back('#');
        }
    }
}

void afegir_direccions(std::string& text, const fitxa_joystick& r, const posicio_joystick& p) {
    const double marge = static_cast<double>(r.llindar) / 10.0;
    const double x = p.x;
    const double y = p.y;
    const double cx = r.centre.x;
    const double cy = r.centre.y;
    if (x > cx * (1.0 + marge)) {
        text.push_back('D');
    }
    if (x < cx * (1.0 - marge)) {
        text.push_back('E');
    }
    if (y > cy * (1.0 + marge)) {
        text.push_back('R');
    }
    if (y < cy * (1.0 - marge)) {
        text.push_back('A');
    }
}

} // namespace

bool joystick_detectar(estat_joysticks& s, servei_joystick& js, int n) {
    posicio_joystick posicio;
    if (js.llegir_posicio(n - 1, posicio) != 0) {
        return false;
    }
    fitxa_joystick& r = s.joysticks[0];
    r.centre = posicio;
    r.llindar = 3;
    r.dispositiu = dins_enter16(n);
    forma_posar_joysticks(s, dins_enter16(static_cast<long long>(s.n_joysticks) + 1));
    return true;
}

void joysticks_preparar(estat_joysticks& s, servei_joystick& js) {
    s.n_dispositius = dins_enter16(js.nombre_dispositius());
    s.joysticks.redimensionar(0, 0);
    // The table now holds no player, so the count must say so too: a count
    // left over would make the enumeration skip and the reads index records
    // that no longer exist.
    forma_posar_joysticks(s, 0);
}

void joysticks_enumerar(estat_joysticks& s, servei_joystick& js) {
    if (s.n_joysticks != 0) {
        return;
    }
    // The keyboard pad comes after the real ones, found like them.
    if (s.teclat && js.obrir_teclat()) {
        s.n_dispositius = dins_enter16(js.nombre_dispositius());
    }
    long long usats = 0;
    long long totals = 0;
    for (int n = 1; n <= s.n_dispositius; ++n) {
        if (!joystick_detectar(s, js, n)) {
            continue;
        }
        const int k = s.n_joysticks;
        s.joysticks.redimensionar_conservant(k);
        s.joysticks[k] = s.joysticks[0];
        int botons = 0;
        if (js.capacitats(n - 1, botons) != 0) {
            continue;
        }
        fitxa_joystick& r = s.joysticks[k];
        r.botons_dispositiu = dins_enter16(botons);
        r.botons_usats = (s.num_butons >= 1 && s.num_butons <= r.botons_dispositiu)
                             ? s.num_butons
                             : r.botons_dispositiu;
        usats += r.botons_usats;
        totals += r.botons_dispositiu;
    }
    forma_posar_botons(s, dins_enter16(totals), dins_enter16(std::min(usats, totals)));
}

std::string joystick_llegir(const estat_joysticks& s, servei_joystick& js, int j) {
    std::string text;
    if (j < 1 || j > s.n_joysticks || !s.joysticks.dins(j)) {
        return text;
    }
    const fitxa_joystick& r = s.joysticks[j];
    if (r.dispositiu < 1 || s.n_dispositius < r.dispositiu) {
        return text;
    }
    posicio_joystick posicio;
    if (js.llegir_posicio(r.dispositiu - 1, posicio) != 0) {
        return text;
    }
    if (r.amb_cursors != 0 || s.cursors) {
        afegir_direccions(text, r, posicio);
    }
    afegir_botons(text, posicio.botons);
    return text;
}

} // namespace quorvel
