#include "content/cami_regles.h"

#include "content/dibuix.h"
#include "content/estat_contingut.h"
#include "core/nombres.h"
#include "core/pas.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

std::string lletra(int k) {
    return std::string(1, static_cast<char>(65 + k));
}

} // namespace

std::vector<int> cami_regles(const regles_cami& r) {
    std::vector<int> cami;
    if (r.inici < 1 || r.inici > r.caselles || r.amplada < 1 || r.caselles > 255) {
        return cami;
    }
    estat_contingut s;
    s.n_botons = static_cast<std::int16_t>(r.caselles);
    s.n_columnes = static_cast<std::int16_t>(r.amplada);
    s.elements.redimensionar(0, 1);
    s.elements[0].text_1 = r.columnes;
    s.elements[0].text_2 = r.files;
    const auto visitada = [&](int k) {
        return std::find(cami.begin(), cami.end(), k) != cami.end();
    };
    int actual = r.inici;
    while (true) {
        cami.push_back(actual);
        if (cami.size() > 1 && r.especials.find(lletra(actual)) != std::string::npos) {
            return cami;
        }
        int seguent = 0;
        const bool fet = pas([&] {
            const auto c = casella_columna(s, lletra(actual));
            const auto f = casella_fila(s, lletra(actual));
            if (r.tipus == 17) {
                const auto columna =
                    static_cast<int>(std::floor(valor_numeric(formula_calcular(s, c, 0, 3))));
                const auto fila =
                    static_cast<int>(std::floor(valor_numeric(formula_calcular(s, f, 0, 4))));
                if (columna >= 1 && columna <= r.amplada && fila >= 1) {
                    seguent = (fila - 1) * r.amplada + columna;
                }
                return;
            }
            for (int k = 1; k <= r.caselles && seguent == 0; ++k) {
                if (visitada(k)) {
                    continue;
                }
                const std::string l = lletra(k);
                if (valor_numeric(formula_calcular(s, c, casella_columna(s, l), 1)) != 0 &&
                    valor_numeric(formula_calcular(s, f, casella_fila(s, l), 2)) != 0) {
                    seguent = k;
                }
            }
        });
        if (!fet || seguent < 1 || seguent > r.caselles || visitada(seguent)) {
            return cami;
        }
        actual = seguent;
    }
}

} // namespace quorvel
