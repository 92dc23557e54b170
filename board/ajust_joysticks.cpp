#include "board/ajust_joysticks.h"

#include "board/configuracio_tick.h"
#include "board/estat_tauler.h"
#include "board/instantania_tauler.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <optional>

namespace quorvel {

namespace {

bool casella_visible(const estat_tauler& s, const finestra& form1, int k) {
    return k >= 1 && k <= s.n_botons && form1.existeix(elements::caselles, k);
}

enum class resultat { superat, fallat, abandonat };

resultat provar(estat_tauler& s, serveis& sv, finestra& form1, int j) {
    const int t = ajust_casella_prova(s, form1, j);
    if (t == 0) {
        pas([&] { s.joysticks[j].ajust = "-1"; });
        return resultat::fallat;
    }
    s.casella_configurant = static_cast<std::int16_t>(t);
    s.caselles.posar_text(form1, t, "1");
    s.caselles.posar_color(form1, t, color_groc);
    posar_linia_estat(form1, text_missatge(s, missatge::premer_entrades, {text_decimal(j)}));
    const double inici = sv.rellotge.segons();
    for (;;) {
        sv.eines.bombar();
        if (!menu_marcat(form1, elements::mn_joystic)) {
            return resultat::abandonat;
        }
        // A redraw during the wait may have removed the cell: it counts no more.
        const std::optional<double> valor = casella_valor(s, form1, t);
        if (valor && *valor > 9) {
            sv.eines.missatge("Fi", botons_missatge::ok, "");
            pas([&] { s.caselles.posar_color(form1, t, color_verd); });
            return resultat::superat;
        }
        if (segons_passats(inici, sv.rellotge.segons()) > ajust_segons) {
            pas([&] { s.caselles.posar_color(form1, t, color_vermell); });
            pas([&] { s.joysticks[j].ajust = "-1"; });
            return resultat::fallat;
        }
    }
}

} // namespace

int ajust_casella_prova(const estat_tauler& s, const finestra& form1, int j) {
    for (int k = 1; k <= s.n_botons; ++k) {
        if (s.mapa_botons.dins(k) && s.mapa_botons[k].joy == j && casella_visible(s, form1, k)) {
            return k;
        }
    }
    if (s.n_botons < 1) {
        return 0;
    }
    const int k = (j - 1) % s.n_botons + 1;
    return casella_visible(s, form1, k) ? k : 0;
}

void ajustar_joysticks(estat_tauler& s, serveis& sv, finestra& form1) {
    form1.posar_valor(elements::mn_configurar, {}, 0);
    form1.posar_valor(elements::mn_joystic, {}, 1);
    form1.posar_visible(elements::explorar_cursors, {}, true);
    form1.posar_valor(elements::explorar_cursors, {}, s.cursors ? 1 : 0);
    form1.posar_visible(elements::joy_invers, {}, true);
    form1.posar_valor(elements::joy_invers, {}, s.invers ? 1 : 0);
    const instantania_tauler abans(s, form1);
    s.configuracio = mode_configuracio::joysticks;
    for (int j = 0; j <= s.n_joysticks; ++j) {
        pas([&] { s.joysticks[j].ajust = "0"; });
    }
    configuracio_engegar(form1);

    // The count is read on every round: the table may be replaced (a
    // simulation) while the wait lets the menus run.
    bool abandonada = false;
    for (int j = 1; j <= s.n_joysticks && !abandonada; ++j) {
        abandonada = provar(s, sv, form1, j) == resultat::abandonat;
    }

    // Ended or abandoned, the check leaves nothing behind: a lit cell, a
    // counter, its prompt on the status line, its set-up mode or its timer
    // would otherwise outlive it and take the keyboard pad's keys.
    for (int k = 1; k <= s.n_botons; ++k) {
        pas([&] { s.caselles.posar_color(form1, k, std::nullopt); });
        pas([&] { s.caselles.posar_text_si_existeix(form1, k, ""); });
    }
    abans.restaurar_temporitzador(form1);
    abans.restaurar_consola(s, form1);
    if (!abandonada) {
        s.cursors = false;
    }
    form1.posar_valor(elements::mn_joystic, {}, 0);
}

} // namespace quorvel
