#include "tools/inspect/sortida.h"

#include "core/text.h"

#include <iostream>

namespace quorvel::inspect {

nlohmann::json text_json(std::string_view text) {
    return a_utf8(text);
}

std::string text_programa(std::string_view argument) {
    return de_utf8(argument);
}

void imprimir(const nlohmann::json& valor) {
    std::cout << valor.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    std::cout.flush();
}

} // namespace quorvel::inspect
