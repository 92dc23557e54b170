#include "content/registre.h"
#include "content/estat_contingut.h"

#include "content/registre_net.h"
#include "content/rutes.h"
#include "core/text.h"
#include "i18n/idioma.h"

namespace quorvel {

bool registre_seguent(lector& fitxer, std::string& sortida) {
    while (!fitxer.al_final()) {
        sortida = fitxer.llegir_element();
        // An empty record ends the skipping like any other.
        if (sortida.empty() || sortida.front() != '#') {
            return true;
        }
    }
    sortida.clear();
    return false;
}

void registre_llegir(lector& fitxer, std::string& sortida) {
    registre_seguent(fitxer, sortida);
}

std::string registre_net(const estat_contingut& s, std::string_view registre) {
    std::string net = ruta_escurcar(s, retallar_espais(registre));
    if (net.empty()) {
        return net;
    }
    // A language whose table lacks the series word has none to drop: an empty
    // word would otherwise cut every record at its first space.
    const std::string serie = traduir(s, "S\xE8rie");
    if (!serie.empty() && net.starts_with(serie)) {
        const auto espai = net.find(' ');
        if (espai != std::string::npos) {
            net.erase(0, espai + 1);
        }
    }
    return net;
}

std::string camp_extreure(const estat_contingut& s, std::string_view registre, int n,
                          std::string_view separador) {
    if (n <= 0) {
        return {};
    }
    const std::string net = registre_net(s, registre);
    if (separador.empty()) {
        // Nothing to split at: the record is one field.
        return n == 1 ? net : std::string();
    }
    const char c = separador.front();
    std::string_view resta = net;
    for (int k = 1; !resta.empty(); ++k) {
        const auto p = resta.find(c);
        const std::string_view camp = resta.substr(0, p);
        resta = p == std::string_view::npos ? std::string_view() : resta.substr(p + 1);
        if (k == n) {
            return std::string(camp);
        }
    }
    return {};
}

} // namespace quorvel
