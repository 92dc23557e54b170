#include "board/mapa.h"

#include "board/estat_tauler.h"
#include "content/forma_tauler.h"
#include "content/registre.h"
#include "core/dialegs_fitxer.h"
#include "core/lector.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/serveis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quorvel {

namespace {

constexpr std::string_view marca_format = "mapa01";
constexpr std::int16_t sense_casella = -2;

std::string registre_mapa(int casella, const boto_mapa& b) {
    return "\"" + forma_plana(static_cast<long long>(casella)) + "=" +
           forma_plana(static_cast<long long>(b.joy)) + "," +
           forma_plana(static_cast<long long>(b.entrada)) + "\"\r\n";
}

// One cell record "k=joy,entrada". Its values are converted before anything
// changes, so a record with a number that does not fit, or an assigned
// joystick or input outside mapa_entrades, leaves both tables as they were. A
// cell beyond the cell table still takes its input; only the cell step is
// skipped.
void aplicar_registre(estat_tauler& s, std::string_view registre) {
    const std::string a = camp_extreure(s, registre, 1, ",");
    const std::int16_t casella = enter16_de_text(camp_extreure(s, registre, 1, "="));
    const std::int16_t joy = enter16_de_text(camp_extreure(s, a, 2, "="));
    const std::int16_t entrada = enter16_de_text(camp_extreure(s, registre, 2, ","));

    if (s.mapa_entrades.dins(joy, entrada)) {
        forma_posar_entrada(s, joy, entrada, casella);
    } else if (joy > -1) {
        throw error_index("map record names an input outside the tables");
    }
    // A switched-off cell is saved with joystick -2 and input -2, which name
    // no input: its own fields are still restored, so switching a cell off
    // survives saving and loading the map.
    if (casella > -1) {
        pas([&] { forma_posar_casella(s, casella, {joy, entrada}); });
    }
    if (entrada > 0 && entrada < 5) {
        pas([&] {
            s.joysticks[joy].amb_cursors = cert16;
            s.cursors = true;
        });
    }
}

std::int16_t suma_botons_usats(const estat_tauler& s) {
    long long suma = 0;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        suma += s.joysticks[j].botons_usats;
    }
    return a_enter16(static_cast<double>(suma));
}

} // namespace

void mapa_entrades_crear(estat_tauler& s) {
    forma_crear_entrades(s);
}

std::string mapa_text(const estat_tauler& s) {
    std::string text = "\"" + std::string(marca_format) + "\"\r\n";
    for (int k = 1; k <= s.n_botons; ++k) {
        text += registre_mapa(k, s.mapa_botons[k]);
    }
    return text;
}

bool mapa_desar(const estat_tauler& s, serveis& sv, const std::string& cami) {
    // The whole file is put together first and written in one go, so the old
    // map is replaced only by a complete new one.
    const std::string motiu = sv.fitxers.escriure_text(cami, mapa_text(s));
    if (motiu.empty()) {
        return true;
    }
    sv.eines.missatge("No s'ha pogut desar el mapa " + cami + ": " + motiu, botons_missatge::ok,
                      "Desar mapa");
    return false;
}

void mapa_carregar(estat_tauler& s, servei_fitxers& fitxers, const std::string& cami) {
    for (int j = 1; j <= s.n_joysticks; ++j) {
        int darrera = 0;
        if (!pas([&] { darrera = 4 + s.joysticks[j].botons_dispositiu; })) {
            continue;
        }
        forma_alliberar_entrades(s, j, darrera);
    }
    pas([&] { forma_crear_caselles(s, s.n_botons); });

    std::optional<std::string> contingut;
    pas([&] { contingut = fitxers.llegir_text(cami); });
    if (!contingut) {
        return;
    }
    lector fitxer(std::move(*contingut));
    std::string registre;
    pas([&] { registre_llegir(fitxer, registre); });

    // One record per used button of every joystick, whatever the file holds:
    // further lines are ignored, missing ones read as empty records.
    for (int j = 1; j <= s.n_joysticks; ++j) {
        int usats = 0;
        pas([&] { usats = s.joysticks[j].botons_usats; });
        for (int b = 1; b <= usats; ++b) {
            registre.clear();
            pas([&] { registre_llegir(fitxer, registre); });
            pas([&] { aplicar_registre(s, registre); });
        }
    }
}

void nou_mapa(estat_tauler& s) {
    // The total is checked first so that an overflowing count changes nothing.
    const std::int16_t total = suma_botons_usats(s);
    for (int j = 1; j <= s.n_joysticks; ++j) {
        const int usats = s.joysticks[j].botons_usats;
        for (int b = 1; b <= usats; ++b) {
            forma_posar_entrada(s, j, 4 + b, sense_casella);
        }
    }
    forma_posar_botons(s, total, total);
    forma_crear_caselles(s, total);
}

void mapa_crear(estat_tauler& s) {
    forma_crear_caselles(s, s.cursors ? a_enter16(s.n_botons_total + 4.0) : s.n_botons_total);
}

std::string mapa_cami_desar(const estat_tauler& s) {
    return carpeta_escriptura(s) + "\\" + s.mapa_fitxer;
}

std::string mapa_cami_anterior(const std::string& cami) {
    const std::string_view extensio = ".map";
    if (cami.size() > extensio.size() &&
        iguals_sense_majuscules(std::string_view(cami).substr(cami.size() - extensio.size()),
                                extensio)) {
        return cami.substr(0, cami.size() - extensio.size()) + "-anterior" +
               cami.substr(cami.size() - extensio.size());
    }
    return cami + "-anterior";
}

std::string mapa_cami_inici(const estat_tauler& s, servei_fitxers& fitxers) {
    const std::string propi = mapa_cami_desar(s);
    if (s.carpeta_usuari.empty() || fitxers.existeix_fitxer(propi)) {
        return propi;
    }
    return s.carpeta_programa + "\\" + s.mapa_fitxer;
}

void mapa_menu_desar(estat_tauler& s, serveis& sv, finestra& propietari) {
    const std::string cami =
        desar_fitxer(sv, s.mapa_fitxer, propietari, carpeta_escriptura(s),
                     filtre_convertir(text_missatge(s, missatge::filtre_mapes)),
                     text_missatge(s, missatge::titol_desar_mapa));
    if (!cami.empty()) {
        mapa_desar(s, sv, cami);
    }
}

void mapa_menu_recuperar(estat_tauler& s, serveis& sv, finestra& propietari) {
    const std::string cami =
        obrir_fitxer(sv, propietari, carpeta_escriptura(s),
                     filtre_convertir(text_missatge(s, missatge::filtre_mapes)),
                     text_missatge(s, missatge::titol_obrir_mapa));
    if (!cami.empty()) {
        mapa_carregar(s, sv.fitxers, cami);
    }
}

} // namespace quorvel
