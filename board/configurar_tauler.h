// "Configurar mapa": the guided walk through every cell of the board. Each
// cell lights up in turn and takes the first free input pressed (the set-up
// tick does the assignment); at the end the map is saved.
#pragma once

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;

// Runs the whole walk; false when it was abandoned, by unchecking
// "Configurar mapa" or because a lit cell's box went away (nothing is saved
// then).
bool configurar_tauler(estat_tauler& s, serveis& sv, finestra& form1);

// Seconds a cell waits for its input before it is given up.
inline constexpr double configurar_limit_segons = 10.0;

} // namespace quorvel
