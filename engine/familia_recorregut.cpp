// Find a cell, follow a sequence, draw moves (6, 7, 8): each press is judged
// against the item drawn at the start, a good cell turning yellow.
#include "engine/familia.h"

#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "engine/despatxador.h"
#include "engine/estat_joc.h"
#include "engine/jutjar.h"

namespace quorvel {

namespace {

regla_judici regla(int numero) {
    return numero == 6   ? regla_judici::seguent
           : numero == 7 ? regla_judici::actual
                         : regla_judici::moviments;
}

class gestor final : public gestor_familia {
  public:
    // The item brings its own scenario, else the stage is the default one.
    void preparar(estat_joc& s, serveis& sv) const override {
        gestor_familia::preparar(s, sv);
        pas([&] { escenari_de_item(s); });
    }

    void premer(despatxador& desp, int k) const override {
        estat_joc& s = desp.estat();
        pas([&] {
            if (desp.jutjar(k, regla(s.tipus.numero)) == judici_be) {
                s.caselles.posar_color(desp.consola(), k, color_groc);
            }
        });
    }
};

} // namespace

const gestor_familia& gestor_recorregut() {
    static const gestor g;
    return g;
}

} // namespace quorvel
