#include "engine/jutjar.h"

#include "content/dibuix.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "platform/servei_fitxers.h"

#include <string>
#include <string_view>

namespace quorvel {

namespace {

bool conte(std::string_view text, char lletra) {
    return text.find(lletra) != std::string_view::npos;
}

// The letter at a position counted from 1, or 0 when there is none.
char lletra_a(std::string_view text, std::size_t posicio) {
    if (posicio < 1 || posicio > text.size()) {
        return 0;
    }
    return text[posicio - 1];
}

finestra& escenari_de(const retroaccio& r) {
    finestra* e = r.escenari ? r.escenari() : nullptr;
    if (e == nullptr) {
        throw error_element("no stage");
    }
    return *e;
}

bool es_absolut(std::string_view cami) {
    return (!cami.empty() && (cami[0] == '/' || cami[0] == '\\')) ||
           (cami.size() >= 2 && cami[1] == ':');
}

// Type 9: the picture of the pressed cell's player after a pair or a miss.
void parella_imatge(estat_joc& s, servei_fitxers& fitxers, const retroaccio& r, int c,
                    bool encert) {
    const int jugador = s.caselles_estat(c, 1);
    const auto& llista = s.graella[1].fitxers;
    if (!encert) {
        imatge_posar(fitxers, escenari_de(r), jugador, imatge_programa(s, fitxers, llista[0].cami));
        return;
    }
    const int item = s.joysticks[1].botons_usats + jugador - 1;
    const std::string& cami = llista[item].cami;
    finestra& esc = escenari_de(r);
    if (cami.empty()) {
        esc.posar_imatge(elements::imatge, jugador, esc.obtenir(elements::imatge, 1).imatge);
    } else {
        imatge_posar(fitxers, esc, jugador, imatge_programa(s, fitxers, cami));
    }
}

std::int16_t judici_regla(const estat_joc& s, int c, regla_judici regla, char lletra) {
    const auto& item = s.elements[0];
    const std::string& r = s.resposta;
    const std::string& seq = item.sequencia;
    std::int16_t resultat = judici_mal;
    const bool actual = regla == regla_judici::actual;
    switch (regla) {
    case regla_judici::seguent:
    case regla_judici::actual: {
        const char esperada = lletra_a(seq, actual ? r.size() : r.size() + 1);
        if (esperada == lletra || (actual && esperada == '*') || seq == "*") {
            resultat = judici_be;
        }
        if (conte(item.especials, lletra)) {
            resultat = judici_final;
        }
        if (resultat == judici_mal && lletra == r.back()) {
            resultat = judici_ignorat;
        }
        break;
    }
    case regla_judici::moviments: {
        const std::string inici = r.substr(r.size() - 1);
        const std::string fi = text_casella(c);
        // Each formula is given the positions along its own axis.
        const std::string fila_bona =
            formula_calcular(s, casella_fila(s, inici), casella_fila(s, fi), 2);
        const std::string columna_bona =
            formula_calcular(s, casella_columna(s, inici), casella_columna(s, fi), 1);
        if ((a_enter32(valor_numeric(fila_bona)) & a_enter32(valor_numeric(columna_bona))) != 0) {
            resultat = judici_be;
            if (conte(item.especials, lletra)) {
                resultat = judici_final;
            }
        }
        break;
    }
    case regla_judici::parella: {
        const int p = casella_lletra(r.back());
        if (p == s.caselles_estat(c, 2)) {
            resultat = judici_parella;
        }
        break;
    }
    }
    return resultat;
}

} // namespace

std::string imatge_programa(const estat_joc& s, servei_fitxers& fitxers, const std::string& cami) {
    const std::string nom = es_absolut(cami) ? cami : s.carpeta_programa + "\\imatge\\" + cami;
    return fitxers.cami_complet(nom).value_or(std::string());
}

void imatge_posar(servei_fitxers& fitxers, finestra& escenari, int j, const std::string& cami) {
    const auto complet = cami.empty() ? std::nullopt : fitxers.cami_complet(cami);
    if (!complet) {
        throw error_pas("no picture " + cami);
    }
    escenari.posar_imatge(elements::imatge, j, *complet);
}

std::int16_t resposta_jutjar(estat_joc& s, servei_fitxers& fitxers, const retroaccio& r, int c,
                             regla_judici regla) {
    const char lletra = lletra_casella(c);
    const std::string& resposta = s.resposta;
    if (s.invers_actiu && !resposta.empty() && resposta.back() == lletra) {
        return judici_ignorat;
    }
    std::int16_t resultat = judici_mal;
    if (resposta.empty()) {
        resultat = conte(s.elements[0].correctes, lletra) ? judici_be : judici_mal;
    } else {
        resultat = judici_regla(s, c, regla, lletra);
    }
    const bool parella = regla == regla_judici::parella;
    if (parella && resultat == judici_parella) {
        const int p = casella_lletra(resposta.back());
        s.joysticks[s.caselles_estat(c, 1)].resposta_jugador += text_decimal(p);
    }

    switch (resultat) {
    case judici_be:
        s.resposta += lletra;
        if (r.be) {
            r.be();
        }
        break;
    case judici_mal:
        if (parella) {
            pas([&] { parella_imatge(s, fitxers, r, c, false); });
        }
        if (r.mal) {
            r.mal();
        }
        break;
    case judici_final:
        if (r.be_final) {
            r.be_final();
        }
        break;
    case judici_parella:
        pas([&] { parella_imatge(s, fitxers, r, c, true); });
        break;
    default:
        break;
    }
    return resultat;
}

std::int16_t cursa_jutjar(estat_joc& s, const mida_pantalla& pantalla, const retroaccio& r, int c) {
    const char lletra = lletra_casella(c);
    const int jugador = s.mapa_botons[c].joy;
    if (jugador < 1) {
        // An unassigned or switched-off cell belongs to no player and no token.
        throw error_index("cell " + std::to_string(c) + " has no player");
    }
    std::string& trajecte = s.joysticks[jugador].resposta_jugador;
    const auto item = s.elements[0];
    std::int16_t resultat = judici_mal;
    if (trajecte.empty()) {
        if (conte(item.correctes, lletra) || item.correctes == "*") {
            resultat = judici_be;
        }
    } else if (s.tipus.cursa_amb_cos()) {
        const std::string& seq = item.sequencia;
        if (s.tipus.cursa_per_sequencia()) {
            const char esperada = lletra_a(seq, trajecte.size());
            if (esperada == lletra || esperada == '*') {
                resultat = judici_be;
            }
        } else if (seq == "*") {
            resultat = judici_be;
        }
        if (conte(item.especials, lletra)) {
            resultat = judici_final;
        }
        if (resultat == judici_mal && lletra == trajecte.back()) {
            resultat = judici_ignorat;
        }
    }
    if (resultat != judici_mal) {
        trajecte += lletra;
    }

    if (resultat == judici_be) {
        if (r.be) {
            r.be();
        }
        pas([&] {
            const casella_esc& meta = s.graella[1];
            finestra& esc = escenari_de(r);
            const element& fitxa = esc.obtenir(elements::imatge, jugador);
            const long left =
                fitxa.left + static_cast<long>(a_enter32(meta.pas_x * pantalla.twips_per_pixel_x));
            const long top =
                fitxa.top + static_cast<long>(a_enter32(meta.pas_y * pantalla.twips_per_pixel_y));
            esc.posar_posicio(elements::imatge, jugador, left, top, fitxa.width, fitxa.height);
            const bool arribat =
                static_cast<double>(left) > meta.x_fi * pantalla.twips_per_pixel_x ||
                static_cast<double>(top) > meta.y_fi * pantalla.twips_per_pixel_y;
            if (arribat && r.be_final) {
                r.be_final();
            }
        });
    } else if (resultat == judici_mal) {
        if (r.mal) {
            r.mal();
        }
    } else if (resultat == judici_final) {
        if (r.be_final) {
            r.be_final();
        }
    }
    return resultat;
}

} // namespace quorvel
