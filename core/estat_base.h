// The run's state is built in layers: each folder owns the part it changes
// and extends the part of the folder below it, so a function of a folder
// sees exactly the state of its own layer and the ones beneath. This is the
// bottom part: where the program lives and which version runs.
#pragma once

#include <string>

namespace quorvel {

struct estat_base {
    // Program folder, without a trailing separator (the folder of the executable).
    std::string carpeta_programa;
    // Where the settings and the operator's maps are written and looked for
    // first, without a trailing separator; empty: the program folder. An
    // installed program's folder belongs to the package, so this is then the
    // user's configuration folder.
    std::string carpeta_usuari;
    std::string versio;
};

// The folder the program writes to.
inline const std::string& carpeta_escriptura(const estat_base& s) {
    return s.carpeta_usuari.empty() ? s.carpeta_programa : s.carpeta_usuari;
}

} // namespace quorvel
