#include "board/configurar_boto.h"

#include "board/configuracio_tick.h"
#include "board/dibuixar.h"
#include "board/estat_tauler.h"
#include "board/instantania_tauler.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <optional>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

constexpr std::int16_t sense_casella = -2;

bool seleccionada(const estat_tauler& s, const finestra& form1, int k) {
    return s.caselles.casella(k).seleccionada && form1.existeix(elements::caselles, k);
}

std::vector<int> seleccionades(const estat_tauler& s, const finestra& form1) {
    std::vector<int> ks;
    for (int k = 1; k <= s.n_botons; ++k) {
        if (seleccionada(s, form1, k)) {
            ks.push_back(k);
        }
    }
    return ks;
}

// A command has used the selection: the next one starts from none.
void seleccio_usada(estat_tauler& s, finestra& form1) {
    seleccio_buidar(s, form1);
}

// Removes cell k from the map: its inputs are released, the inputs of the
// cells above it follow them one number down, and the last record is left
// unassigned (it is dropped when the board shrinks, and kept blank when the
// board cannot shrink below one cell).
void esborrar_casella(estat_tauler& s, int k) {
    const int n = s.n_botons;
    std::int16_t jj = 0;
    pas([&] { jj = s.mapa_botons[k].joy; });
    forma_treure_de_entrades(s, k, n);
    for (int m = k; m < n; ++m) {
        pas([&] { forma_posar_casella(s, m, s.mapa_botons[m + 1]); });
    }
    pas([&] { forma_posar_casella(s, n, {}); });
    pas([&] {
        std::int16_t& usats = s.joysticks[jj].botons_usats;
        if (usats >= 2) {
            --usats;
        }
    });
    if (s.n_botons > 1) {
        forma_posar_botons(s, s.n_botons_total, static_cast<std::int16_t>(s.n_botons - 1));
    }
}

} // namespace

bool configurar_boto(estat_tauler& s, serveis& sv, finestra& form1, int k) {
    s.casella_configurant = static_cast<std::int16_t>(k);
    pas([&] { s.caselles.posar_text(form1, k, "1"); });
    pas([&] { s.caselles.posar_color(form1, k, color_groc); });
    posar_linia_estat(form1, text_missatge(s, missatge::premer_casella_groga));
    for (;;) {
        sv.eines.bombar();
        if (!menu_marcat(form1, elements::mn_configurar)) {
            return false;
        }
        const std::optional<double> valor = casella_valor(s, form1, k);
        if (!valor) {
            // The cell's box went away under the wait (a cell command ran).
            configuracio_desarmar(form1);
            return false;
        }
        if (*valor > 9) {
            break;
        }
    }
    pas([&] { s.caselles.posar_color(form1, k, color_verd); });
    // The counter was the set-up's; the cell shows nothing once it is done.
    pas([&] { s.caselles.posar_text(form1, k, ""); });
    form1.posar_habilitat(elements::t_configurar, {}, false);
    form1.posar_valor(elements::mn_configurar, {}, 0);
    sv.eines.missatge("final configurar_boto ", botons_missatge::ok, "Configurar boto");
    return true;
}

void configurar_boto_menu(estat_tauler& s, serveis& sv, finestra& form1) {
    // Without a selected cell nothing is armed: the set-up tick would give
    // the next press to whatever cell an earlier set-up left current.
    const std::vector<int> ks = seleccionades(s, form1);
    if (ks.empty()) {
        sv.eines.missatge("Feu clic primer a la casella que voleu configurar.", botons_missatge::ok,
                          "Configurar boto");
        return;
    }
    const instantania_tauler abans(s, form1);
    form1.posar_valor(elements::mn_configurar, {}, 1);
    form1.posar_valor(elements::mn_joystic, {}, 0);
    pas([&] { form1.posar_visible(elements::explorar_cursors, {}, true); });
    pas([&] { form1.posar_visible(elements::joy_invers, {}, true); });
    s.configuracio = mode_configuracio::tauler;
    // One cell per run: the end of a cell's set-up clears "Configurar mapa",
    // so the other selected cells stay selected for the next run instead of
    // being lit as if they were being set up.
    configuracio_engegar(form1);
    const int k = ks.front();
    const bool fet = configurar_boto(s, sv, form1, k);
    if (fet) {
        pas([&] { s.caselles.posar_seleccionada(form1, k, false); });
    }
    if (!fet && form1.existeix(elements::caselles, k)) {
        // Cancelled: the cell keeps the input it had and the board its looks.
        abans.restaurar(s, form1);
        return;
    }
    // Done, or the lit cell was erased under the wait: the set-up mode
    // and prompt end with it.
    abans.restaurar_consola(s, form1);
}

void boto_desactivar(estat_tauler& s, finestra& form1) {
    for (const int k : seleccionades(s, form1)) {
        pas([&] { forma_posar_casella(s, k, {sense_casella, sense_casella}); });
        pas([&] { s.caselles.posar_color(form1, k, color_gris); });
    }
    seleccio_usada(s, form1);
}

void casella_seleccionar(estat_tauler& s, finestra& form1, int k) {
    if (k < 1 || k > s.n_botons || !form1.existeix(elements::caselles, k)) {
        return;
    }
    s.caselles.posar_seleccionada(form1, k, true);
}

void seleccio_buidar(estat_tauler& s, finestra& form1) {
    for (const int k : s.caselles.seleccionades()) {
        if (form1.existeix(elements::caselles, k)) {
            s.caselles.posar_seleccionada(form1, k, false);
        } else {
            s.caselles.oblidar(k);
        }
    }
}

void boto_activar(estat_tauler& s, finestra& form1) {
    for (const int k : seleccionades(s, form1)) {
        pas([&] {
            forma_posar_casella(s, k, {-1, -1});
            for (int j = 1; j <= s.n_joysticks; ++j) {
                pas([&] {
                    const int darrera = 4 + s.joysticks[j].botons_dispositiu;
                    for (int i = 1; i <= darrera; ++i) {
                        if (s.mapa_entrades.dins(j, i) && s.mapa_entrades(j, i) == k) {
                            forma_posar_casella(
                                s, k, {static_cast<std::int16_t>(j), static_cast<std::int16_t>(i)});
                            pas([&] { s.caselles.posar_color(form1, k, std::nullopt); });
                        }
                    }
                });
            }
        });
    }
    seleccio_usada(s, form1);
    dibuixar(s, form1);
}

void boto_esborrar(estat_tauler& s, serveis& sv, finestra& form1) {
    const std::size_t n_seleccionades = seleccionades(s, form1).size();
    if (n_seleccionades == 0) {
        return;
    }
    if (!sv.dialegs.preguntar(
            form1,
            text_missatge(s, missatge::pregunta_esborrar,
                          {text_decimal(static_cast<long long>(n_seleccionades))}),
            text_missatge(s, missatge::titol_pregunta))) {
        return;
    }
    const int n_inicial = s.n_botons;
    int esborrades = 0;
    for (int k = 1; k <= n_inicial; ++k) {
        if (!seleccionada(s, form1, k)) {
            continue;
        }
        // Box k still shows the cell it showed when the command started; the
        // cells erased before it have moved that cell down in the map.
        const int n_abans = s.n_botons;
        esborrar_casella(s, k - esborrades);
        if (s.n_botons < n_abans) {
            ++esborrades;
        }
        pas([&] { s.caselles.descarregar(form1, k); });
    }
    pas([&] { forma_retallar_caselles(s); });
    // The redraw rebuilds boxes 1..n_botons only: the boxes of the numbers
    // that are gone must not stay on screen.
    for (int k = s.n_botons + 1; k <= n_inicial; ++k) {
        if (form1.existeix(elements::caselles, k)) {
            pas([&] { s.caselles.descarregar(form1, k); });
        }
    }
    seleccio_usada(s, form1);
    dibuixar(s, form1);
}

} // namespace quorvel
