// The stage part of the run's state: the media item playing, the MIDI output
// in use, and what the stage's view adds over the stage model.
#pragma once

#include "content/estat_contingut.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct estat_escena : estat_contingut {
    std::string media_actual;
    std::uint32_t handle_midi = 0;
    // The device's text of the last failed MIDI open the operator was shown;
    // empty once an open succeeds.
    std::string midi_fallada_avisada;
    // Shown by the stage's view, never written into the stage model: right
    // and wrong for a moment, the instruction at the foot, the cell numbers.
    bool escenari_senyal = true;
    bool escenari_consigna = true;
    bool escenari_numeros = true;
};

} // namespace quorvel
