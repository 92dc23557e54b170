#include "app/dialeg_escombrat.h"

#include "app/configuracio.h"
#include "app/sessio.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <sstream>
#include <string>

namespace quorvel {

void escombrat_dialeg(sessio& s, serveis& sv, finestra& form1) {
    // With no pads found yet any pad number can be set up ahead.
    const int jugadors = s.n_joysticks > 0 ? s.n_joysticks : jugadors_maxim;
    const std::string titol = "Quorvel";
    const std::string quin = std::string(retallar_espais(
        sv.eines.demanar(text_missatge(s, missatge::escombrat_jugador,
                                       {text_decimal(static_cast<long long>(jugadors))}),
                         titol, "1")));
    if (quin.empty()) {
        return;
    }
    int j = 0;
    try {
        std::size_t llegits = 0;
        j = std::stoi(quin, &llegits);
        if (llegits != quin.size()) {
            j = 0;
        }
    } catch (const std::exception&) {
        j = 0;
    }
    if (j < 1 || j > jugadors) {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_no_entes, {quin}));
        return;
    }
    const std::string numero = std::to_string(j);
    const std::string linia = std::string(retallar_espais(
        sv.eines.demanar(text_missatge(s, missatge::escombrat_linia, {numero}), titol,
                         text_config_escombrat(s.escombrat_jugadors.config(j)))));
    if (linia.empty()) {
        return;
    }
    std::string mode;
    std::istringstream(linia) >> mode;
    if (mode != "off" && mode != "auto" && mode != "step") {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_no_entes, {linia}));
        return;
    }
    s.escombrat_jugadors.configurar(j,
                                    llegir_config_escombrat(linia, s.escombrat_jugadors.config(j)));
    const std::string desada = text_config_escombrat(s.escombrat_jugadors.config(j));
    if (configuracio_desar_escombrat(s, sv.perfil, j)) {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_desat, {numero, desada}));
    } else {
        posar_linia_estat(form1, text_missatge(s, missatge::escombrat_no_desat,
                                               {numero, desada, configuracio_cami(s)}));
    }
}

} // namespace quorvel
