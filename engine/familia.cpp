#include "engine/familia.h"

#include "content/rutes.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/estat_joc.h"
#include "engine/jutjar.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"

namespace quorvel {

namespace {

// The families with nothing of their own: no exercise, an unknown type, and
// the races, whose presses the press path judges after the cell event
// (despatxador::cursa) by the number-wise reading.
class gestor_basic final : public gestor_familia {};

} // namespace

void gestor_familia::preparar(estat_joc& s, serveis& sv) const {
    pas([&] { element_sortejar(s, sv.rellotge); });
}

void gestor_familia::premer(despatxador& /*desp*/, int /*k*/) const {}

void gestor_familia::deixar(despatxador& desp, int /*k*/) const {
    estat_joc& s = desp.estat();
    if (valor_numeric(s.resposta) <= 0) {
        return;
    }
    pas([&] {
        const int n = a_enter16(valor_numeric(s.resposta));
        pas([&] {
            const std::string cami =
                imatge_programa(s, desp.sv().fitxers, s.graella[1].fitxers[0].cami);
            imatge_posar(desp.sv().fitxers, desp.escenari(), n, cami);
        });
        pas([&] { desp.escenari().posar_caption(elements::texto, 1, text_decimal(n - 1)); });
        s.resposta = text_decimal(n - 1);
    });
}

const gestor_familia& gestor_de(familia_exercici f) {
    static const gestor_basic basic;
    switch (f) {
    case familia_exercici::escoltar_tauler:
        return gestor_escoltar_tauler();
    case familia_exercici::midi:
        return gestor_midi();
    case familia_exercici::recorregut:
        return gestor_recorregut();
    case familia_exercici::parelles:
        return gestor_parelles();
    case familia_exercici::escoltar_i_trobar:
        return gestor_escoltar_i_trobar();
    case familia_exercici::camins_fletxes:
        return gestor_camins_fletxes();
    case familia_exercici::comptar:
        return gestor_comptar();
    case familia_exercici::comptar_fins:
        return gestor_comptar_fins();
    case familia_exercici::caselles_marcades:
        return gestor_caselles_marcades();
    case familia_exercici::cap:
    case familia_exercici::cursa:
    case familia_exercici::desconegut:
        break;
    }
    return basic;
}

const gestor_familia& gestor_de(const estat_joc& s) {
    return gestor_de(s.configuracio == mode_configuracio::cap ? s.tipus.familia
                                                              : familia_exercici::cap);
}

std::string graella_defecte(const estat_joc& s) {
    return s.carpeta_programa + "\\graella.esc";
}

void escenari_de_item(estat_joc& s) {
    const std::string& propi = s.elements[0].media_5;
    s.graella_fitxer = propi.empty() ? graella_defecte(s) : propi;
}

std::string a_veu(serveis& sv, const std::string& nom) {
    return ruta_subcarpeta(sv.fitxers, sv.fitxers.carpeta_actual(), "veu\\", nom);
}

} // namespace quorvel
