#include "core/dialegs_fitxer.h"

#include "platform/serveis.h"

#include <algorithm>

namespace quorvel {

namespace {

// The dialogs hand back a path buffer; only the text before its first NUL is
// the path.
std::string fins_al_nul(std::string cami) {
    const auto nul = cami.find('\0');
    if (nul != std::string::npos) {
        cami.resize(nul);
    }
    return cami;
}

} // namespace

std::string filtre_convertir(std::string_view filtre) {
    std::string convertit(filtre);
    std::replace(convertit.begin(), convertit.end(), '|', '\0');
    return convertit;
}

std::string obrir_fitxer(serveis& sv, finestra& propietari, const std::string& carpeta_inicial,
                         const std::string& filtre, const std::string& titol) {
    return fins_al_nul(sv.dialegs.obrir(propietari, carpeta_inicial, filtre, titol));
}

std::string desar_fitxer(serveis& sv, const std::string& nom_proposat, finestra& propietari,
                         const std::string& carpeta, const std::string& filtre,
                         const std::string& titol) {
    // An empty folder names no place to create: the dialog then starts where
    // the platform chooses.
    if (!carpeta.empty() && !sv.fitxers.existeix_carpeta(carpeta) &&
        !sv.fitxers.existeix_fitxer(carpeta)) {
        // A folder that cannot be created only means the dialog starts elsewhere.
        sv.fitxers.crear_carpeta(carpeta);
    }
    return fins_al_nul(sv.dialegs.desar(nom_proposat, propietari, carpeta, filtre, titol));
}

} // namespace quorvel
