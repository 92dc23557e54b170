#include "content/caselles_tauler.h"
#include "content/avis_text.h"

#include "content/estat_contingut.h"
#include "content/tipus_exercici.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/text.h"

#include <string>
#include <string_view>

namespace quorvel {

namespace {

void revisar(std::string_view lletres, int n_caselles, std::size_t linia, const std::string& que,
             std::vector<avis_lectura>& avisos) {
    std::string fora;
    std::string cap;
    for (const char c : lletres) {
        // "*" stands for any cell.
        if (c == '*') {
            continue;
        }
        const int k = casella_lletra(c);
        if (k < 1) {
            cap += c;
        } else if (k > n_caselles) {
            fora += (fora.empty() ? "" : ", ") + text_decimal(k);
        }
    }
    if (!fora.empty()) {
        avisos.push_back(avis_de(linia,
                                 fora.find(',') == std::string::npos ? missatge::avis_casella_fora
                                                                     : missatge::avis_caselles_fora,
                                 que, {fora, text_decimal(n_caselles)}));
    }
    if (!cap.empty()) {
        avisos.push_back(avis_de(linia, missatge::avis_sense_casella, que, {citar(cap)}));
    }
}

} // namespace

std::vector<avis_lectura> caselles_fora_del_tauler(const estat_contingut& s, int n_caselles) {
    std::vector<avis_lectura> avisos;
    if (s.tipus.llista_de_caselles()) {
        if (s.n_items > n_caselles) {
            avisos.push_back(avis_de(
                s.linia_compte, missatge::avis_entrades_fora, "",
                {text_decimal(n_caselles + 1), text_decimal(s.n_items), text_decimal(n_caselles)}));
        }
        return avisos;
    }
    if (!s.elements.te_emmagatzematge()) {
        return avisos;
    }
    for (int i = 1; i <= s.n_elements && s.elements.dins(i); ++i) {
        const element_exercici& e = s.elements[i];
        const auto ui = static_cast<std::size_t>(i);
        const linies_element linies =
            ui < s.linies_elements.size() ? s.linies_elements[ui] : linies_element{};
        const std::string item = "item " + text_decimal(i) + " ";
        if (s.tipus.items_amb_caselles()) {
            revisar(e.correctes, n_caselles, linies.correctes, item + "correctes", avisos);
        }
        if (s.tipus.sequencia_de_caselles()) {
            revisar(e.sequencia, n_caselles, linies.sequencia, item + "sequencia", avisos);
        }
        if (s.tipus.items_amb_caselles()) {
            revisar(e.especials, n_caselles, linies.especials, item + "especials", avisos);
        }
    }
    return avisos;
}

} // namespace quorvel
