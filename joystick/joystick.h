// The joystick table: detection of a device, the start-up enumeration that
// fills the table and the button totals, and the reading of one player's
// joystick into its state text (for example "R#01#03#").
#pragma once

#include <string>

namespace quorvel {

struct estat_joysticks;
class servei_joystick;

// Reads device n (counted from 1). On success fills record 0 (centre, dead
// zone 3, device number), counts one more joystick and returns true.
bool joystick_detectar(estat_joysticks& s, servei_joystick& js, int n);

// Start-up: n_dispositius from the driver and a table holding only record 0
// (so no player either: n_joysticks becomes 0).
void joysticks_preparar(estat_joysticks& s, servei_joystick& js);

// Start-up enumeration (only when n_joysticks is 0): one record per device
// that answers, button counts and the totals n_botons, n_botons_total. With
// `teclat` set, the service's keyboard pad (when it has one) is the last device.
void joysticks_enumerar(estat_joysticks& s, servei_joystick& js);

// State text of player j (1..n_joysticks); empty when idle, unreadable or j
// is not a player. A device beyond n_dispositius is not read at all.
std::string joystick_llegir(const estat_joysticks& s, servei_joystick& js, int j);

} // namespace quorvel
