// Random selection: the next question, the target cell of the list games and
// the cell tables of the scattered exercise types. Every draw comes from the
// platform's uniform generator.
#pragma once

#include <cstdint>

namespace quorvel {

struct estat_joc;
class servei_rellotge;

// elements(0) := a copy of a random item 1..n_elements; resposta emptied.
void element_sortejar(estat_joc& s, servei_rellotge& r);

// A random cell 1..n_botons - 1 below n_items, not switched off (-2) and not
// the cell whose letter ends resposta (the target just answered); correctes of
// the current item becomes its letter and resposta is emptied. Gives up,
// returning 0 and changing nothing, when no cell qualifies.
std::int16_t casella_sortejar(estat_joc& s, servei_rellotge& r);

// caselles_estat: per cell, owner joystick and order among its cells.
void caselles_numerar(estat_joc& s);

// caselles_estat: per cell, grid row and column; one random cell marked and
// written into especials of the current item.
void caselles_coordenades(estat_joc& s, servei_rellotge& r);

// caselles_estat: grid row and column, and with a = 1 about 5 % of the cells
// marked (2) with their neighbours flagged (1).
void caselles_marcar(estat_joc& s, servei_rellotge& r, int a);

// True when cell k is marked or next to a marked cell.
bool casella_ocupada(const estat_joc& s, int k);

} // namespace quorvel
