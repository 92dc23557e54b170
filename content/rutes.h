// Media names and paths: the base folder, shortening it out of a record, and
// resolving "|"-separated media names under imatge\, veu\ and the folder itself.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

struct estat_contingut;
class servei_fitxers;

// The program folder + "\" while the scenario is read, else carpeta_exercici.
std::string carpeta_base(const estat_contingut& s);

std::string ruta_escurcar(const estat_contingut& s, std::string_view text);

std::string ruta_resoldre(const estat_contingut& s, servei_fitxers& fitxers, std::string_view text);

// The file a media name stands for in a subfolder of a folder (the subfolder
// text ends with its separator, as "veu\\" does). The readers have already
// resolved every name they found to a full path, which stands as it is; a
// bare name is joined to the folder and the subfolder.
std::string ruta_subcarpeta(servei_fitxers& fitxers, const std::string& carpeta,
                            std::string_view subcarpeta, const std::string& nom);

} // namespace quorvel
