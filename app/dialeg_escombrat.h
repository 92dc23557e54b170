// "Tauler > Escombrat…": the operator sets one player's scanning from the
// console and it is saved in the settings file. Two prompts: the player, then
// the player's line as the settings file keeps it (mode, times, loops, sound)
// with the current one filled in. The new line counts from the next start.
#pragma once

namespace quorvel {

struct sessio;
struct serveis;
class finestra;

void escombrat_dialeg(sessio& s, serveis& sv, finestra& form1);

} // namespace quorvel
