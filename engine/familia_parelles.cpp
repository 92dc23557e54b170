// The pairs (9): a cell of pad 1 picks and shows its picture; a cell of
// another pad is judged against the last pick.
#include "engine/familia.h"

#include "core/lletra_casella.h"
#include "core/pas.h"
#include "core/text.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/jutjar.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"

#include <string>

namespace quorvel {

using namespace despatxament;

namespace {

class gestor final : public gestor_familia {
  public:
    void preparar(estat_joc& s, serveis& sv) const override {
        pas([&] { caselles_numerar(s); });
        gestor_familia::preparar(s, sv);
    }

    void premer(despatxador& desp, int k) const override {
        estat_joc& s = desp.estat();
        pas([&] {
            if (s.mapa_botons[k].joy != 1) {
                desp.jutjar(k, regla_judici::parella);
                return;
            }
            const int ordre = s.caselles_estat(k, 2);
            s.resposta += text_casella(ordre);
            if (te_llista(s.graella[1])) {
                desp.imatge_llista(1, ordre);
            }
        });
    }

    // Pad 1's picture goes back to the stage's first one.
    void deixar(despatxador& desp, int k) const override {
        estat_joc& s = desp.estat();
        pas([&] {
            if (s.mapa_botons[k].joy == 1) {
                const std::string cami =
                    imatge_programa(s, desp.sv().fitxers, s.graella[1].fitxers[0].cami);
                imatge_posar(desp.sv().fitxers, desp.escenari(), 1, cami);
            }
        });
        gestor_familia::deixar(desp, k);
    }
};

} // namespace

const gestor_familia& gestor_parelles() {
    static const gestor g;
    return g;
}

} // namespace quorvel
