// The set-up tick of t_configurar and the helpers the set-up procedures share:
// while "Configurar mapa" is checked a pressed free input is given to the
// current cell (casella_configurant) and a held input counts up the text
// of the cell it drives; while "Ajustar joysticks" is checked every input
// counts up the test cell.
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

struct estat_tauler;
class finestra;
class servei_joystick;
class servei_eines;

// One tick of t_configurar.
void configuracio_tick(estat_tauler& s, servei_joystick& js, servei_eines& eines, finestra& form1);

// Whether a menu item of the console carries its check mark.
bool menu_marcat(const finestra& form1, std::string_view menu);

// Takes the interval of t_configurar from the temps box and starts the timer.
void configuracio_engegar(finestra& form1);

// Ends a set-up that cannot go on: "Configurar mapa" is unchecked and
// t_configurar stopped, so no later press is given to the cell it named.
void configuracio_desarmar(finestra& form1);

// Seconds from inici to ara on a clock that restarts at midnight. A clock
// set back a little (a time correction) counts as no time passed, never as
// a day.
double segons_passats(double inici, double ara);

// Numeric value of the counter cell k shows; empty when the cell has no box.
std::optional<double> casella_valor(const estat_tauler& s, const finestra& form1, int k);

} // namespace quorvel
