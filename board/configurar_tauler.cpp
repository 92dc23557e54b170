#include "board/configurar_tauler.h"

#include "board/configuracio_tick.h"
#include "board/estat_tauler.h"
#include "board/instantania_tauler.h"
#include "board/mapa.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"
#include "stage/media.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

namespace {

constexpr std::string_view titol = "Configurar mapa";

enum class resultat { fet, fallat, abandonat, desarmat };

resultat esperar_casella(estat_tauler& s, serveis& sv, finestra& form1, int k) {
    // The wait is measured on the clock, never counted in slices or ticks: a
    // loaded machine runs fewer of them, and a start rounded to the second
    // could lie ahead of the clock and read as a whole day gone.
    const double inici = sv.rellotge.segons();
    for (;;) {
        sv.eines.bombar();
        if (!menu_marcat(form1, elements::mn_configurar)) {
            return resultat::abandonat;
        }
        const std::optional<double> valor = casella_valor(s, form1, k);
        if (!valor) {
            // The cell's box went away under the wait (a cell command ran).
            configuracio_desarmar(form1);
            return resultat::desarmat;
        }
        // The counter was the walk's: a cell that is done shows nothing.
        if (*valor > 9) {
            pas([&] { s.caselles.posar_text(form1, k, ""); });
            pas([&] { s.caselles.posar_color(form1, k, color_verd); });
            so_reproduir(s, sv, s.carpeta_programa + "\\ok.wav");
            return resultat::fet;
        }
        if (segons_passats(inici, sv.rellotge.segons()) > configurar_limit_segons) {
            pas([&] { s.caselles.posar_text(form1, k, ""); });
            pas([&] { s.caselles.posar_color(form1, k, color_vermell); });
            s.casella_configurant = -1;
            so_reproduir(s, sv, s.carpeta_programa + "\\no_ok.wav");
            return resultat::fallat;
        }
    }
}

void preparar_taules(estat_tauler& s, finestra& form1) {
    for (int k = 1; k <= s.n_botons; ++k) {
        pas([&] {
            if (s.mapa_botons[k].joy >= 0) {
                forma_posar_casella(s, k, {0, 0});
            }
        });
        pas([&] { s.caselles.posar_color(form1, k, std::nullopt); });
    }
    for (int j = 1; j <= s.n_joysticks; ++j) {
        int usats = 0;
        if (!pas([&] { usats = s.joysticks[j].botons_usats; })) {
            continue;
        }
        forma_alliberar_entrades(s, j, 4 + usats);
    }
}

bool pad_llegible(const estat_tauler& s, servei_joystick& js, int j) {
    if (!s.joysticks.dins(j)) {
        return false;
    }
    const int d = s.joysticks[j].dispositiu;
    posicio_joystick posicio;
    return d >= 1 && d <= s.n_dispositius && js.llegir_posicio(d - 1, posicio) == 0;
}

// Why no press could set the board up, if so.
std::optional<missatge> impediment(const estat_tauler& s, servei_joystick& js) {
    if (s.tauler_simulat) {
        return missatge::mapa_tauler_simulat;
    }
    for (int j = 1; j <= s.n_joysticks; ++j) {
        if (pad_llegible(s, js, j)) {
            return std::nullopt;
        }
    }
    return missatge::mapa_sense_comandaments;
}

std::vector<std::string_view> linies(std::string_view text) {
    std::vector<std::string_view> ls;
    while (!text.empty()) {
        const auto fi = text.find('\n');
        std::string_view l = text.substr(0, fi);
        if (!l.empty() && l.back() == '\r') {
            l.remove_suffix(1);
        }
        ls.push_back(l);
        text = fi == std::string_view::npos ? std::string_view{} : text.substr(fi + 1);
    }
    return ls;
}

// Cell records (every line after the format mark) that differ.
long caselles_canviades(std::string_view abans, std::string_view despres) {
    const auto a = linies(abans);
    const auto d = linies(despres);
    long n = 0;
    for (std::size_t i = 1; i < std::max(a.size(), d.size()); ++i) {
        if (i >= a.size() || i >= d.size() || a[i] != d[i]) {
            ++n;
        }
    }
    return n;
}

// Paths are written with "\\" inside the program; the operator reads the
// system's own separator.
std::string cami_visible(std::string cami) {
    std::replace(cami.begin(), cami.end(), '\\', '/');
    return cami;
}

void avisar(serveis& sv, finestra& form1, const std::string& text) {
    posar_linia_estat(form1, text);
    sv.eines.missatge(text, botons_missatge::ok, std::string(titol));
}

// Saves the map the walk made. The saved map is replaced only when the
// operator agrees, and it is kept beside the new one first.
void desar(estat_tauler& s, serveis& sv, finestra& form1) {
    if (s.mapa_fitxer.empty()) {
        s.mapa_fitxer = "kk.map";
    }
    const std::string cami = mapa_cami_desar(s);
    const std::string nou = mapa_text(s);
    std::optional<std::string> antic;
    pas([&] { antic = sv.fitxers.llegir_text(cami); });
    if (antic && *antic == nou) {
        posar_linia_estat(form1,
                          text_missatge(s, missatge::mapa_sense_canvis, {cami_visible(cami)}));
        return;
    }
    if (antic) {
        const std::string copia = mapa_cami_anterior(cami);
        const std::string pregunta = text_missatge(s, missatge::pregunta_substituir_mapa,
                                                   {text_decimal(caselles_canviades(*antic, nou)),
                                                    cami_visible(cami), cami_visible(copia)});
        if (!sv.dialegs.preguntar(form1, pregunta, text_missatge(s, missatge::titol_pregunta))) {
            posar_linia_estat(form1,
                              text_missatge(s, missatge::mapa_no_desat, {cami_visible(cami)}));
            return;
        }
        const std::string motiu = sv.fitxers.escriure_text(copia, *antic);
        if (!motiu.empty()) {
            sv.eines.missatge("No s'ha pogut desar el mapa " + copia + ": " + motiu,
                              botons_missatge::ok, "Desar mapa");
            posar_linia_estat(form1,
                              text_missatge(s, missatge::mapa_no_desat, {cami_visible(cami)}));
            return;
        }
    }
    const bool desat = mapa_desar(s, sv, cami);
    posar_linia_estat(form1,
                      text_missatge(s, desat ? missatge::mapa_desat : missatge::mapa_no_desat,
                                    {cami_visible(cami)}));
}

} // namespace

bool configurar_tauler(estat_tauler& s, serveis& sv, finestra& form1) {
    if (const auto motiu = impediment(s, sv.joystick)) {
        sv.eines.missatge(text_missatge(s, *motiu), botons_missatge::ok, std::string(titol));
        return false;
    }
    const instantania_tauler abans(s, form1);
    form1.posar_valor(elements::mn_configurar, {}, 1);
    form1.posar_valor(elements::mn_joystic, {}, 0);
    pas([&] { form1.posar_visible(elements::explorar_cursors, {}, true); });
    pas([&] { form1.posar_visible(elements::joy_invers, {}, true); });
    s.configuracio = mode_configuracio::tauler;
    preparar_taules(s, form1);
    configuracio_engegar(form1);

    int fetes = 0;
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
        s.casella_configurant = static_cast<std::int16_t>(k);
        pas([&] { s.caselles.posar_text(form1, k, "1"); });
        pas([&] { s.caselles.posar_color(form1, k, color_groc); });
        posar_linia_estat(form1, text_missatge(s, missatge::premer_casella_groga));
        switch (esperar_casella(s, sv, form1, k)) {
        case resultat::fet:
            ++fetes;
            break;
        case resultat::fallat:
            break;
        case resultat::abandonat:
            abans.restaurar(s, form1);
            return false;
        case resultat::desarmat:
            abans.restaurar_consola(s, form1);
            return false;
        }
    }

    form1.posar_valor(elements::mn_configurar, {}, 0);
    if (fetes == 0) {
        // An empty map would leave every pad driving nothing.
        abans.restaurar(s, form1);
        avisar(sv, form1, text_missatge(s, missatge::mapa_sense_botons));
        return true;
    }
    // The set-up's own type ends with it: the exercise that was open plays
    // again on "engegar".
    abans.restaurar_consola(s, form1);
    desar(s, sv, form1);
    return true;
}

} // namespace quorvel
