// Pieces shared by the subcommands that read content files: the --lint output
// (one line per finding and an exit status that tells whether there was any)
// and the folder of a file named on the command line.
#pragma once

#include "content/lectura_contingut.h"
#include "core/text.h"
#include "platform/local/carpeta_programa.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::inspect {

// Prints "line N: what happened" per finding (findings about the whole file
// have no line) and returns 1 when there is any, 0 otherwise.
inline int imprimir_avisos(const std::vector<avis_lectura>& avisos) {
    for (const auto& a : avisos) {
        if (a.linia > 0) {
            std::cout << "line " << a.linia << ": ";
        }
        std::cout << a_utf8(a.missatge) << '\n';
    }
    std::cout.flush();
    return avisos.empty() ? 0 : 1;
}

// The absolute folder that holds the file named by a command-line argument
// (UTF-8), as a program text without a trailing separator.
inline std::string carpeta_del_fitxer(std::string_view argument) {
    namespace fs = std::filesystem;
    const fs::path cami{std::string(argument)};
    std::error_code ec;
    fs::path complet = fs::absolute(cami, ec);
    if (ec) {
        complet = cami;
    }
    return de_utf8(complet.lexically_normal().parent_path().string());
}

// A folder named on the command line, as a program text without trailing
// separators (the root stays "/").
inline std::string sense_separador_final(std::string carpeta) {
    while (carpeta.size() > 1 && (carpeta.back() == '/' || carpeta.back() == '\\')) {
        carpeta.pop_back();
    }
    return carpeta;
}

// The program folder when none is named: found from this tool's own folder
// as the program finds it (beside the executable, or the installed data folder).
inline std::string carpeta_executable() {
    return de_utf8(ubicacio_programa_per(carpeta_executable_actual()).carpeta);
}

} // namespace quorvel::inspect
