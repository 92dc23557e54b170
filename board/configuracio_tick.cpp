#include "board/configuracio_tick.h"

#include "board/estat_tauler.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "joystick/joystick.h"
#include "platform/eines.h"

#include <string>
#include <vector>

namespace quorvel {

namespace {

// Inputs 1..4 for the direction letters that lead the state text, then 4 + b
// for every button b the text names.
std::vector<int> entrades_actives(const std::string& estat, int botons) {
    std::vector<int> entrades;
    for (const char c : estat) {
        const std::string_view lletres = "DERA";
        const auto p = lletres.find(c);
        if (p == std::string_view::npos) {
            break;
        }
        entrades.push_back(static_cast<int>(p) + 1);
    }
    std::string marca = "#00#";
    for (int b = 1; b <= botons; ++b) {
        const int dues_xifres = b % 100;
        marca[1] = static_cast<char>('0' + dues_xifres / 10);
        marca[2] = static_cast<char>('0' + dues_xifres % 10);
        if (estat.find(marca) != std::string::npos) {
            entrades.push_back(4 + b);
        }
    }
    return entrades;
}

bool es_casella(const estat_tauler& s, int k) {
    return k >= 1 && k <= s.n_botons && s.mapa_botons.dins(k);
}

void sumar_u(estat_tauler& s, finestra& form1, int k) {
    if (const auto valor = casella_valor(s, form1, k)) {
        s.caselles.posar_text(form1, k, forma_plana(*valor + 1.0));
    }
}

// Gives input i of joystick j to the current cell, or counts up the cell the
// input already drives. A current cell that is not a cell of the board (-1
// after a failed cell) takes nothing. The cell's previous input is released,
// so both tables keep naming the same single input for it.
void assignar(estat_tauler& s, finestra& form1, int j, int i) {
    const int c = s.mapa_entrades(j, i);
    const int actual = s.casella_configurant;
    if (es_casella(s, c)) {
        sumar_u(s, form1, c);
        return;
    }
    if (!es_casella(s, actual)) {
        return;
    }
    forma_assignar(s, j, i, actual);
    s.caselles.posar_text(form1, actual, "1");
}

} // namespace

bool menu_marcat(const finestra& form1, std::string_view menu) {
    return form1.existeix(menu) && form1.obtenir(menu).valor != 0;
}

void configuracio_engegar(finestra& form1) {
    pas([&] {
        // An interval a timer cannot take keeps the previous one.
        const double ms = arrodonir(valor_numeric(form1.obtenir(elements::interval).text));
        if (ms >= 0 && ms <= 65535) {
            form1.posar_interval(elements::t_configurar, {}, static_cast<int>(ms));
        }
    });
    pas([&] { form1.posar_habilitat(elements::t_configurar, {}, true); });
}

void configuracio_desarmar(finestra& form1) {
    pas([&] { form1.posar_valor(elements::mn_configurar, {}, 0); });
    pas([&] { form1.posar_habilitat(elements::t_configurar, {}, false); });
}

double segons_passats(double inici, double ara) {
    constexpr double segons_dia = 86400.0;
    const double d = ara - inici;
    if (d < -segons_dia / 2) {
        return d + segons_dia;
    }
    return d < 0 ? 0.0 : d;
}

std::optional<double> casella_valor(const estat_tauler& s, const finestra& form1, int k) {
    if (!form1.existeix(elements::caselles, k)) {
        return std::nullopt;
    }
    return valor_numeric(s.caselles.casella(k).text);
}

void configuracio_tick(estat_tauler& s, servei_joystick& js, servei_eines& eines, finestra& form1) {
    for (int j = 1; j <= s.n_joysticks; ++j) {
        const std::string estat = joystick_llegir(s, js, j);
        std::vector<int> entrades;
        if (!estat.empty()) {
            int botons = 0;
            pas([&] { botons = s.joysticks[j].botons_dispositiu; });
            entrades = entrades_actives(estat, botons);
        }
        for (const int i : entrades) {
            if (menu_marcat(form1, elements::mn_configurar)) {
                pas([&] { assignar(s, form1, j, i); });
            }
            if (menu_marcat(form1, elements::mn_joystic)) {
                pas([&] { sumar_u(s, form1, s.casella_configurant); });
                eines.beep();
            }
        }
        if (menu_marcat(form1, elements::mn_joystic)) {
            pas([&] { s.joysticks[j].amb_cursors = cert16; });
        }
    }
}

} // namespace quorvel
