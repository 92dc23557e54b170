// The MIDI board (5): each cell sounds its list entry as a note on the
// instrument of entry 0, which the run's start opened.
#include "engine/familia.h"

#include "core/pas.h"
#include "engine/despatxador.h"
#include "engine/despatxador_comu.h"
#include "engine/estat_joc.h"
#include "stage/midi.h"

namespace quorvel {

using namespace despatxament;

namespace {

class gestor final : public gestor_familia {
  public:
    void premer(despatxador& desp, int k) const override {
        estat_joc& s = desp.estat();
        pas([&] { midi_nota(s, desp.sv(), 0, enter_de(s.llista_exercici[k]), 127); });
    }
};

} // namespace

const gestor_familia& gestor_midi() {
    static const gestor g;
    return g;
}

} // namespace quorvel
