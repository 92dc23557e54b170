// The marked cells (50) and the hidden cell (51).
#include "engine/familia.h"

#include "content/rutes.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"
#include "stage/media.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace quorvel {

using namespace despatxament;

namespace {

void marcada(despatxador& desp, int k) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    finestra& form1 = desp.consola();
    int marca = 0;
    if (!pas([&] { marca = s.caselles_estat(k, 3); })) {
        return;
    }
    auto reproduir = [&](std::string element_exercici::*camp) {
        pas([&] {
            const std::string cami = s.elements[0].*camp;
            so_reproduir(s, sv, cami);
        });
    };
    auto pintar = [&](color c) { pas([&] { s.caselles.posar_color(form1, k, c); }); };
    switch (marca) {
    case 2:
        reproduir(&element_exercici::media_3);
        pintar(color_verd);
        pas([&] { desp.imatge_llista(k, 1); });
        break;
    case 1:
        reproduir(&element_exercici::media_1);
        pintar(color_gris);
        pas([&] { desp.imatge_llista(k, 3); });
        break;
    case 0:
        pas([&] { desp.imatge_llista(k, 2); });
        break;
    case -1:
        reproduir(&element_exercici::media_2);
        pintar(color_vermell);
        break;
    case -2:
        reproduir(&element_exercici::media_4);
        pintar(color_negre);
        break;
    default:
        break;
    }
}

void amagada(despatxador& desp, int k) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    finestra& form1 = desp.consola();
    exercici& ex = desp.ex();
    despatxador::esperes& esperes = desp.esperes_familia();
    const unsigned long premuda = ++esperes.premudes_51;
    pas([&] {
        if (s.caselles_estat(k, 3) == 2) {
            pas([&] {
                const std::string cami = s.elements[0].media_3;
                so_reproduir(s, sv, cami);
            });
            pas([&] { s.caselles.posar_color(form1, k, color_verd); });
            pas([&] { desp.imatge_llista(k, 1); });
        }
    });
    // Field 1 is the row, field 2 the column; the list holds the near hint
    // and then the two directions of rows and of columns.
    std::vector<int> pistes;
    auto pista = [&](int camp, int cap_endavant, int enrere) {
        pas([&] {
            const int amagada = primer_codi(s.elements[0].especials);
            const int d = s.caselles_estat(amagada, camp) - s.caselles_estat(k, camp);
            const int ultima = s.caselles_estat(s.n_botons, camp);
            if (ultima == 0) {
                throw error_aritmetic("board without rows or columns");
            }
            const double percentatge = std::abs(d) / static_cast<double>(ultima) * 100.0;
            if ((percentatge < 20 || std::abs(d) < 2) && d != 0) {
                pistes.push_back(0);
            }
            if (d > 0) {
                pistes.push_back(cap_endavant);
            } else if (d < 0) {
                pistes.push_back(enrere);
            }
        });
    };
    pista(1, 1, 2);
    pista(2, 3, 4);
    // The players hear every hint whole, one after the other: each waits
    // for the one before it to end. A later press, or a stop, cuts them.
    const unsigned long execucio = ex.execucio();
    for (std::size_t i = 0; i < pistes.size(); ++i) {
        if (i > 0 &&
            !desp.esperar_fi_media(execucio, [&] { return esperes.premudes_51 == premuda; })) {
            return;
        }
        pas([&] {
            so_reproduir(s, sv,
                         ruta_subcarpeta(sv.fitxers, s.carpeta_programa, "veu\\",
                                         s.llista_exercici[pistes[i]]));
        });
    }
}

class gestor final : public gestor_familia {
  public:
    // The item brings the found, near and wrong sounds and the scenario; the
    // cell table is made after it, so that the hidden cell's code stays in
    // the item's especials.
    void preparar(estat_joc& s, serveis& sv) const override {
        gestor_familia::preparar(s, sv);
        if (s.tipus.numero == 50) {
            pas([&] { caselles_marcar(s, sv.rellotge, 1); });
        } else {
            pas([&] { caselles_coordenades(s, sv.rellotge); });
        }
    }

    void premer(despatxador& desp, int k) const override {
        if (desp.estat().tipus.numero == 50) {
            marcada(desp, k);
        } else {
            amagada(desp, k);
        }
    }
};

} // namespace

const gestor_familia& gestor_caselles_marcades() {
    static const gestor g;
    return g;
}

} // namespace quorvel
