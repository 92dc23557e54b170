#include "board/configurar_tauler.h"

#include "board/configuracio_tick.h"
#include "board/estat_tauler.h"
#include "board/mapa.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"
#include "stage/media.h"

#include <optional>
#include <string>

namespace quorvel {

namespace {

constexpr double segons_dia = 86400.0;

enum class resultat { fet, fallat, abandonat };

// Seconds from the start to now on a clock that restarts at midnight.
double transcorregut(double inici, double ara) {
    return ara >= inici ? ara - inici : ara + segons_dia - inici;
}

resultat esperar_casella(estat_tauler& s, serveis& sv, finestra& form1, int k) {
    const double inici = arrodonir(sv.rellotge.segons());
    for (;;) {
        sv.eines.bombar();
        if (!menu_marcat(form1, elements::mn_configurar)) {
            return resultat::abandonat;
        }
        const std::optional<double> valor = casella_valor(form1, k);
        if (!valor) {
            // The cell's box went away under the wait (a cell command ran).
            configuracio_desarmar(form1);
            return resultat::abandonat;
        }
        if (*valor > 9) {
            pas([&] { form1.posar_color_fons(elements::caselles, k, color_verd); });
            so_reproduir(s, sv, s.carpeta_programa + "\\ok.wav");
            return resultat::fet;
        }
        if (transcorregut(inici, sv.rellotge.segons()) > configurar_limit_segons) {
            pas([&] { form1.posar_color_fons(elements::caselles, k, color_vermell); });
            pas([&] { s.mapa_botons[0].joy = -1; });
            so_reproduir(s, sv, s.carpeta_programa + "\\no_ok.wav");
            return resultat::fallat;
        }
    }
}

void preparar_taules(estat_tauler& s, finestra& form1) {
    for (int k = 1; k <= s.n_botons; ++k) {
        pas([&] {
            boto_mapa& b = s.mapa_botons[k];
            if (b.joy >= 0) {
                b = {0, 0};
            }
        });
        pas([&] { form1.posar_color_fons(elements::caselles, k, std::nullopt); });
    }
    for (int j = 1; j <= s.n_joysticks; ++j) {
        int usats = 0;
        if (!pas([&] { usats = s.joysticks[j].botons_usats; })) {
            continue;
        }
        for (int i = 1; i <= 4 + usats; ++i) {
            if (s.mapa_entrades.dins(j, i)) {
                s.mapa_entrades(j, i) = -2;
            }
        }
    }
}

} // namespace

bool configurar_tauler(estat_tauler& s, serveis& sv, finestra& form1) {
    form1.posar_valor(elements::mn_configurar, {}, 1);
    form1.posar_valor(elements::mn_joystic, {}, 0);
    pas([&] { form1.posar_visible(elements::explorar_cursors, {}, true); });
    pas([&] { form1.posar_visible(elements::joy_invers, {}, true); });
    s.tipus_exercici = "1000";
    preparar_taules(s, form1);
    configuracio_engegar(form1);

    for (int k = 1; k <= s.n_botons; ++k) {
        bool apagada = false;
        pas([&] { apagada = s.mapa_botons[k].joy == -2; });
        if (apagada) {
            // A switched-off cell is passed over; the one after it is taken
            // as it is, even when it is switched off too.
            ++k;
            if (k > s.n_botons) {
                break;
            }
        }
        pas([&] { s.mapa_botons[0].joy = static_cast<std::int16_t>(k); });
        pas([&] { form1.posar_text(elements::caselles, k, "1"); });
        pas([&] { form1.posar_color_fons(elements::caselles, k, color_groc); });
        posar_linia_estat(form1, text_missatge(s, missatge::premer_casella_groga));
        if (esperar_casella(s, sv, form1, k) == resultat::abandonat) {
            return false;
        }
    }

    if (s.mapa_fitxer.empty()) {
        s.mapa_fitxer = "kk.map";
    }
    mapa_desar(s, sv, mapa_cami_desar(s));
    s.tipus_exercici = "0";
    form1.posar_valor(elements::mn_configurar, {}, 0);
    return true;
}

} // namespace quorvel
