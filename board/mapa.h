// The board map: which joystick input drives which cell, its two mirrored
// tables, the map file and the map menus.
#pragma once

#include <string>

namespace quorvel {

struct estat_tauler;
struct serveis;
class finestra;
class servei_fitxers;

// Start-up: mapa_entrades for joysticks 0..n_joysticks and inputs
// 0..n_botons_total + 4, every value 0.
void mapa_entrades_crear(estat_tauler& s);

// Writes the map file. A failure is told to the operator in a message box
// naming the file and the system's reason; the old file stays intact.
// Returns true when the file was written.
bool mapa_desar(const estat_tauler& s, serveis& sv, const std::string& cami);

// The map file's text for the map in force.
std::string mapa_text(const estat_tauler& s);

// Reads a map file into the two tables (failing steps skipped).
void mapa_carregar(estat_tauler& s, servei_fitxers& fitxers, const std::string& cami);

// Where the map named by the settings is saved: the folder the program writes to.
std::string mapa_cami_desar(const estat_tauler& s);

// Where the map a set-up replaces is kept: "kk.map" becomes "kk-anterior.map",
// so the map menus still list it.
std::string mapa_cami_anterior(const std::string& cami);

// The map named by the settings as start-up reads it: the operator's own copy
// when there is one, else the one that came with the program.
std::string mapa_cami_inici(const estat_tauler& s, servei_fitxers& fitxers);

// Empties the map for the current joysticks.
void nou_mapa(estat_tauler& s);

// "Crear Mapa" without the redraw: one cell per device button (plus four for
// the directions when cursors is set), every field 0.
void mapa_crear(estat_tauler& s);

// "Desar mapa" and "Mapa recuperar" through the file dialogs, opened in the
// folder the program writes to.
void mapa_menu_desar(estat_tauler& s, serveis& sv, finestra& propietari);
void mapa_menu_recuperar(estat_tauler& s, serveis& sv, finestra& propietari);

} // namespace quorvel
