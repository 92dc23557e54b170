#include "content/tipus_exercici.h"

#include "core/nombres.h"

#include <algorithm>
#include <charconv>

namespace quorvel {

namespace {

struct interval_familia {
    int primer;
    int darrer;
    familia_exercici familia;
};

constexpr interval_familia families[] = {
    {0, 0, familia_exercici::cap},
    {3, 4, familia_exercici::escoltar_tauler},
    {5, 5, familia_exercici::midi},
    {6, 8, familia_exercici::recorregut},
    {9, 9, familia_exercici::parelles},
    {11, 12, familia_exercici::escoltar_i_trobar},
    {15, 17, familia_exercici::camins_fletxes},
    {20, 22, familia_exercici::comptar},
    {23, 25, familia_exercici::comptar_fins},
    {30, 49, familia_exercici::cursa},
    {50, 51, familia_exercici::caselles_marcades},
    {1000, 1001, familia_exercici::configuracio},
};

// Digits only, without a leading zero unless the number is 0, and short
// enough to fit an int.
bool es_numero_pla(std::string_view text) {
    if (text.empty() || text.size() > 9 || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

tipus_exercici tipus_de_text(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (!es_numero_pla(text)) {
        return {0, familia_exercici::desconegut};
    }
    int numero = 0;
    std::from_chars(text.data(), text.data() + text.size(), numero);
    const auto trobada =
        std::find_if(std::begin(families), std::end(families), [&](const interval_familia& f) {
            return numero >= f.primer && numero <= f.darrer;
        });
    return {numero,
            trobada == std::end(families) ? familia_exercici::desconegut : trobada->familia};
}

double valor_tipus(std::string_view text) {
    return valor_numeric(text);
}

bool es_cursa(double valor) {
    return valor > 29 && valor < 50;
}

} // namespace quorvel
