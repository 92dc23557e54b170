// Drawing on the board: the column and row of a cell letter, the shape codes
// that exercise files write inside their cell lists ("(LU)" for the top row,
// "(PCE)" for the middle of the centre column...), and the move formulas that
// check or compute a step of a line drawn from cell to cell.
#pragma once

#include "core/errors.h"
#include "core/lletra_casella.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

struct estat_contingut;

// A shape code that cannot be drawn on the board: a middle point of a line of
// three letters or fewer, a cell beyond the last one with a letter, a board
// without columns.
struct error_forma : error_pas {
    using error_pas::error_pas;
};

// A move formula that cannot be worked out: a name to replace is missing, a
// "(" has no ")" after it, the mode is not 1 to 4.
struct error_formula : error_pas {
    using error_pas::error_pas;
};

// Column (1 .. n_columnes) and row (from 1) of the cell whose letter is the
// first character of the text; 0 for an empty text. Throws error_aritmetic
// when the board has 0 columns.
std::int16_t casella_columna(const estat_contingut& s, std::string_view text);
std::int16_t casella_fila(const estat_contingut& s, std::string_view text);

// Cell list of one shape code, parentheses included and case-sensitive, on
// the board of n_botons cells in rows of n_columnes; empty text for an
// unknown code. Throws error_forma when the shape cannot be drawn.
std::string forma_caselles(const estat_contingut& s, std::string_view codi);

// The text with every part from a "(" to the first ")" after it replaced by
// the cell list of that code; letters around the codes stay in place, an
// unknown code vanishes, and an unclosed "(" drops everything from it on.
// Throws error_forma when one of the codes cannot be drawn.
std::string codis_expandir(const estat_contingut& s, std::string_view text);

// Works out the move formula of the current item (elements(0)): text_1, over
// the columns "xi" and "xf", for modes 1 and 3; text_2, over the rows "yi"
// and "yf", for modes 2 and 4. Modes 1 and 2 check the step from a to b (the
// result is "-1" when the formula holds, "0" when not); modes 3 and 4 compute
// the final position from a. Parenthesised parts are worked out first,
// innermost first, and take part in the rest as one number. The value comes
// back as decimal text rounded to at most two decimals ("4", "2.5", "-1").
// Throws error_formula for a malformed formula and error_aritmetic for a
// division by zero or a value beyond single precision.
std::string formula_calcular(const estat_contingut& s, std::int16_t a, std::int16_t b,
                             std::int16_t mode);

} // namespace quorvel
