// Cells an exercise names that a board does not have. The same exercise
// plays on boards of different sizes, so this is checked against the board
// in use rather than when the file is read.
#pragma once

#include "content/lectura_contingut.h"

#include <vector>

namespace quorvel {

struct estat_contingut;

// One finding per cell list (an item's correctes, sequencia or especials)
// that names a cell beyond a board of n_caselles cells or a letter that is
// no cell, and one for list entries past the board's last cell. The lines
// are those a load with findings kept (0 otherwise).
std::vector<avis_lectura> caselles_fora_del_tauler(const estat_contingut& s, int n_caselles);

} // namespace quorvel
