// The names of the window elements the logic reads, writes and listens to.
// The views and the language files address elements by these same names, so
// a name here is part of the program's outside contract: renaming one breaks
// every language file that captions it.
#pragma once

#include <string_view>

namespace quorvel::elements {

// The operator's console.

// The board cells, one per index; index 0 is the hidden anchor of the layout.
inline constexpr std::string_view caselles = "Check2";
// A hidden box kept for language files that caption it.
inline constexpr std::string_view caselles_antigues = "Check2_ant";
// Hidden check boxes kept for language files that caption them.
inline constexpr std::string_view marques = "Check1";
// Starts the exercise.
inline constexpr std::string_view engegar = "Command1";
// Stops the exercise.
inline constexpr std::string_view aturar = "Command2";
// Leaves the program.
inline constexpr std::string_view sortir = "Command3";
// The caption beside the polling interval box.
inline constexpr std::string_view etiqueta_interval = "ve";
// The polling interval, in milliseconds.
inline constexpr std::string_view interval = "temps";
// The caption beside the column count box.
inline constexpr std::string_view etiqueta_columnes = "Label1";
// How many columns the board preview lays its cells in.
inline constexpr std::string_view columnes = "n_col";
// Reads the pads' buttons as pressed when released.
inline constexpr std::string_view joy_invers = "joy_invers";
// Lets the pads' cursors move a marker over the board.
inline constexpr std::string_view explorar_cursors = "explorar_cursors";
// The line under the console's controls; on the stage, a hidden line.
inline constexpr std::string_view barra = "barra";
// The console's status line: what the operator should know now (pads found,
// the open exercise, what a set-up expects, a sound that cannot play).
inline constexpr std::string_view linia_estat = "estat";
// Polls the pads while an exercise runs.
inline constexpr std::string_view t_joystick = "t_joystick";
// Polls the pads while the board is being set up.
inline constexpr std::string_view t_configurar = "t_configurar";

// The console's menus.

// The files menu.
inline constexpr std::string_view mn_opcions = "mn_opcions";
// Opens an exercise.
inline constexpr std::string_view mn_fitxers = "mn_fixters";
// Shows the results of the players (today's or a chosen log's).
inline constexpr std::string_view mn_resultats = "mn_resultats";
// "Fitxers > Nou exercici" and "Fitxers > Editar exercici": the exercise editor.
inline constexpr std::string_view mn_nou_exercici = "mn_nou_exercici";
inline constexpr std::string_view mn_editar_exercici = "mn_editar_exercici";
// The board tools menu.
inline constexpr std::string_view mn_eines = "mn_eines";
// Makes a new board map.
inline constexpr std::string_view mn_crear_mapa = "mn_crear_mapa";
// Saves the board map.
inline constexpr std::string_view mn_mapa_desar = "mn_mapa_desar";
// Sets up the board, one cell after another (checked while running).
inline constexpr std::string_view mn_configurar = "mn_configurar";
// Loads a saved board map.
inline constexpr std::string_view mn_mapa_recuperar = "mn_mapa_recuperar";
// Tunes the pads (checked while running).
inline constexpr std::string_view mn_joystic = "mn_joystic";
// Disables, clears or enables a single button (by index).
inline constexpr std::string_view mn_boto = "mn_boto";
// Sets up a single button.
inline constexpr std::string_view mn_configura_boto = "mn_configura_boto";
// Draws the board on the stage.
inline constexpr std::string_view mn_dibuixar = "mn_dibuixar";
// Simulates presses without pads.
inline constexpr std::string_view mn_simular = "mn_simular";
// The language menu.
inline constexpr std::string_view mn_idio = "mn_idio";
// One item per language found.
inline constexpr std::string_view mn_idioma = "mn_idioma";
// About the program.
inline constexpr std::string_view mn_ajuda = "mn_ajuda";

// The players' stage.

// The pictures, one per index; index 0 is the template the others grow from.
inline constexpr std::string_view imatge = "imatge";
// The counter shown to the players.
inline constexpr std::string_view texto = "texto";
// The stage's hidden menu.
inline constexpr std::string_view menu = "menu";

} // namespace quorvel::elements
