#include "platform/local/teclat_joystick.h"

#include <utility>

namespace quorvel {

namespace {

constexpr std::uint32_t centre = 32768;
constexpr int estat_parametres = 165;

// Both keys of one axis held at once cancel out, as a stick cannot point
// both ways.
std::uint32_t eix(bool menor, bool major) {
    if (menor == major) {
        return centre;
    }
    return menor ? 0 : 65535;
}

} // namespace

bool joystick_amb_teclat::es_teclat(int id) const {
    return obert_ && id == pads_.nombre_dispositius();
}

void joystick_amb_teclat::tecla(int entrada, bool premuda) {
    if (entrada < 1 || entrada > static_cast<int>(premudes_.size())) {
        return;
    }
    const auto k = static_cast<std::size_t>(entrada - 1);
    if (premudes_[k] == premuda) {
        return;
    }
    premudes_[k] = premuda;
    moments_[k] = ara_ms();
    canvi_ = true;
}

bool joystick_amb_teclat::premuda(int entrada) const {
    return entrada >= 1 && entrada <= static_cast<int>(premudes_.size()) &&
           premudes_[static_cast<std::size_t>(entrada - 1)];
}

void joystick_amb_teclat::deixar_anar_tot() {
    for (int entrada = 1; entrada <= static_cast<int>(premudes_.size()); ++entrada) {
        tecla(entrada, false);
    }
}

int joystick_amb_teclat::nombre_dispositius() {
    return pads_.nombre_dispositius() + (obert_ ? 1 : 0);
}

int joystick_amb_teclat::llegir_posicio(int id, posicio_joystick& posicio) {
    if (!es_teclat(id)) {
        return id < nombre_dispositius() ? pads_.llegir_posicio(id, posicio) : estat_parametres;
    }
    posicio.x = eix(premudes_[1], premudes_[0]);
    posicio.y = eix(premudes_[3], premudes_[2]);
    posicio.z = centre;
    std::uint32_t mascara = 0;
    for (int b = 0; b < botons_teclat; ++b) {
        if (premudes_[static_cast<std::size_t>(4 + b)]) {
            mascara |= 1U << static_cast<unsigned>(b);
        }
    }
    posicio.botons = mascara;
    return 0;
}

int joystick_amb_teclat::capacitats(int id, int& botons) {
    if (!es_teclat(id)) {
        return pads_.capacitats(id, botons);
    }
    botons = botons_teclat;
    return 0;
}

std::string joystick_amb_teclat::nom(int id) {
    return es_teclat(id) ? std::string("Teclat") : pads_.nom(id);
}

double joystick_amb_teclat::moment_canvi(int id, int entrada) {
    if (!es_teclat(id)) {
        return pads_.moment_canvi(id, entrada);
    }
    if (entrada < 1 || entrada > static_cast<int>(moments_.size())) {
        return ara_ms();
    }
    return moments_[static_cast<std::size_t>(entrada - 1)];
}

bool joystick_amb_teclat::recollir_canvis() {
    const bool pads = pads_.recollir_canvis();
    return std::exchange(canvi_, false) || pads;
}

bool joystick_amb_teclat::obrir_teclat() {
    obert_ = true;
    return true;
}

} // namespace quorvel
