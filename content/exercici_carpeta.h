// Where an exercise file is and which folder it makes current: its path as
// given (surrounding double quotes dropped), its name for the caption, the
// folder relative media names are found from, and the folder the "Exercicis"
// dialog opens in.
#pragma once

#include <string>

namespace quorvel {

struct estat_contingut;
class servei_fitxers;

// The path without the double quotes around it.
std::string cami_sense_cometes(std::string cami);
// The file's name without its folders.
std::string nom_fitxer_exercici(const std::string& cami);

// Records the file as the current exercise (unless it is the program folder's
// "bdr.tmp") and its folder in carpeta_exercici (the whole path when the file
// does not exist), and makes that folder the current one. Returns the path to
// read the file from.
std::string situar_exercici(estat_contingut& s, servei_fitxers& fitxers, const std::string& net);

// The folder the "Exercicis" dialog opens in.
std::string carpeta_dialeg_exercicis(const estat_contingut& s, servei_fitxers& fitxers);

} // namespace quorvel
