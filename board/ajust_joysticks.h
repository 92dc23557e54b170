// "Ajustar joysticks": each player in turn gets a lit cell and ten seconds to
// press anything until the set-up tick has counted that cell past 9; the
// outcome is kept in the player's ajust field ("-1" when the time ran out).
#pragma once

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;

// Seconds a player has to answer.
inline constexpr double ajust_segons = 10.0;

// The cell lit for player j: the first cell the player's joystick drives,
// otherwise cell j, otherwise (a board smaller than the number of players)
// the cells taken again in turn; 0 when the board shows no cell at all.
int ajust_casella_prova(const estat_tauler& s, const finestra& form1, int j);

// Runs the whole check. It waits with pumped waits; unchecking "Ajustar
// joysticks" meanwhile abandons it, leaving the cells as they are.
void ajustar_joysticks(estat_tauler& s, serveis& sv, finestra& form1);

} // namespace quorvel
