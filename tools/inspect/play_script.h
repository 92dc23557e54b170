// The script of a dry run: one command a line (press, release, click, button,
// wait, answer, start, stop), "#" starting a comment; checked whole before the
// run begins.
#pragma once

#include <istream>
#include <string>
#include <variant>
#include <vector>

namespace quorvel::inspect {

// One script line.
struct linia_script {
    int numero = 0;
    std::string ordre;
    std::vector<std::string> arguments;
};

// The script's lines, or the first bad one's error.
std::variant<std::vector<linia_script>, std::string> llegir_script(std::istream& entrada);

} // namespace quorvel::inspect
