#include "core/text.h"

#include "core/errors.h"

#include <array>
#include <cstdint>

namespace quorvel {

namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F.
constexpr std::array<char32_t, 32> alt_1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t a_unicode(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) {
        return alt_1252[c - 0x80];
    }
    return c;
}

int a_1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<int>(u);
    }
    for (std::size_t i = 0; i < alt_1252.size(); ++i) {
        if (alt_1252[i] == u) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void afegir_utf8(std::string& sortida, char32_t u) {
    if (u < 0x80) {
        sortida += static_cast<char>(u);
    } else if (u < 0x800) {
        sortida += static_cast<char>(0xC0 | (u >> 6));
        sortida += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        sortida += static_cast<char>(0xE0 | (u >> 12));
        sortida += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        sortida += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        sortida += static_cast<char>(0xF0 | (u >> 18));
        sortida += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        sortida += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        sortida += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes one UTF-8 sequence at position i; returns its length, 0 if invalid.
std::size_t descodificar(std::string_view s, std::size_t i, char32_t& u) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t llarg = 0;
    char32_t minim = 0;
    if (b0 < 0x80) {
        u = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        llarg = 2;
        u = b0 & 0x1F;
        minim = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        llarg = 3;
        u = b0 & 0x0F;
        minim = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        llarg = 4;
        u = b0 & 0x07;
        minim = 0x10000;
    } else {
        return 0;
    }
    if (i + llarg > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < llarg; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        u = (u << 6) | (b & 0x3F);
    }
    if (u < minim || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
        return 0;
    }
    return llarg;
}

unsigned char majuscula(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        return c;
    }
}

} // namespace

unsigned char minuscula(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

std::string a_utf8(std::string_view text_1252) {
    std::string sortida;
    sortida.reserve(text_1252.size() + text_1252.size() / 4);
    for (const char c : text_1252) {
        afegir_utf8(sortida, a_unicode(static_cast<unsigned char>(c)));
    }
    return sortida;
}

std::string de_utf8(std::string_view text_utf8) {
    std::string sortida;
    sortida.reserve(text_utf8.size());
    std::size_t i = 0;
    while (i < text_utf8.size()) {
        char32_t u = 0;
        const std::size_t llarg = descodificar(text_utf8, i, u);
        if (llarg == 0) {
            sortida += text_utf8[i];
            ++i;
            continue;
        }
        const int c = a_1252(u);
        sortida += c < 0 ? '?' : static_cast<char>(c);
        i += llarg;
    }
    return sortida;
}

bool es_utf8_valid(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        char32_t u = 0;
        const std::size_t llarg = descodificar(bytes, i, u);
        if (llarg == 0) {
            return false;
        }
        i += llarg;
    }
    return true;
}

bool fitxer_es_utf8(std::string_view bytes) {
    bool no_ascii = false;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            no_ascii = true;
            break;
        }
    }
    return no_ascii && es_utf8_valid(bytes);
}

std::string text_de_fitxer(std::string_view bytes) {
    std::string_view cos = bytes;
    const bool utf8 = fitxer_es_utf8(bytes);
    // A UTF-8 byte order mark is not part of the content.
    if (utf8 && cos.starts_with("\xEF\xBB\xBF")) {
        cos.remove_prefix(3);
    }
    return utf8 ? de_utf8(cos) : std::string(cos);
}

std::string majuscules(std::string_view text) {
    std::string sortida(text);
    for (char& c : sortida) {
        c = static_cast<char>(majuscula(static_cast<unsigned char>(c)));
    }
    return sortida;
}

std::string minuscules(std::string_view text) {
    std::string sortida(text);
    for (char& c : sortida) {
        c = static_cast<char>(minuscula(static_cast<unsigned char>(c)));
    }
    return sortida;
}

bool iguals_sense_majuscules(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (minuscula(static_cast<unsigned char>(a[i])) !=
            minuscula(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string_view retallar_espais(std::string_view text) {
    const auto inici = text.find_first_not_of(' ');
    if (inici == std::string_view::npos) {
        return {};
    }
    const auto fi = text.find_last_not_of(' ');
    return text.substr(inici, fi - inici + 1);
}

std::string caracter(int codi_caracter) {
    if (codi_caracter < 0 || codi_caracter > 255) {
        throw error_index("character code out of range");
    }
    return std::string(1, static_cast<char>(codi_caracter));
}

} // namespace quorvel
