#include "engine/exercici_inicialitzar.h"

#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "engine/estat_joc.h"

namespace quorvel {

void exercici_inicialitzar(estat_joc& s, const std::function<void()>& tancar_midi) {
    pas([&] {
        if (s.tipus.tanca_midi_en_buidar() && tancar_midi) {
            tancar_midi();
        }
    });
    s.fitxer_exercici.clear();
    s.n_items = 1;
    s.n_elements = 1;
    s.tipus = tipus_de_text("0");
    s.consigna_exercici.clear();
    s.valor_extra = 0;
    pas([&] { s.llista_exercici.redimensionar(0, s.n_items); });
}

} // namespace quorvel
