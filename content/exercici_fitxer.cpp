// Loading an exercise file: telling one from other files, and reading it
// into the session with the notes in the order of the file.
#include "content/exercici_fitxer.h"

#include "content/exercici_carpeta.h"
#include "content/exercici_lectura.h"
#include "content/registre.h"
#include "core/lector.h"
#include "core/text.h"
#include "platform/servei_fitxers.h"

#include <algorithm>

namespace quorvel {

namespace {

// The header's records: the title, a free record and the type.
constexpr int registres_capcalera = 3;

bool es_valor_etiquetat(std::string_view registre) {
    const auto tab = registre.find('\t');
    return tab != std::string_view::npos && !retallar_espais(registre.substr(0, tab)).empty() &&
           !retallar_espais(registre.substr(tab + 1)).empty();
}

} // namespace

bool es_fitxer_exercici(servei_fitxers& fitxers, const std::string& cami) {
    auto text = fitxers.llegir_text(cami_sense_cometes(cami));
    if (!text || text->find('\0') != std::string::npos) {
        return false;
    }
    lector fitxer(std::move(*text));
    std::string r;
    for (int i = 0; i < registres_capcalera && !fitxer.al_final(); ++i) {
        registre_llegir(fitxer, r);
        if (es_valor_etiquetat(r)) {
            return true;
        }
    }
    return false;
}

void exercici_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                       std::vector<avis_lectura>* avisos) {
    const std::string llegir = situar_exercici(s, fitxers, cami_sense_cometes(cami));
    const std::size_t abans = avisos == nullptr ? 0 : avisos->size();
    lectura_exercici(s, fitxers, avisos).llegir(llegir);
    // Some findings are known only at the end (a count against what
    // followed it): the author reads them in the order of the file.
    if (avisos != nullptr) {
        std::stable_sort(
            avisos->begin() + static_cast<std::ptrdiff_t>(abans), avisos->end(),
            [](const avis_lectura& a, const avis_lectura& b) { return a.linia < b.linia; });
    }
}

} // namespace quorvel
