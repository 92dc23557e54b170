// The scenario file: the stage elements shown around the board, each with its
// rectangle, step and media list, read into the session's graella.
#pragma once

#include "content/lectura_contingut.h"

#include <string>
#include <vector>

namespace quorvel {

struct estat_contingut;
class servei_fitxers;

// Most media items all the elements of one scenario may hold together. A list
// that would pass it is not created, as a resize that fails: the element keeps
// what it had (its n_joysticks + 1 empty items, or none when even those do not
// fit). A real scenario holds a few hundred.
inline constexpr long long escenari_maxim_items = 1LL << 20;

// Replaces graella and sets esc_titol, esc_n and (when its record is a number)
// esc_tipus from the file. esc_llegint is 1 during the call when the path
// contains "graella.esc". Steps that fail are skipped; when avisos is given,
// what was skipped or guessed is noted there.
void graella_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                      std::vector<avis_lectura>* avisos = nullptr);

} // namespace quorvel
