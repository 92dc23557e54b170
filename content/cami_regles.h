// The path the rules of types 8 and 17 give on a board, for the editor's
// drawing: type 17's formulas give each next column and row; type 8's accept
// a step, and the drawing takes the lowest-numbered cell not yet visited that
// they accept. The path starts at the first cell and ends at a special cell,
// a cell already visited, the board's edge, or a formula that cannot be
// worked out.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

struct regles_cami {
    int tipus = 8;
    std::string columnes;  // text_1, over xi and xf
    std::string files;     // text_2, over yi and yf
    int inici = 0;         // the first cell (from 1)
    std::string especials; // cells as letters
    int caselles = 16;
    int amplada = 4; // columns of the board
};

std::vector<int> cami_regles(const regles_cami& r);

} // namespace quorvel
