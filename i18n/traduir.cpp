#include "i18n/idioma.h"

#include "i18n/estat_idioma.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

using parella = std::pair<std::string_view, std::string_view>;

// Only the series word is ever looked up; its key is the Catalan word.
constexpr std::array<parella, 1> taula_catala{{{"S\xE8rie", "S\xE8rie"}}};
constexpr std::array<parella, 1> taula_espanyol{{{"S\xE8rie", "S\xE9rie"}}};
constexpr std::array<parella, 1> taula_galego{{{"S\xE8rie", "S\xE9rie"}}};

template <std::size_t N>
std::string buscar(const std::array<parella, N>& taula, std::string_view clau) {
    for (const auto& [k, v] : taula) {
        if (k == clau) {
            return std::string(v);
        }
    }
    return {};
}

} // namespace

std::string traduir(const estat_idioma& s, std::string_view clau) {
    if (s.idioma == "catala") {
        return buscar(taula_catala, clau);
    }
    if (s.idioma == "espa\xF1ol") {
        return buscar(taula_espanyol, clau);
    }
    if (s.idioma == "galego") {
        return buscar(taula_galego, clau);
    }
    return std::string(clau);
}

} // namespace quorvel
