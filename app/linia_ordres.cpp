#include "app/linia_ordres.h"

#include "app/programa.h"
#include "board/simulacio.h"

#include <charconv>

namespace quorvel {

namespace {

std::optional<int> enter_positiu(std::string_view text) {
    int valor = 0;
    const auto* final = text.data() + text.size();
    const auto [p, error] = std::from_chars(text.data(), final, valor);
    if (text.empty() || error != std::errc() || p != final || valor < 1) {
        return std::nullopt;
    }
    return valor;
}

} // namespace

std::optional<simulacio_demanada> llegir_simulacio(std::string_view text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto joysticks = enter_positiu(text.substr(0, x));
    const auto botons = enter_positiu(text.substr(x + 1));
    if (!joysticks || !botons || *joysticks > simulacio_maxim_caselles ||
        *botons > simulacio_maxim_caselles || *joysticks * *botons > simulacio_maxim_caselles) {
        return std::nullopt;
    }
    return simulacio_demanada{static_cast<std::int16_t>(*joysticks),
                              static_cast<std::int16_t>(*botons)};
}

void executar_ordres(programa& p, const ordres_linia& ordres) {
    if (ordres.simulacio) {
        simulacio_preparar(p.app().estat(), p.app().form1(), ordres.simulacio->joysticks,
                           ordres.simulacio->botons);
    }
    if (!ordres.exercici.empty()) {
        p.exercicis().obrir_exercici(ordres.exercici);
    }
}

} // namespace quorvel
