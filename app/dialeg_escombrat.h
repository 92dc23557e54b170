// "Tauler > Escombrat…": the operator sets one player's scanning from the
// console and it is saved in the settings file. One form: the player, then
// their mode, times, loops and tick, each player's current ones filled in.
// The new settings count from the next start.
#pragma once

namespace quorvel {

struct sessio;
struct serveis;
class finestra;

void escombrat_dialeg(sessio& s, serveis& sv, finestra& form1);

} // namespace quorvel
