#include "content/dibuix.h"

#include "content/estat_contingut.h"
#include "content/expressio.h"
#include "core/lletra_casella.h"
#include "core/nombres.h"
#include "core/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace quorvel {

namespace {

int columnes_no_nul(const estat_contingut& s) {
    if (s.n_columnes == 0) {
        throw error_aritmetic("board with 0 columns");
    }
    return s.n_columnes;
}

void afegir_lletra(std::string& cel_les, int k) {
    if (k < 0 || k > casella_lletra_maxima) {
        throw error_forma("cell " + std::to_string(k) + " has no letter");
    }
    cel_les.push_back(lletra_casella(k));
}

enum class linia { superior, inferior, esquerra, dreta, mig_vertical, mig_horitzontal };
enum class tria { tota, primera, darrera, mig };

struct codi_forma {
    std::string_view codi;
    linia quina;
    tria part;
};

constexpr codi_forma codis_forma[] = {
    {"(LU)", linia::superior, tria::tota},      {"(LD)", linia::inferior, tria::tota},
    {"(LL)", linia::esquerra, tria::tota},      {"(LR)", linia::dreta, tria::tota},
    {"(LMV)", linia::mig_vertical, tria::tota}, {"(LMH)", linia::mig_horitzontal, tria::tota},
    {"(PUL)", linia::superior, tria::primera},  {"(PUM)", linia::superior, tria::mig},
    {"(PUR)", linia::superior, tria::darrera},  {"(PDL)", linia::inferior, tria::primera},
    {"(PDM)", linia::inferior, tria::mig},      {"(PDR)", linia::inferior, tria::darrera},
    {"(PLM)", linia::esquerra, tria::mig},      {"(PRM)", linia::dreta, tria::mig},
    {"(PCE)", linia::mig_vertical, tria::mig},
};

// Cells of a line in increasing order. Several lines leave out the last cell
// (the condition k < C): exercise files are written for these lists. Every
// loop stops at the last cell, and a cell beyond the letters throws before the
// list grows further, so a line costs at most a few hundred steps whatever
// the board size.
std::string linia_construir(linia quina, int c, int n) {
    std::string cel_les;
    switch (quina) {
    case linia::superior:
        for (int k = 1; k <= std::min(n, c - 1); ++k) {
            afegir_lletra(cel_les, k);
        }
        break;
    case linia::inferior:
        for (int k = std::max(1, c - n + 1); k <= c; ++k) {
            afegir_lletra(cel_les, k);
        }
        break;
    case linia::esquerra:
        for (int k = 1; k <= c; k += n) {
            if (k < c) {
                afegir_lletra(cel_les, k);
            }
        }
        break;
    case linia::dreta:
        for (int k = n; k <= c; k += n) {
            afegir_lletra(cel_les, k);
        }
        break;
    case linia::mig_vertical:
        for (int k = n / 2; k <= c; k += n) {
            if (k < c) {
                afegir_lletra(cel_les, k);
            }
        }
        break;
    case linia::mig_horitzontal: {
        const int files = c / n;
        const int base = files / 2 * n;
        for (int k = 1; k <= std::min(n, c - 1); ++k) {
            afegir_lletra(cel_les, base + k);
        }
        break;
    }
    }
    return cel_les;
}

// The letter left of the true middle: position L/2 - 1 (from 1), halves to even.
std::string lletra_del_mig(const std::string& cel_les) {
    const double posicio = arrodonir(static_cast<double>(cel_les.size()) / 2.0 - 1.0);
    if (posicio < 1) {
        throw error_forma("a line of " + std::to_string(cel_les.size()) +
                          " cells has no middle point");
    }
    return cel_les.substr(static_cast<std::size_t>(posicio) - 1, 1);
}

// Replaces the first occurrence of nom; a formula without it cannot be worked out.
void substituir_primer(std::string& text, std::string_view nom, std::string_view valor) {
    const auto posicio = text.find(nom);
    if (posicio == std::string::npos) {
        throw error_formula("the formula has no \"" + std::string(nom) + "\"");
    }
    text.replace(posicio, nom.size(), valor);
}

// Works out every parenthesised part, innermost first, each replaced by a
// space, its value as one number token and a space. A ")" with no "(" open
// stays as written. One pass with an explicit stack: deep nesting costs
// neither recursion nor repeated scans.
std::string parentesis_resoldre(std::string_view text) {
    long long oberts = 0;
    for (const char c : text) {
        if (c == '(') {
            ++oberts;
        } else if (c == ')' && oberts > 0) {
            --oberts;
        }
    }
    if (oberts > 0) {
        throw error_formula("a \"(\" of the formula has no \")\" after it");
    }
    std::string sortida;
    std::vector<std::size_t> obertures;
    for (const char c : text) {
        if (c == '(') {
            obertures.push_back(sortida.size());
            sortida += c;
        } else if (c == ')' && !obertures.empty()) {
            const std::size_t obertura = obertures.back();
            obertures.pop_back();
            const float valor = expressio_avaluar(std::string_view(sortida).substr(obertura + 1));
            sortida.resize(obertura);
            sortida += ' ';
            sortida += expressio_nombre(valor);
            sortida += ' ';
        } else {
            sortida += c;
        }
    }
    return sortida;
}

// Decimal text with a point, rounded (halves to even) to at most two decimals.
std::string dues_decimals(float valor) {
    const double arrodonit = arrodonir(static_cast<double>(valor) * 100.0) / 100.0;
    char memoria[64];
    std::snprintf(memoria, sizeof memoria, "%.2f", arrodonit);
    std::string text(memoria);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

} // namespace

std::int16_t casella_columna(const estat_contingut& s, std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const int n = columnes_no_nul(s);
    const int k = casella_lletra(text[0]);
    const int resta = k % n;
    return static_cast<std::int16_t>(resta == 0 ? n : resta);
}

std::int16_t casella_fila(const estat_contingut& s, std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const int n = columnes_no_nul(s);
    const int k = casella_lletra(text[0]);
    return a_enter16(std::ceil(static_cast<double>(k) / n));
}

std::string forma_caselles(const estat_contingut& s, std::string_view codi_text) {
    const auto trobat = std::find_if(std::begin(codis_forma), std::end(codis_forma),
                                     [&](const codi_forma& f) { return f.codi == codi_text; });
    if (trobat == std::end(codis_forma)) {
        return {};
    }
    if (s.n_columnes < 1) {
        throw error_forma("board without columns");
    }
    const std::string cel_les = linia_construir(trobat->quina, s.n_botons, s.n_columnes);
    switch (trobat->part) {
    case tria::tota:
        return cel_les;
    case tria::primera:
        return cel_les.substr(0, 1);
    case tria::darrera:
        return cel_les.empty() ? cel_les : cel_les.substr(cel_les.size() - 1);
    case tria::mig:
        return lletra_del_mig(cel_les);
    }
    return {};
}

std::string codis_expandir(const estat_contingut& s, std::string_view text) {
    std::string sortida;
    std::string_view resta = text;
    while (!resta.empty()) {
        const auto obertura = resta.find('(');
        if (obertura == std::string_view::npos) {
            sortida += resta;
            break;
        }
        sortida += resta.substr(0, obertura);
        resta.remove_prefix(obertura);
        const auto tancament = resta.find(')');
        if (tancament == std::string_view::npos) {
            break;
        }
        sortida += forma_caselles(s, resta.substr(0, tancament + 1));
        resta.remove_prefix(tancament + 1);
    }
    return sortida;
}

std::string formula_calcular(const estat_contingut& s, std::int16_t a, std::int16_t b,
                             std::int16_t mode) {
    if (mode < 1 || mode > 4) {
        throw error_formula("formula mode " + std::to_string(mode) + " is not 1 to 4");
    }
    const bool columnes = mode == 1 || mode == 3;
    const auto& item = s.elements[0];
    std::string text = columnes ? item.text_1 : item.text_2;
    const std::string_view nom_inicial = columnes ? "xi" : "yi";
    const std::string_view nom_final = columnes ? "xf" : "yf";

    // The values go in as number tokens: a plain "-3" would read as the operator.
    substituir_primer(text, nom_inicial, expressio_nombre(a));
    if (mode <= 2) {
        substituir_primer(text, nom_final, expressio_nombre(b));
    } else {
        // "xf = expression": drop the name and "= " so the expression is left.
        substituir_primer(text, nom_final, "");
        const auto igual = text.find('=');
        if (igual == std::string::npos) {
            throw error_formula("the formula has no \"=\"");
        }
        text.erase(igual, 2);
    }
    return dues_decimals(expressio_avaluar(parentesis_resoldre(retallar_espais(text))));
}

} // namespace quorvel
