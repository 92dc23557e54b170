// Where an exercise file is and which folder it makes current.
#include "content/exercici_carpeta.h"

#include "content/estat_contingut.h"
#include "platform/servei_fitxers.h"

#include <algorithm>
#include <string_view>

namespace quorvel {

namespace {

bool es_separador(char c) {
    return c == '\\' || c == '/';
}

// Paths compared with "\" and "/" as the same folder separator.
bool mateix_cami(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return x == y || (es_separador(x) && es_separador(y));
           });
}

// The folder part of a path, with its trailing separator; empty when the path
// names no folder.
std::string carpeta_de(std::string_view cami) {
    const auto p = cami.find_last_of("\\/");
    return p == std::string_view::npos ? std::string() : std::string(cami.substr(0, p + 1));
}

} // namespace

std::string cami_sense_cometes(std::string cami) {
    if (!cami.empty() && cami.front() == '"') {
        cami.erase(0, 1);
    }
    if (!cami.empty() && cami.back() == '"') {
        cami.pop_back();
    }
    return cami;
}

std::string nom_fitxer_exercici(const std::string& cami) {
    const auto separador = cami.find_last_of("\\/");
    return separador == std::string::npos ? cami : cami.substr(separador + 1);
}

std::string situar_exercici(estat_contingut& s, servei_fitxers& fitxers, const std::string& net) {
    // The scratch exercise the program writes for itself does not replace the
    // exercise the operator opened (and shows in the caption).
    if (!mateix_cami(net, s.carpeta_programa + "\\bdr.tmp")) {
        s.fitxer_exercici = net;
    }
    std::string llegir = net;
    if (const auto complet = fitxers.cami_complet(net)) {
        s.carpeta_exercici = carpeta_de(net);
        // A relative path would name another file, and its folder another
        // folder, once the current folder changes below: use the full path.
        if (fitxers.nom_unitat(net).empty()) {
            s.carpeta_exercici = carpeta_de(*complet);
            llegir = *complet;
        }
    } else {
        s.carpeta_exercici = net;
    }
    // A folder that cannot be made current only leaves relative media
    // names to the current folder as it is.
    (void)fitxers.canviar_carpeta_actual(s.carpeta_exercici);
    return llegir;
}

std::string carpeta_dialeg_exercicis(const estat_contingut& s, servei_fitxers& fitxers) {
    // The dialog opens where the last exercise came from, or among the
    // bundled exercises, or in the program folder when it has none. (After a
    // file that was not found, carpeta_exercici is that file's path, not a folder.)
    const bool carpeta_valida =
        !s.carpeta_exercici.empty() && es_separador(s.carpeta_exercici.back());
    const std::string biblioteca = s.carpeta_programa + "\\exercicis";
    return carpeta_valida                         ? s.carpeta_exercici
           : fitxers.existeix_carpeta(biblioteca) ? biblioteca + "\\"
                                                  : s.carpeta_programa;
}

} // namespace quorvel
