// Open and save file dialogs with "description|pattern|..." filters.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

class finestra;
struct serveis;

// Every "|" replaced by the NUL character.
std::string filtre_convertir(std::string_view filtre);

// The chosen path, or empty text when cancelled. The filter arrives already
// converted by filtre_convertir.
std::string obrir_fitxer(serveis& sv, finestra& propietari, const std::string& carpeta_inicial,
                         const std::string& filtre, const std::string& titol);
// Creates the folder when it does not exist, then asks with the proposed name.
std::string desar_fitxer(serveis& sv, const std::string& nom_proposat, finestra& propietari,
                         const std::string& carpeta, const std::string& filtre,
                         const std::string& titol);

} // namespace quorvel
