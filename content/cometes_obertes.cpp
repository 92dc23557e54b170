#include "content/cometes_obertes.h"

namespace quorvel {

namespace {

bool fi_de_linia(char c) {
    return c == '\r' || c == '\n';
}

// Steps over the line end at pos (CR LF, LF or CR), if there is one.
std::size_t saltar_linia(std::string_view text, std::size_t pos) {
    if (pos < text.size() && text[pos] == '\r') {
        ++pos;
        if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    } else if (pos < text.size() && text[pos] == '\n') {
        ++pos;
    }
    return pos;
}

struct linies_dins {
    std::size_t salts = 0;
    bool amb_registres = false; // a line after the first holds a TAB
};

linies_dins comptar(std::string_view tros) {
    linies_dins r;
    std::size_t i = 0;
    while (i < tros.size()) {
        if (fi_de_linia(tros[i])) {
            i = saltar_linia(tros, i);
            ++r.salts;
        } else {
            r.amb_registres = r.amb_registres || (r.salts > 0 && tros[i] == '\t');
            ++i;
        }
    }
    return r;
}

} // namespace

std::vector<cometa_llarga> cometes_llargues(std::string_view text, std::size_t maxim) {
    std::vector<cometa_llarga> trobades;
    std::size_t pos = 0;
    std::size_t linia = 1;
    const std::size_t n = text.size();
    // The record boundaries of the content files' reader.
    while (pos < n && trobades.size() < maxim) {
        while (pos < n && text[pos] == ' ') {
            ++pos;
        }
        if (pos < n && text[pos] == '"') {
            const std::size_t tanca = text.find('"', pos + 1);
            const std::size_t fi = tanca == std::string_view::npos ? n : tanca;
            const linies_dins dins = comptar(text.substr(pos + 1, fi - pos - 1));
            if (tanca == std::string_view::npos) {
                // A file that ends with a line end has no line after it.
                const bool fi_linia = fi_de_linia(text.back());
                trobades.push_back({linia, 0, dins.salts + (fi_linia ? 0 : 1)});
                break;
            }
            if (dins.salts > 0 && dins.amb_registres) {
                trobades.push_back({linia, linia + dins.salts, dins.salts + 1});
            }
            linia += dins.salts;
            pos = tanca + 1;
        }
        while (pos < n && text[pos] != ',' && !fi_de_linia(text[pos])) {
            ++pos;
        }
        if (pos < n && text[pos] == ',') {
            ++pos;
        } else if (pos < n) {
            pos = saltar_linia(text, pos);
            ++linia;
        }
    }
    return trobades;
}

} // namespace quorvel
