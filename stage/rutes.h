// Media names and paths: the base folder, shortening it out of a record, and
// resolving "|"-separated media names under imatge\, veu\ and the folder itself.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct sessio;
class servei_fitxers;

// The program folder + "\" while the scenario is read, else carpeta_exercici.
std::string carpeta_base(const sessio& s);

std::string ruta_escurcar(const sessio& s, std::string_view text);

std::string ruta_resoldre(const sessio& s, servei_fitxers& fitxers, std::string_view text);

} // namespace quorvel
