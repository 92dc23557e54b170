#include "content/document_exercici.h"

#include "core/lector.h"
#include "core/text.h"

#include <algorithm>

namespace quorvel {

namespace {

constexpr std::string_view bom_utf8 = "\xEF\xBB\xBF";

bool es_final_linia(char c) {
    return c == '\r' || c == '\n';
}

// The first line end that ends an item, stepping over quoted items the way
// the reader does (a quoted item's own line ends are not the file's).
std::string primer_final_linia(std::string_view text) {
    std::size_t p = 0;
    const std::size_t n = text.size();
    while (p < n) {
        while (p < n && text[p] == ' ') {
            ++p;
        }
        if (p < n && text[p] == '"') {
            const auto tanca = text.find('"', p + 1);
            p = tanca == std::string_view::npos ? n : tanca + 1;
        }
        while (p < n && text[p] != ',' && !es_final_linia(text[p])) {
            ++p;
        }
        if (p >= n) {
            break;
        }
        if (text[p] == ',') {
            ++p;
            continue;
        }
        if (text[p] == '\r') {
            return p + 1 < n && text[p + 1] == '\n' ? "\r\n" : "\r";
        }
        return "\n";
    }
    return "\r\n";
}

bool cal_cometes(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    return text.find_first_of(",\r\n") != std::string_view::npos || text.front() == ' ' ||
           text.back() == ' ' || text.front() == '"';
}

void afegir_element(std::string& sortida, std::string_view text, std::string_view final) {
    if (!cal_cometes(text)) {
        sortida += text;
    } else {
        sortida += '"';
        for (const char c : text) {
            sortida += c == '"' ? '\'' : c;
        }
        sortida += '"';
    }
    sortida += final;
}

} // namespace

bool registre_representable(std::string_view text) {
    return !cal_cometes(text) || text.find('"') == std::string_view::npos;
}

document_exercici document_llegir(std::string_view bytes) {
    document_exercici d;
    d.utf8 = fitxer_es_utf8(bytes);
    d.bom = d.utf8 && bytes.starts_with(bom_utf8);
    std::string text = text_de_fitxer(bytes);
    d.final_linia = primer_final_linia(text);
    lector fitxer(std::move(text));
    std::vector<std::string> comentaris;
    while (!fitxer.al_final()) {
        std::string element = fitxer.llegir_element();
        if (!element.empty() && element.front() == '#') {
            comentaris.push_back(std::move(element));
        } else {
            d.registres.push_back({std::move(comentaris), std::move(element)});
            comentaris.clear();
        }
    }
    d.comentaris_finals = std::move(comentaris);
    return d;
}

std::string document_escriure(const document_exercici& d) {
    std::string text;
    for (const registre_document& r : d.registres) {
        for (const std::string& c : r.comentaris) {
            afegir_element(text, c, d.final_linia);
        }
        afegir_element(text, r.text, d.final_linia);
    }
    for (const std::string& c : d.comentaris_finals) {
        afegir_element(text, c, d.final_linia);
    }
    if (!d.utf8 && !fitxer_es_utf8(text)) {
        return text;
    }
    std::string bytes = d.bom ? std::string(bom_utf8) : std::string();
    return bytes + a_utf8(text);
}

std::vector<std::size_t> linies_registres(const document_exercici& d) {
    std::vector<std::size_t> linies;
    std::size_t linia = 1;
    // Each item ends its line; a quoted item's own line feeds count too.
    const auto passar = [&linia](std::string_view element) {
        linia += 1 + static_cast<std::size_t>(std::count(element.begin(), element.end(), '\n'));
    };
    for (const registre_document& r : d.registres) {
        for (const std::string& c : r.comentaris) {
            passar(c);
        }
        linies.push_back(linia);
        passar(r.text);
    }
    return linies;
}

std::string_view etiqueta_de(std::string_view registre) {
    return registre.substr(0, registre.find('\t'));
}

std::string_view valor_de(std::string_view registre) {
    const auto tab = registre.find('\t');
    return tab == std::string_view::npos ? std::string_view() : registre.substr(tab + 1);
}

std::string registre_compondre(std::string_view etiqueta, std::string_view valor) {
    std::string r(etiqueta);
    r += '\t';
    r += valor;
    return r;
}

} // namespace quorvel
