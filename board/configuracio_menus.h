// Wires the set-up procedures to the console: the t_configurar tick,
// "Configurar mapa", "Configurar boto", "Ajustar joysticks", "Simular" and
// the cell commands of the mn_boto array.
#pragma once

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;

// Registers the handlers on Form1. The session, services and window must
// outlive the window's handlers.
void registrar_configuracio(estat_tauler& s, serveis& sv, finestra& form1);

} // namespace quorvel
