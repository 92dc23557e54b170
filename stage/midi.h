// MIDI output: one device handle, control change, program change and note on,
// packed into 32-bit short messages. Errors from the device are shown to the
// operator with the library's own text; with no output open the notes are
// silent.
#pragma once

#include <cstdint>

namespace quorvel {

struct estat_escena;
struct serveis;

// Closes any open output, opens the device (-1 the default synth); true when
// an output is open afterwards. A failed open is shown in a message box, with
// the device's reason, unless the previous failed open gave the same reason.
bool midi_obrir(estat_escena& s, serveis& sv, int dispositiu);
// Closes the output when one is open.
void midi_tancar(estat_escena& s, serveis& sv);
// Shows the device's error text for the code in a message box.
void midi_error(serveis& sv, int codi);
// data2 x 65536 + data1 x 256 + status + offset. A first data byte that
// cannot be packed throws error_desbordament.
std::uint32_t midi_empaquetar(int offset, int data2, int data1, int status);
// Sends nothing, and tells nothing, while no output is open.
void midi_missatge(estat_escena& s, serveis& sv, int status, int data1, int data2);
void midi_control(estat_escena& s, serveis& sv, int canal, int controlador, int valor);
void midi_nota(estat_escena& s, serveis& sv, int canal, int nota, int velocitat);
void midi_programa(estat_escena& s, serveis& sv, int canal, int banc, int programa);

} // namespace quorvel
