// The counting types (20 to 25).
#include "engine/despatxador.h"

#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"

#include <string>

namespace quorvel {

using namespace despatxament;

void despatxador::comptar(int k, int t) {
    if (t == 20) {
        pas([&] {
            const int n = a_enter16(valor_numeric(s_.resposta) + 1);
            pas([&] { imatge_llista(n, 1); });
            pas([&] { escenari().posar_caption(elements::texto, 1, text_decimal(n)); });
            s_.resposta = text_decimal(n);
        });
    } else if (t == 21) {
        pas([&] {
            const double r = valor_numeric(s_.resposta);
            if (k % 10 == 0) {
                s_.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s_.resposta = text_decimal(k + k % 10);
            } else {
                s_.resposta = "-1";
            }
        });
    } else if (t == 22) {
        s_.resposta = s_.resposta.empty() ? text_decimal(k) : "-1";
    } else if (t == 23) {
        pas([&] {
            if (valor_numeric(s_.resposta) + 1 == primer_codi(s_.elements[0].especials)) {
                ex_.be_final();
            }
        });
    } else if (t == 24) {
        pas([&] {
            const std::string especials = s_.elements[0].especials;
            const double r = valor_numeric(s_.resposta);
            if (k % 10 == 0 && valor_numeric(especials) > k) {
                s_.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s_.resposta = text_decimal(k);
            } else {
                s_.resposta = "-1";
            }
            if (valor_numeric(s_.resposta) == primer_codi(especials)) {
                ex_.be_final();
            }
        });
    }
}

} // namespace quorvel
