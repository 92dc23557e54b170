// The subcommands of quorvel-inspect. Each one registers itself with a static
// registrar in its own file.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace quorvel::inspect {

// Adds the subcommand to the application; the callback it sets prints the
// JSON and returns through codi_sortida.
using configurar_ordre = std::function<void(CLI::App& app, int& codi_sortida)>;

struct ordre {
    std::string nom;
    configurar_ordre configurar;
};

std::vector<ordre>& ordres();

struct registrador {
    registrador(std::string nom, configurar_ordre configurar) {
        ordres().push_back({std::move(nom), std::move(configurar)});
    }
};

} // namespace quorvel::inspect
