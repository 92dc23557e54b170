// Listen and find (11, 12): a target cell is drawn and heard (a recording,
// or for 12 a MIDI note); a good press draws and plays the next one. A press
// while a sound plays is no answer.
#include "engine/familia.h"

#include "core/finestra.h"
#include "core/lletra_casella.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "engine/exercici.h"
#include "engine/jutjar.h"
#include "engine/sortejar.h"
#include "platform/serveis.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <optional>
#include <string>

namespace quorvel {

using namespace despatxament;

namespace {

void trobar(despatxador& desp, int k, int t) {
    estat_joc& s = desp.estat();
    serveis& sv = desp.sv();
    finestra& form1 = desp.consola();
    exercici& ex = desp.ex();
    despatxador::esperes& esperes = desp.esperes_familia();
    const unsigned long execucio = ex.execucio();
    if (esperes.media == execucio) {
        // The players are hearing the feedback or the target: a press now is
        // not an answer, and it is not kept for later.
        return;
    }
    bool ok = false;
    pas([&] { ok = desp.jutjar(k, regla_judici::seguent) == judici_be; });

    // Wait for the media in play to end, pumping events so that the player
    // reports its state. A paused item, a failing query or an item that plays
    // on past the limit ends the wait too; the last one is closed. Stop, or
    // the final feedback, may end the run while the events run: the wait then
    // returns without acting on the new state.
    const restaurar<std::optional<unsigned long>> guarda(esperes.media, execucio);
    if (!desp.esperar_fi_media(execucio, [] { return true; })) {
        return;
    }

    int j = 0;
    if (ok) {
        pas([&] { s.caselles.posar_color(form1, k, color_groc); });
        pas([&] { j = casella_sortejar(s, sv.rellotge); });
    } else {
        pas([&] {
            const std::string& correctes = s.elements[0].correctes;
            if (!correctes.empty()) {
                j = casella_lletra(correctes.back());
            }
        });
    }
    if (j <= 0) {
        return; // no target: nothing to play
    }
    if (t == 11) {
        pas([&] { so_reproduir(s, sv, s.llista_exercici[j]); });
    } else {
        pas([&] { midi_nota(s, sv, 0, enter_de(s.llista_exercici[j]), 127); });
    }
}

class gestor final : public gestor_familia {
  public:
    void preparar(estat_joc& s, serveis& sv) const override {
        gestor_familia::preparar(s, sv);
        // No cell qualifying as a target leaves nothing to play: entry 0 is
        // no target (for type 12 it holds the instrument).
        int k = 0;
        pas([&] { k = casella_sortejar(s, sv.rellotge); });
        if (s.tipus.numero == 11) {
            if (k > 0) {
                pas([&] { media_reproduir(s, sv, a_veu(sv, s.llista_exercici[k])); });
            }
        } else {
            pas([&] { midi_tancar(s, sv); });
            pas([&] { midi_obrir(s, sv, -1); });
            pas([&] { midi_programa(s, sv, 0, 0, enter_de(s.llista_exercici[0])); });
            if (k > 0) {
                pas([&] { midi_nota(s, sv, 0, enter_de(s.llista_exercici[k]), 127); });
            }
        }
    }

    void premer(despatxador& desp, int k) const override {
        trobar(desp, k, desp.estat().tipus.numero);
    }
};

} // namespace

const gestor_familia& gestor_escoltar_i_trobar() {
    static const gestor g;
    return g;
}

} // namespace quorvel
