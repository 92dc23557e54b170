// The polling tick of t_joystick: reads every joystick, works out which cells
// are held, and hands presses and releases to the press path.
#pragma once

#include <map>
#include <vector>

namespace quorvel {

struct estat_joysticks;
class cami_premudes;
class servei_joystick;

// One tick. Every failing step (an index outside a table, a cell number that
// does not fit one character) is skipped. New presses are handed on in the
// order they were made, each with the service's change time; the switch times
// acceptacio and repeticio of the state decide which held inputs count.
void joysticks_sondejar(estat_joysticks& s, servei_joystick& js, cami_premudes& cami);

// Each player's own cells, in order: the cells their buttons drive (a cell
// switched off, or off the board, is none of them). Scanning goes through these.
std::map<int, std::vector<int>> caselles_jugadors(const estat_joysticks& s);

} // namespace quorvel
