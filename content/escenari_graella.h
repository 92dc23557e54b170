// A scenario made from a teacher's pictures, one per cell, laid out as the
// program's default scenario lays out its numbered tiles: its geometry and
// its released picture, the pictures in the place of the tiles.
#pragma once

#include "content/document_exercici.h"

#include <string>
#include <vector>

namespace quorvel {

// plantilla: the default scenario's records (its title, kind, element count
// and the nine records of element 1 are taken); fons and deixat_anar: the
// names its background and released picture take in the new scenario's
// folder; imatges: the pictures of cells 1 to N.
document_exercici escenari_graella(const document_exercici& plantilla, const std::string& titol,
                                   const std::string& fons, const std::string& deixat_anar,
                                   const std::vector<std::string>& imatges);

} // namespace quorvel
