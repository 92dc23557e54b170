// The lint of an exercise being edited: the findings quorvel-inspect exercise
// --lint --cells N gives for the file as it would be saved, each tied to the
// record it is about, without writing anything or moving the current folder.
#pragma once

#include "content/document_exercici.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorvel {

struct estat_idioma;
class servei_fitxers;

struct troballa {
    // The record the finding is about; registre_cap for the file as a whole.
    std::size_t registre = 0;
    std::size_t linia = 0;
    // In the program's language.
    std::string text;
};

inline constexpr std::size_t registre_cap = static_cast<std::size_t>(-1);

struct tauler_revisio {
    int caselles = 16;
    int columnes = 4;
};

// cami names the exercise file (program text); its folder is where media
// names are looked for. idioma gives the findings' language and the program
// folder.
std::vector<troballa> revisar_exercici(const estat_idioma& idioma, servei_fitxers& fitxers,
                                       const std::string& cami, const document_exercici& d,
                                       tauler_revisio tauler);

} // namespace quorvel
