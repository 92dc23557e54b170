// The arrow paths (15, 16, 17): judged as 6, 7 and 8; after a good press the
// stage shows the arrows that lead to the next cell.
#include "engine/familia.h"

#include "content/dibuix.h"
#include "core/errors.h"
#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/jutjar.h"
#include "platform/serveis.h"
#include "platform/vista_escenari.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace quorvel {

using namespace despatxament;

namespace {

regla_judici regla(int numero) {
    return numero == 15   ? regla_judici::seguent
           : numero == 16 ? regla_judici::actual
                          : regla_judici::moviments;
}

void fletxes_mostrar(despatxador& desp, const std::string& direccions) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    finestra& esc = desp.escenari();
    const int l = static_cast<int>(direccions.size());
    for (const int i : esc.indexos(elements::imatge)) {
        if (i >= 1) {
            pas([&] { esc.posar_visible(elements::imatge, i, false); });
            if (i > l) {
                pas([&] { esc.descarregar(elements::imatge, i); });
            }
        }
    }
    const mida_pantalla pantalla = desp.vista().pantalla();
    for (int i = 1; i <= l; ++i) {
        pas([&] {
            if (!esc.existeix(elements::imatge, i)) {
                esc.carregar(elements::imatge, i);
            }
        });
        pas([&] {
            const char d = direccions[static_cast<std::size_t>(i - 1)];
            const char* nom = d == 'U'   ? "up.gif"
                              : d == 'D' ? "down.gif"
                              : d == 'R' ? "right.gif"
                                         : "left.gif";
            imatge_posar(sv.fitxers, esc, i, s.carpeta_programa + "\\imatge\\" + nom);
        });
        long x = 0;
        pas([&] {
            const element& e = esc.obtenir(elements::imatge, i);
            if (i == 1) {
                const long costat = twips(0.9 * static_cast<double>(pantalla.alcada_twips) / l);
                esc.posar_posicio(elements::imatge, 1, e.left, e.top, costat, costat);
                x = twips(0.05 * static_cast<double>(pantalla.amplada_twips));
            } else {
                const element& anterior = esc.obtenir(elements::imatge, i - 1);
                x = anterior.left + twips(1.1 * static_cast<double>(anterior.width));
            }
        });
        pas([&] {
            const element& primer = esc.obtenir(elements::imatge, 1);
            esc.posar_posicio(elements::imatge, i, x, 0, primer.width, primer.height);
            esc.posar_visible(elements::imatge, i, true);
        });
    }
}

void cami_fletxes(despatxador& desp, int k, int t) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    finestra& form1 = desp.consola();
    exercici& ex = desp.ex();
    bool ok = false;
    pas([&] { ok = desp.jutjar(k, regla(t)) == judici_be; });
    if (!ok) {
        return;
    }
    pas([&] { s.caselles.posar_color(form1, k, color_groc); });
    pas([&] {
        const std::string resposta = s.resposta;
        const std::string darrera = resposta.substr(resposta.size() - 1);
        const int c = casella_columna(s, darrera);
        const int r = casella_fila(s, darrera);
        const int columnes = s.n_columnes;
        const int files = s.n_botons / columnes + (s.n_botons % columnes != 0 ? 1 : 0);

        auto mostrar = [&](int p, int q) {
            std::string direccions(static_cast<std::size_t>(std::abs(q - r)), q > r ? 'D' : 'U');
            direccions.append(static_cast<std::size_t>(std::abs(p - c)), p > c ? 'R' : 'L');
            fletxes_mostrar(desp, direccions);
        };

        if (t == 16) {
            const std::string& seq = s.elements[0].sequencia;
            const std::string seguent = resposta.size() <= seq.size()
                                            ? seq.substr(resposta.size() - 1, 1)
                                            : s.elements[0].especials.substr(0, 1);
            if (seguent.empty()) {
                throw error_index("no next cell");
            }
            mostrar(casella_columna(s, seguent), casella_fila(s, seguent));
            return;
        }

        // Type 17's formulas give the next column and row themselves, from
        // the current ones: the same reading the judgement checks the step by.
        int columna_seguent = 0;
        int fila_seguent = 0;
        if (t == 17) {
            columna_seguent = static_cast<int>(a_enter32(std::floor(
                valor_numeric(formula_calcular(s, static_cast<std::int16_t>(c), 0, 3)))));
            fila_seguent = static_cast<int>(a_enter32(std::floor(
                valor_numeric(formula_calcular(s, static_cast<std::int16_t>(r), 0, 4)))));
        }
        for (int rebutjos = 0;; ++rebutjos) {
            int p = c;
            int q = r;
            if (t == 15) {
                const int d = std::min(3, static_cast<int>(std::floor(4 * sv.rellotge.aleatori())));
                if (d == 0) {
                    p = c >= columnes ? c - 1 : c + 1;
                } else if (d == 1) {
                    p = c < 2 ? c + 1 : c - 1;
                } else if (d == 2) {
                    q = r >= files ? r - 1 : r + 1;
                } else {
                    q = r < 2 ? r + 1 : r - 1;
                }
            } else {
                p = columna_seguent;
                q = fila_seguent;
            }
            const long n = static_cast<long>(q - 1) * columnes + p;
            const bool dins_tauler = p >= 1 && p <= columnes && q >= 1 && q <= files &&
                                     n <= s.n_botons && n <= casella_lletra_maxima;
            if (dins_tauler) {
                const char lletra = lletra_casella(static_cast<int>(n));
                const bool nova = resposta.find(lletra) == std::string::npos || rebutjos > 8;
                if (nova && s.mapa_botons.dins(n) && s.mapa_botons[n].joy != -2) {
                    s.elements[0].sequencia = resposta + lletra;
                    mostrar(p, q);
                    return;
                }
            }
            if (rebutjos > 8) {
                ex.be_final();
                return;
            }
        }
    });
}

class gestor final : public gestor_familia {
  public:
    void preparar(estat_joc& s, serveis& sv) const override {
        gestor_familia::preparar(s, sv);
        pas([&] { escenari_de_item(s); });
    }

    void premer(despatxador& desp, int k) const override {
        cami_fletxes(desp, k, desp.estat().tipus.numero);
    }
};

} // namespace

const gestor_familia& gestor_camins_fletxes() {
    static const gestor g;
    return g;
}

} // namespace quorvel
