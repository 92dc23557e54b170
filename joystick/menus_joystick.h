// The console's joystick menus that have no other owner: "Ajustar joysticks"
// and "Simular".
#pragma once

namespace quorvel {

struct sessio;
struct serveis;
class finestra;

// Registers the click handlers of mn_joystic and mn_simular on the console.
// The three references must outlive the window's handlers.
void registrar_ajust_i_simulacio(sessio& s, serveis& sv, finestra& form1);

} // namespace quorvel
