// The board's shape (players, inputs, cells, columns) and its two map tables
// change only here. They are the content's state because the lint, the stage
// layout and the polling read them, while the pads' enumeration, the map file,
// the simulation and the set-ups fill them; one place of writing keeps the
// counts and the tables agreeing, and a write that would break them fails
// before it changes anything.
#pragma once

#include "content/boto_mapa.h"
#include "content/estat_contingut.h"

#include <cstdint>

namespace quorvel {

// n_joysticks players.
void forma_posar_joysticks(estat_contingut& s, std::int16_t n);

// n_botons_total inputs of all pads and n_botons cells. The tables keep their
// size until forma_crear_entrades and forma_crear_caselles.
void forma_posar_botons(estat_contingut& s, std::int16_t total, std::int16_t caselles);

// The cells per row as the settings give them, whatever the value: a count
// below 1 is mended by forma_columnes_valides before a board is laid out.
void forma_posar_columnes(estat_contingut& s, std::int16_t columnes);

// A count below 1 has no layout: it becomes 3.
void forma_columnes_valides(estat_contingut& s);

// mapa_entrades for players 0..n_joysticks and inputs 0..n_botons_total + 4,
// every input driving no cell (0).
void forma_crear_entrades(estat_contingut& s);

// mapa_botons for cells 0..caselles, every cell unassigned, and n_botons =
// caselles. A table that cannot be made changes nothing.
void forma_crear_caselles(estat_contingut& s, std::int16_t caselles);

// The cell table shrinks or grows to 0..n_botons, keeping the cells that stay.
void forma_retallar_caselles(estat_contingut& s);

// Input i of player j drives cell c (-2: none). Outside the table is
// error_index and changes nothing.
void forma_posar_entrada(estat_contingut& s, int j, int i, std::int16_t c);

// Inputs 1..darrera of player j drive no cell (-2); inputs beyond the table
// are left alone.
void forma_alliberar_entrades(estat_contingut& s, int j, int darrera);

// Cell k is driven by b. Outside the table is error_index.
void forma_posar_casella(estat_contingut& s, int k, boto_mapa b);

// Input i of player j drives cell k, and cell k names that input. Its previous
// input is released if it still names k, so both tables keep naming one input
// for the cell. Checked before anything changes.
void forma_assignar(estat_contingut& s, int j, int i, int k);

// Cell k leaves the input table: the inputs that drove it drive none, and
// those of cells k + 1..n follow their cells one number down.
void forma_treure_de_entrades(estat_contingut& s, int k, int n);

// The whole shape and map taken back from a copy (a cancelled set-up).
void forma_substituir(estat_contingut& s, std::int16_t caselles, std::int16_t total,
                      const taula2<std::int16_t>& entrades, const taula<boto_mapa>& botons);

} // namespace quorvel
