// Resets the exercise fields of the session (end of start-up).
#pragma once

#include <functional>

namespace quorvel {

struct estat_joc;

// Each step runs even when an earlier one failed. tancar_midi closes the MIDI
// output when the loaded exercise is of type 1.
void exercici_inicialitzar(estat_joc& s, const std::function<void()>& tancar_midi);

} // namespace quorvel
