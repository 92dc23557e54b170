#include "app/dialeg_escombrat.h"

#include "app/configuracio.h"
#include "app/sessio.h"
#include "core/linia_estat.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <algorithm>
#include <string>
#include <vector>

namespace quorvel {

namespace {

// The parts of a text separated by '|'; those it lacks are empty.
std::vector<std::string> parts(const std::string& text, std::size_t quantes) {
    std::vector<std::string> r(1);
    for (const char c : text) {
        if (c == '|') {
            r.emplace_back();
        } else {
            r.back() += c;
        }
    }
    r.resize(std::max(r.size(), quantes));
    return r;
}

textos_escombrat textos(const sessio& s) {
    const auto etiquetes = parts(text_missatge(s, missatge::escombrat_etiquetes), 6);
    const auto modes = parts(text_missatge(s, missatge::escombrat_modes), 3);
    const auto caixa = parts(text_missatge(s, missatge::escombrat_caixa), 3);
    textos_escombrat t;
    t.titol = caixa[0];
    t.d_acord = caixa[1];
    t.cancellar = caixa[2];
    t.jugador = etiquetes[0];
    t.mode = etiquetes[1];
    t.interval = etiquetes[2];
    t.primer = etiquetes[3];
    t.voltes = etiquetes[4];
    t.so = etiquetes[5];
    t.modes = {modes[0], modes[1], modes[2]};
    return t;
}

opcions_escombrat opcions(const config_escombrat& c) {
    return {static_cast<int>(c.mode), c.interval_ms, c.primer_ms, c.voltes, c.so};
}

// Through the settings line, so that values out of range are brought into it
// as when the settings file is read.
config_escombrat config(const opcions_escombrat& o) {
    const mode_escombrat mode = o.mode == 1   ? mode_escombrat::automatic
                                : o.mode == 2 ? mode_escombrat::pas
                                              : mode_escombrat::cap;
    return llegir_config_escombrat(
        text_config_escombrat({mode, o.interval_ms, o.primer_ms, o.voltes, o.so}));
}

} // namespace

void escombrat_dialeg(sessio& s, serveis& sv, finestra& form1) {
    // With no pads found yet any pad number can be set up ahead.
    const int jugadors = s.n_joysticks > 0 ? s.n_joysticks : jugadors_maxim;
    const auto resposta = sv.eines.demanar_escombrat(
        textos(s), jugadors, [&s](int j) { return opcions(s.escombrat_jugadors.config(j)); });
    if (!resposta || resposta->first < 1 || resposta->first > jugadors) {
        return;
    }
    const int j = resposta->first;
    s.escombrat_jugadors.configurar(j, config(resposta->second));
    const std::string numero = std::to_string(j);
    const std::string desada = text_config_escombrat(s.escombrat_jugadors.config(j));
    if (configuracio_desar_escombrat(s, sv.perfil, j)) {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_desat, {numero, desada}));
    } else {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_no_desat,
                                               {numero, desada, configuracio_cami(s)}));
    }
}

} // namespace quorvel
