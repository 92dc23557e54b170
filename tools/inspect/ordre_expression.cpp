// quorvel-inspect expression TEXT: the value the line-condition evaluator
// gives the text (-1 and 0 for a comparison), or the arithmetic error.
#include "content/expressio.h"
#include "core/errors.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

namespace quorvel::inspect {

namespace {

// Whole values print as integers; others as the shortest decimal that gives
// back the single-precision value, not its longer double expansion.
nlohmann::json nombre_json(float valor) {
    if (valor == std::trunc(valor) && std::fabs(valor) < 9.0e15f) {
        return static_cast<long long>(valor);
    }
    char memoria[32];
    const std::string text(memoria, std::to_chars(memoria, memoria + sizeof memoria, valor).ptr);
    return std::strtod(text.c_str(), nullptr);
}

void configurar(CLI::App& app, int& codi_sortida) {
    auto text = std::make_shared<std::string>();
    auto* ordre = app.add_subcommand("expression", "Value of a line-condition expression");
    ordre->add_option("TEXT", *text, "expression, tokens separated by spaces")->required();
    ordre->callback([text, &codi_sortida] {
        try {
            imprimir({{"valor", nombre_json(expressio_avaluar(text_programa(*text)))}});
            codi_sortida = 0;
        } catch (const error_pas& e) {
            imprimir({{"error", e.what()}});
            codi_sortida = 1;
        }
    });
}

const registrador registre{"expression", configurar};

} // namespace

} // namespace quorvel::inspect
