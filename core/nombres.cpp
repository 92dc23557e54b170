#include "core/nombres.h"

#include "core/errors.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace quorvel {

namespace {

bool es_digit(char c) {
    return c >= '0' && c <= '9';
}

bool es_blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::size_t llargada_nombre(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && es_digit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && es_digit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    std::size_t fi = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && es_digit(text[j])) {
            while (j < text.size() && es_digit(text[j])) {
                ++j;
            }
            fi = j;
        }
    }
    return fi;
}

double valor_numeric(std::string_view text) {
    std::size_t inici = 0;
    while (inici < text.size() && es_blanc(text[inici])) {
        ++inici;
    }
    const std::size_t llargada = llargada_nombre(text.substr(inici));
    if (llargada == 0) {
        return 0.0;
    }
    // strtod needs a terminated buffer and must not see a hexadecimal or
    // "inf" form, which the scan above already excludes.
    const std::string numero(text.substr(inici, llargada));
    return std::strtod(numero.c_str(), nullptr);
}

double arrodonir(double valor) {
    if (!std::isfinite(valor)) {
        throw error_desbordament("number out of range");
    }
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(valor);
}

std::int16_t a_enter16(double valor) {
    const double r = arrodonir(valor);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max()) {
        throw error_desbordament("number out of 16-bit range");
    }
    return static_cast<std::int16_t>(r);
}

std::int32_t a_enter32(double valor) {
    const double r = arrodonir(valor);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
        throw error_desbordament("number out of 32-bit range");
    }
    return static_cast<std::int32_t>(r);
}

std::string forma_plana(long long valor) {
    return valor < 0 ? std::to_string(valor) : " " + std::to_string(valor);
}

std::string forma_plana(double valor) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::fabs(valor));
    std::string cos(buffer);
    if (cos.size() > 1 && cos[0] == '0' && cos[1] == '.') {
        cos.erase(0, 1);
    }
    return (valor < 0 ? "-" : " ") + cos;
}

std::string text_decimal(long long valor) {
    return std::to_string(valor);
}

} // namespace quorvel
