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
    tipus_exercici t{std::string(text), 0, familia_exercici::cap, valor_numeric(text)};
    if (text.empty()) {
        return t;
    }
    if (!es_numero_pla(text)) {
        t.familia = familia_exercici::desconegut;
        return t;
    }
    std::from_chars(text.data(), text.data() + text.size(), t.numero);
    const auto trobada =
        std::find_if(std::begin(families), std::end(families), [&](const interval_familia& f) {
            return t.numero >= f.primer && t.numero <= f.darrer;
        });
    t.familia = trobada == std::end(families) ? familia_exercici::desconegut : trobada->familia;
    return t;
}

cos_exercici tipus_exercici::cos() const {
    switch (familia) {
    case familia_exercici::escoltar_tauler:
    case familia_exercici::midi:
    case familia_exercici::escoltar_i_trobar:
        return cos_exercici::llista;
    case familia_exercici::recorregut:
    case familia_exercici::parelles:
    case familia_exercici::camins_fletxes:
    case familia_exercici::caselles_marcades:
        return cos_exercici::items_a;
    case familia_exercici::cursa:
        // Only the first races have a body.
        return numero <= 31 ? cos_exercici::items_a : cos_exercici::cap;
    case familia_exercici::comptar:
    case familia_exercici::comptar_fins:
        return cos_exercici::items_b;
    case familia_exercici::cap:
    case familia_exercici::desconegut:
        break;
    }
    return cos_exercici::cap;
}

bool tipus_exercici::items_amb_correctes() const {
    return (numero >= 6 && numero <= 8) || (numero >= 15 && numero <= 17) ||
           (numero >= 30 && numero <= 31);
}

bool tipus_exercici::items_amb_escenari() const {
    return familia == familia_exercici::camins_fletxes || familia == familia_exercici::comptar ||
           familia == familia_exercici::comptar_fins;
}

bool tipus_exercici::items_amb_formules() const {
    return numero == 8 || numero == 17;
}

bool tipus_exercici::items_amagats() const {
    return numero == 51;
}

bool tipus_exercici::llista_de_notes() const {
    return numero == 5 || numero == 12;
}

bool tipus_exercici::llista_de_caselles() const {
    return familia == familia_exercici::escoltar_tauler || familia == familia_exercici::midi ||
           familia == familia_exercici::escoltar_i_trobar;
}

bool tipus_exercici::items_amb_caselles() const {
    return familia == familia_exercici::recorregut || familia == familia_exercici::camins_fletxes ||
           familia == familia_exercici::parelles || familia == familia_exercici::cursa;
}

// Types 8 and 17 read rules where the others read the sequence, and type 15
// draws its own.
bool tipus_exercici::sequencia_de_caselles() const {
    return items_amb_caselles() && numero != 8 && numero != 15 && numero != 17;
}

bool tipus_exercici::sense_imatge_premuda() const {
    return numero == 50;
}

bool tipus_exercici::prepara_pregunta() const {
    return valor > 5;
}

bool tipus_exercici::obre_midi() const {
    return valor == 5;
}

bool tipus_exercici::escenari_de_item() const {
    return valor > 0 && (valor > 29 || valor == 9);
}

bool tipus_exercici::tanca_midi_en_buidar() const {
    return valor == 1;
}

bool tipus_exercici::es_cursa() const {
    return valor > 29 && valor < 50;
}

bool tipus_exercici::cursa_cada_sondeig() const {
    return valor == 30;
}

bool tipus_exercici::cursa_amb_cos() const {
    const int t = a_enter16(valor);
    return t >= 30 && t <= 32;
}

bool tipus_exercici::cursa_per_sequencia() const {
    return a_enter16(valor) == 32;
}

} // namespace quorvel
