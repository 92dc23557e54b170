// Single-byte text. Every text in the logic is a std::string of Windows-1252
// bytes, indexed and compared byte by byte. Unicode appears only at the edges:
// files that are valid UTF-8 are decoded on reading, JSON and the views encode.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// Windows-1252 bytes to UTF-8. The five bytes Windows-1252 leaves undefined
// map to the C1 control of the same code, so the round trip is exact.
std::string a_utf8(std::string_view text_1252);

// UTF-8 to Windows-1252; a character with no Windows-1252 form becomes "?",
// an invalid UTF-8 sequence is taken byte by byte.
std::string de_utf8(std::string_view text_utf8);

// True when the bytes form valid UTF-8 (no overlong forms, no surrogates).
bool es_utf8_valid(std::string_view bytes);

// Contents of a file as text: a file that is valid UTF-8 and holds non-ASCII
// characters is read as UTF-8, any other file as Windows-1252.
std::string text_de_fitxer(std::string_view bytes);

// True when the file's bytes would be decoded as UTF-8 by text_de_fitxer.
bool fitxer_es_utf8(std::string_view bytes);

// Upper and lower case of a Windows-1252 text (accented letters included).
std::string majuscules(std::string_view text);
std::string minuscules(std::string_view text);

// Lower case of one Windows-1252 character.
unsigned char minuscula(unsigned char c);

// Case-insensitive equality in Windows-1252.
bool iguals_sense_majuscules(std::string_view a, std::string_view b);

// The text without leading and trailing spaces (code 32 only).
std::string_view retallar_espais(std::string_view text);

// The one-character text whose code is the given value (0..255).
std::string caracter(int codi);

// Code of the byte at position i as an unsigned value.
inline int codi(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

} // namespace quorvel
