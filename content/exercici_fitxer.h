// The exercise file (".brd"): its type, general instruction and either a list
// of media entries or a list of items, read into the session; and the
// "Exercicis" menu command that asks for one.
#pragma once

#include "content/lectura_contingut.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct estat_contingut;
struct serveis;
class finestra;
class servei_fitxers;

// Loads the exercise file at cami (surrounding double quotes are dropped):
// sets tipus, fitxer_exercici (unless the file is the program
// folder's "bdr.tmp") and carpeta_exercici (the file's folder with its
// trailing separator, or the whole path when the file does not exist), makes
// that folder the current one, and reads the body the type selects. Values a
// body does not name keep what an earlier exercise left. Steps that fail are
// skipped; when avisos is given, what was skipped or guessed is noted there,
// in the order of the file, with what an author most likely got wrong: a type
// that names none, a label that names another field than the one read (a
// record missing or extra above it), a count that does not match the records
// after it, and what the type needs that the file leaves empty.
void exercici_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                       std::vector<avis_lectura>* avisos = nullptr);

// True when the file reads as an exercise file: text without NUL bytes, one
// of whose first records is a label, a TAB and a value. A picture, an empty
// or missing file, or random bytes are not; a file whose type names no
// exercise still is.
[[nodiscard]] bool es_fitxer_exercici(servei_fitxers& fitxers, const std::string& cami);

// Loads the exercise file at cami as the operator's choice and shows
// "Quorvel - " and the file's name (without its folders) as form1's caption.
// A file that is not an exercise file is refused: a message box and the
// status line say so in the language in force, nothing of the session
// changes, and the result is false.
bool exercici_obrir(estat_contingut& s, serveis& sv, finestra& form1, const std::string& cami,
                    std::vector<avis_lectura>* avisos = nullptr);

// The "Exercicis" menu command (mn_fixters) up to the caption: asks for a
// file and opens it as exercici_obrir does. Returns true when a file was
// chosen and loaded, so that the caller starts the exercise as the start
// button does; false when the dialog was cancelled or the file refused.
bool exercici_menu_obrir(estat_contingut& s, serveis& sv, finestra& form1,
                         std::vector<avis_lectura>* avisos = nullptr);

} // namespace quorvel
