// The polling tick of t_joystick: reads every joystick, works out which cells
// are held, and turns presses and releases into "1" and "0" texts on the
// cells of the main window's Check2 array (each change runs the cell's
// handler at once). Also the mouse's ways to do the same.
#pragma once

#include <functional>

namespace quorvel {

struct estat_joysticks;
class finestra;
class servei_joystick;

// The race judgement, called for each activated cell in exercise types 30 to
// 49 with the cell and the type.
using jutjar_cursa = std::function<void(int casella, int tipus)>;

// One tick. Every failing step (an index outside a table, a missing cell, a
// cell number that does not fit one character) is skipped. New presses are
// handed on in the order they were made (the service's change times), with
// moment_pulsacio set for each; the switch times acceptacio and repeticio of
// the state decide which held inputs count.
void joysticks_sondejar(estat_joysticks& s, servei_joystick& js, finestra& form1,
                        const jutjar_cursa& cursa);

// A click on cell k activates it.
void casella_clic(finestra& form1, int k);
// A cell that loses the focus is emptied, so the next press is an event again.
void casella_perdua_focus(finestra& form1, int k);

} // namespace quorvel
