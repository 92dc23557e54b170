// JSON output of quorvel-inspect: program texts become UTF-8, command-line
// texts (UTF-8) become program texts.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace quorvel::inspect {

// A program text (Windows-1252) as a JSON string.
nlohmann::json text_json(std::string_view text);

// A command-line argument as a program text.
std::string text_programa(std::string_view argument);

// Prints the value on standard output, indented, followed by a line end.
void imprimir(const nlohmann::json& valor);

} // namespace quorvel::inspect
