#include "platform/local/carpetes_usuari.h"

#include <unistd.h>

#include <cstdlib>

namespace quorvel {

namespace {

std::string carpeta_xdg(const llegir_entorn& entorn, const std::string& variable,
                        const std::string& per_defecte) {
    const std::optional<std::string> valor = entorn(variable);
    if (valor && !valor->empty() && valor->front() == '/') {
        return *valor + "/quorvel";
    }
    const std::optional<std::string> home = entorn("HOME");
    const std::string base = home && !home->empty() ? *home : std::string("/tmp");
    return base + "/" + per_defecte + "/quorvel";
}

} // namespace

carpetes_usuari carpetes_usuari_per(const std::string& carpeta_programa, bool installat,
                                    const llegir_entorn& entorn) {
    const std::string carpeta = carpeta_programa.empty() ? std::string(".") : carpeta_programa;
    if (!installat && access(carpeta.c_str(), W_OK) == 0) {
        return {true, carpeta_programa, carpeta_programa};
    }
    return {false, carpeta_xdg(entorn, "XDG_CONFIG_HOME", ".config"),
            carpeta_xdg(entorn, "XDG_DATA_HOME", ".local/share")};
}

carpetes_usuari carpetes_usuari_per(const std::string& carpeta_programa, bool installat) {
    return carpetes_usuari_per(carpeta_programa, installat,
                               [](const std::string& nom) -> std::optional<std::string> {
                                   const char* valor = std::getenv(nom.c_str());
                                   if (valor == nullptr) {
                                       return std::nullopt;
                                   }
                                   return std::string(valor);
                               });
}

} // namespace quorvel
