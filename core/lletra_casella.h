// Cell lists, answers and drawn lines write a board cell k as the single
// byte with code 65 + k ("A" is cell 0, "B" cell 1...), so one byte names one
// cell and a list of cells is a plain text.
#pragma once

#include <string>

namespace quorvel {

// Highest cell number that has a letter (its letter has code 255).
inline constexpr int casella_lletra_maxima = 190;

// The letter of cell k. A cell below 0 or beyond casella_lletra_maxima has
// no letter: throws error_index.
char lletra_casella(int k);

// The same letter as a one-character text.
std::string text_casella(int k);

// The cell a letter stands for. A byte below "A" stands for no cell and
// gives a negative number, which matches no cell of the board.
inline int casella_lletra(char lletra) {
    return static_cast<int>(static_cast<unsigned char>(lletra)) - 65;
}

} // namespace quorvel
