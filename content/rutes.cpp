#include "content/rutes.h"

#include "content/estat_contingut.h"
#include "content/registre_net.h"
#include "core/text.h"
#include "platform/servei_fitxers.h"

#include <array>

namespace quorvel {

namespace {

// Folder texts mix "\" (files made on Windows) and "/" (this system); as
// folder separators they are the same character.
bool mateix_caracter(char a, char b) {
    const bool sep_a = a == '\\' || a == '/';
    const bool sep_b = b == '\\' || b == '/';
    return a == b || (sep_a && sep_b);
}

bool acaba_en(std::string_view text, std::string_view final) {
    if (text.size() < final.size()) {
        return false;
    }
    const std::string_view cua = text.substr(text.size() - final.size());
    for (std::size_t i = 0; i < final.size(); ++i) {
        if (!mateix_caracter(cua[i], final[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string carpeta_base(const estat_contingut& s) {
    return s.esc_llegint != 0 ? s.carpeta_programa + "\\" : s.carpeta_exercici;
}

std::string ruta_escurcar(const estat_contingut& s, std::string_view text) {
    const std::string base = carpeta_base(s);
    if (base.empty() || text.size() < base.size()) {
        return std::string(text);
    }
    // Removing the base as soon as the text read so far ends with it removes
    // the same occurrences, in the same order, as removing the first one over
    // and over (also those a removal joins together), in a single pass.
    std::string sortida;
    sortida.reserve(text.size());
    for (const char c : text) {
        sortida += c;
        if (mateix_caracter(c, base.back()) && acaba_en(sortida, base)) {
            sortida.resize(sortida.size() - base.size());
        }
    }
    return sortida;
}

std::string ruta_resoldre(const estat_contingut& s, servei_fitxers& fitxers,
                          std::string_view text) {
    if (retallar_espais(text).empty()) {
        return {};
    }
    // Field n of the text is field n of its cleaned form: clean once and walk
    // the fields, so that a long list costs one pass.
    const std::string net = registre_net(s, text);
    const std::string base = carpeta_base(s);
    constexpr std::array<std::string_view, 3> subcarpetes = {"imatge\\", "veu\\", ""};
    std::string resultat;
    std::string_view resta = net;
    while (!resta.empty()) {
        const auto p = resta.find('|');
        const std::string_view part = resta.substr(0, p);
        resta = p == std::string_view::npos ? std::string_view() : resta.substr(p + 1);
        if (part.empty()) {
            break;
        }
        std::string cami(part);
        if (fitxers.nom_unitat(cami).empty()) {
            for (const std::string_view sub : subcarpetes) {
                std::string candidat = base;
                candidat += sub;
                candidat += part;
                if (fitxers.existeix_fitxer(candidat)) {
                    cami = std::move(candidat);
                    break;
                }
            }
        }
        if (!resultat.empty()) {
            resultat += '|';
        }
        resultat += cami;
    }
    return resultat;
}

std::string ruta_subcarpeta(servei_fitxers& fitxers, const std::string& carpeta,
                            std::string_view subcarpeta, const std::string& nom) {
    if (!fitxers.nom_unitat(nom).empty()) {
        return nom;
    }
    std::string cami = carpeta;
    cami += '\\';
    cami += subcarpeta;
    cami += nom;
    return cami;
}

} // namespace quorvel
