// Set-up of single cells: "Configurar boto" gives a selected cell a new input,
// and the cell commands switch selected cells off, erase them or switch them
// on again. The operator selects cells by clicking them with no exercise
// running; each command uses the selection up.
#pragma once

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;

// Lights cell k and waits until the set-up tick has counted its input past 9;
// false when "Configurar mapa" was unchecked first (the cell stays yellow) or
// the cell's box went away (the set-up is then disarmed).
bool configurar_boto(estat_tauler& s, serveis& sv, finestra& form1, int k);

// "Configurar boto": configures the first selected cell; with none selected
// the operator is asked to click one first and nothing is armed.
void configurar_boto_menu(estat_tauler& s, serveis& sv, finestra& form1);

// The commands of the mn_boto menu array.
void boto_desactivar(estat_tauler& s, finestra& form1);
// Erasing asks first, naming how many cells lose their input; "no" leaves
// the map and the boxes as they were.
void boto_esborrar(estat_tauler& s, serveis& sv, finestra& form1);
void boto_activar(estat_tauler& s, finestra& form1);
// Adds cell k to the selection (a cell not on the board is no selection).
void casella_seleccionar(estat_tauler& s, finestra& form1, int k);
void seleccio_buidar(estat_tauler& s, finestra& form1);

} // namespace quorvel
