// The counting types: counting presses (20, 21, 22) and counting up to a
// target (23, 24, 25). The item is the first one, on its own scenario.
#include "engine/familia.h"

#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "platform/serveis.h"

#include <cmath>
#include <string>

namespace quorvel {

using namespace despatxament;

namespace {

void comptar(despatxador& desp, int k, int t) {
    estat_joc& s = desp.estat();
    exercici& ex = desp.ex();
    if (t == 20) {
        pas([&] {
            const int n = a_enter16(valor_numeric(s.resposta) + 1);
            pas([&] { desp.imatge_llista(n, 1); });
            pas([&] { desp.escenari().posar_caption(elements::texto, 1, text_decimal(n)); });
            s.resposta = text_decimal(n);
        });
    } else if (t == 21) {
        pas([&] {
            const double r = valor_numeric(s.resposta);
            if (k % 10 == 0) {
                s.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s.resposta = text_decimal(k + k % 10);
            } else {
                s.resposta = "-1";
            }
        });
    } else if (t == 22) {
        s.resposta = s.resposta.empty() ? text_decimal(k) : "-1";
    } else if (t == 23) {
        pas([&] {
            if (valor_numeric(s.resposta) + 1 == primer_codi(s.elements[0].especials)) {
                ex.be_final();
            }
        });
    } else if (t == 24) {
        pas([&] {
            const std::string especials = s.elements[0].especials;
            const double r = valor_numeric(s.resposta);
            if (k % 10 == 0 && valor_numeric(especials) > k) {
                s.resposta = text_decimal(a_enter32(r + 10));
            } else if (r < k) {
                s.resposta = text_decimal(k);
            } else {
                s.resposta = "-1";
            }
            if (valor_numeric(s.resposta) == primer_codi(especials)) {
                ex.be_final();
            }
        });
    }
}

class gestor_presses : public gestor_familia {
  public:
    void preparar(estat_joc& s, serveis& /*sv*/) const override {
        pas([&] { s.elements[0] = s.elements[1]; });
        pas([&] { escenari_de_item(s); });
    }

    void premer(despatxador& desp, int k) const override {
        comptar(desp, k, desp.estat().tipus.numero);
    }

    // Type 20 only counts up.
    void deixar(despatxador& desp, int k) const override {
        if (desp.estat().tipus.numero != 20) {
            gestor_familia::deixar(desp, k);
        }
    }
};

// A target cell is drawn at the start.
class gestor_fins final : public gestor_presses {
  public:
    void preparar(estat_joc& s, serveis& sv) const override {
        gestor_presses::preparar(s, sv);
        pas([&] {
            const int c = static_cast<int>(std::floor(s.n_botons * sv.rellotge.aleatori())) + 1;
            s.elements[0].especials = caracter(c);
        });
    }
};

} // namespace

const gestor_familia& gestor_comptar() {
    static const gestor_presses g;
    return g;
}

const gestor_familia& gestor_comptar_fins() {
    static const gestor_fins g;
    return g;
}

} // namespace quorvel
