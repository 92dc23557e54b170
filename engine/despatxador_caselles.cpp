// The marked cells (50) and the hidden cell (51).
#include "engine/despatxador.h"

#include "content/rutes.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "platform/serveis.h"
#include "stage/media.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace quorvel {

using namespace despatxament;

void despatxador::tipus_50(int k) {
    int marca = 0;
    if (!pas([&] { marca = s_.caselles_estat(k, 3); })) {
        return;
    }
    auto reproduir = [&](std::string element_exercici::*camp) {
        pas([&] {
            const std::string cami = s_.elements[0].*camp;
            so_reproduir(s_, sv_, cami);
        });
    };
    auto pintar = [&](color c) { pas([&] { s_.caselles.posar_color(form1_, k, c); }); };
    switch (marca) {
    case 2:
        reproduir(&element_exercici::media_3);
        pintar(color_verd);
        pas([&] { imatge_llista(k, 1); });
        break;
    case 1:
        reproduir(&element_exercici::media_1);
        pintar(color_gris);
        pas([&] { imatge_llista(k, 3); });
        break;
    case 0:
        pas([&] { imatge_llista(k, 2); });
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

void despatxador::tipus_51(int k) {
    const unsigned long premuda = ++premuda_51_;
    pas([&] {
        if (s_.caselles_estat(k, 3) == 2) {
            pas([&] {
                const std::string cami = s_.elements[0].media_3;
                so_reproduir(s_, sv_, cami);
            });
            pas([&] { s_.caselles.posar_color(form1_, k, color_verd); });
            pas([&] { imatge_llista(k, 1); });
        }
    });
    // Field 1 is the row, field 2 the column; the list holds the near hint
    // and then the two directions of rows and of columns.
    std::vector<int> pistes;
    auto pista = [&](int camp, int cap_endavant, int enrere) {
        pas([&] {
            const int amagada = primer_codi(s_.elements[0].especials);
            const int d = s_.caselles_estat(amagada, camp) - s_.caselles_estat(k, camp);
            const int ultima = s_.caselles_estat(s_.n_botons, camp);
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
    const unsigned long execucio = ex_.execucio();
    for (std::size_t i = 0; i < pistes.size(); ++i) {
        if (i > 0 && !esperar_fi_media(execucio, [&] { return premuda_51_ == premuda; })) {
            return;
        }
        pas([&] {
            so_reproduir(s_, sv_,
                         ruta_subcarpeta(sv_.fitxers, s_.carpeta_programa, "veu\\",
                                         s_.llista_exercici[pistes[i]]));
        });
    }
}

} // namespace quorvel
