// Where the program writes. A program folder the user can write to (the
// portable layout: a build folder, a USB stick) keeps the settings, maps and
// results beside the executable, as it always has. An installed program's
// data folder belongs to the package manager, even for root who could write
// to it, and a read-only portable folder cannot be written: in both cases
// the user's XDG folders take that role.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace quorvel {

struct carpetes_usuari {
    // True when the program folder itself is written to.
    bool portable = true;
    // Settings file and saved maps.
    std::string configuracio;
    // Results logs and other records of use.
    std::string dades;
};

// Reads an environment variable; empty when unset.
using llegir_entorn = std::function<std::optional<std::string>(const std::string& nom)>;

// Decides the folders for carpeta_programa (without a trailing separator);
// installat: the program runs from an installed layout (data under share/).
// Nothing is created here. The XDG folders follow the base-directory rules: a
// variable that is unset, empty or not an absolute path falls back to the
// default under HOME.
carpetes_usuari carpetes_usuari_per(const std::string& carpeta_programa, bool installat,
                                    const llegir_entorn& entorn);
// Same, with the process environment.
carpetes_usuari carpetes_usuari_per(const std::string& carpeta_programa, bool installat);

} // namespace quorvel
