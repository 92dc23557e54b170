// The numeric rules shared by every file format and window box: the numeric
// value of a text, rounding half to even, checked 16-bit integers, the plain
// number form, decimal text and the -1/0 booleans.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// Longest leading decimal number of the text (blanks skipped, optional sign,
// point as decimal mark, optional exponent); 0 when there is none.
double valor_numeric(std::string_view text);

// Length of the decimal number at the start of the text (sign, digits, point,
// exponent), not counting blanks before it; 0 when there is none.
std::size_t llargada_nombre(std::string_view text);

// Nearest integer, a half going to the even neighbour. Throws
// error_desbordament for NaN or infinity.
double arrodonir(double valor);

// Rounds half to even and checks the result fits a signed 16-bit integer;
// throws error_desbordament otherwise.
std::int16_t a_enter16(double valor);

// Same check for values that must fit a signed 32-bit integer.
std::int32_t a_enter32(double valor);

// The numeric value of a text as a checked 16-bit integer.
inline std::int16_t enter16_de_text(std::string_view text) {
    return a_enter16(valor_numeric(text));
}

// Plain number form: a leading space for zero and positive numbers, "-" for
// negative ones (" 5", "-2", " 0").
std::string forma_plana(long long valor);

// A double in plain number form, at most 15 significant digits, without a
// leading zero before the decimal point (" .5", "-1.25").
std::string forma_plana(double valor);

// Decimal text: the number without any blank ("5", "-2").
std::string text_decimal(long long valor);

// Booleans stored in the session and in records are 16-bit: true is -1.
inline constexpr std::int16_t cert16 = -1;
inline constexpr std::int16_t fals16 = 0;
inline constexpr std::int16_t bool16(bool valor) {
    return valor ? cert16 : fals16;
}

} // namespace quorvel
