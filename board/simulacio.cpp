#include "board/simulacio.h"

#include "board/dibuixar.h"
#include "board/estat_tauler.h"
#include "board/mapa.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <cmath>
#include <string>

namespace quorvel {

namespace {

bool es_blanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view retallar(std::string_view text) {
    while (!text.empty() && es_blanc(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && es_blanc(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void avisar(serveis& sv, const std::string& text) {
    sv.eines.missatge(text, botons_missatge::ok, "Simular");
}

// Asks one count. Nothing when cancelled (silently) or unusable (told).
std::optional<std::int16_t> demanar_nombre(serveis& sv, const std::string& pregunta) {
    const std::string resposta = sv.eines.demanar(pregunta, "", "");
    if (retallar(resposta).empty()) {
        return std::nullopt;
    }
    const auto n = simulacio_nombre(resposta);
    if (!n) {
        avisar(sv, pregunta + ": cal un nombre enter de 1 a " +
                       text_decimal(simulacio_maxim_caselles) + ".");
    }
    return n;
}

} // namespace

std::optional<std::int16_t> simulacio_nombre(std::string_view resposta) {
    const std::string_view text = retallar(resposta);
    // Only a number and nothing else: "3 pads" or "tres" is not an answer.
    if (text.empty() || llargada_nombre(text) != text.size()) {
        return std::nullopt;
    }
    const double valor = valor_numeric(text);
    if (!std::isfinite(valor) || std::fabs(valor) > 1e9) {
        return std::nullopt;
    }
    const double n = arrodonir(valor);
    if (n < 1 || n > simulacio_maxim_caselles) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(n);
}

void simulacio_aplicar(estat_tauler& s, std::int16_t joysticks, std::int16_t botons) {
    const int total = joysticks * botons;
    if (joysticks < 1 || botons < 1 || total > simulacio_maxim_caselles) {
        throw error_desbordament("simulated board out of range");
    }
    s.tauler_simulat = true;
    s.num_butons = botons;
    forma_posar_botons(s, botons, static_cast<std::int16_t>(total));
    forma_posar_joysticks(s, joysticks);
    s.joysticks.redimensionar(0, joysticks);
    forma_crear_entrades(s);
    for (int j = 1; j <= joysticks; ++j) {
        fitxa_joystick& r = s.joysticks[j];
        r.botons_usats = botons;
        r.botons_dispositiu = botons;
        r.dispositiu = static_cast<std::int16_t>(j);
    }
    nou_mapa(s);

    std::int16_t c = 0;
    for (std::int16_t j = 1; j <= joysticks; ++j) {
        for (int b = 1; b <= s.joysticks[j].botons_usats; ++b) {
            ++c;
            const auto entrada = static_cast<std::int16_t>(4 + b);
            forma_assignar(s, j, entrada, c);
        }
    }
}

void simular(estat_tauler& s, serveis& sv, finestra& form1) {
    const auto joysticks = demanar_nombre(sv, "nombre Jostics");
    if (!joysticks) {
        return;
    }
    const auto botons = demanar_nombre(sv, "nombre botons");
    if (!botons) {
        return;
    }
    if (*joysticks * *botons > simulacio_maxim_caselles) {
        avisar(sv, "Massa caselles: " + text_decimal(*joysticks) + " x " + text_decimal(*botons) +
                       " passa de " + text_decimal(simulacio_maxim_caselles) + ".");
        return;
    }
    simulacio_preparar(s, form1, *joysticks, *botons);
}

void simulacio_preparar(estat_tauler& s, finestra& form1, std::int16_t joysticks,
                        std::int16_t botons) {
    simulacio_aplicar(s, joysticks, botons);
    posar_linia_estat(form1, text_missatge(s, missatge::tauler_simulat,
                                           {text_decimal(joysticks), text_decimal(botons)}));

    // The redraw rebuilds cells 1..n_botons only: boxes of a larger previous
    // board would stay on screen as cells that no longer exist.
    for (int k = form1.index_maxim(elements::caselles); k > s.n_botons; --k) {
        if (form1.existeix(elements::caselles, k)) {
            s.caselles.descarregar(form1, k);
        }
    }
    dibuixar(s, form1);
}

} // namespace quorvel
