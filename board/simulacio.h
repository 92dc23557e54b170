// "Simular": the program set up as if a number of joysticks with a number of
// buttons each were connected, every button driving its own cell in order,
// so the board can be used with the mouse and its map saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;

// Cells travel as one character whose code is the cell number.
inline constexpr int simulacio_maxim_caselles = 255;

// The count typed into a prompt: a whole number (blanks around it allowed,
// a fraction rounded half to even) of at least 1 and at most
// simulacio_maxim_caselles; nothing for any other answer.
std::optional<std::int16_t> simulacio_nombre(std::string_view resposta);

// Replaces the joystick table and both map tables with joysticks 1..J of B
// buttons each, button b of joystick j driving cell (j - 1) * B + b. J and
// B must be at least 1 and J * B at most simulacio_maxim_caselles.
void simulacio_aplicar(estat_tauler& s, std::int16_t joysticks, std::int16_t botons);

// simulacio_aplicar, then the board redrawn with the new cells.
void simulacio_preparar(estat_tauler& s, finestra& form1, std::int16_t joysticks,
                        std::int16_t botons);

// The menu: asks both counts, applies them and redraws the board. A
// cancelled prompt changes nothing; an answer that cannot be used is told
// in a message box and changes nothing either.
void simular(estat_tauler& s, serveis& sv, finestra& form1);

} // namespace quorvel
