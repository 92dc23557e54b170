#include "content/expressio.h"

#include "core/errors.h"
#include "core/nombres.h"
#include "core/text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quorvel {

namespace {

enum class estat { sense_costat, acumulant, operacio, comparacio };

// A value that does not fit single precision is an arithmetic error, never an
// infinity that would travel on through the sum.
float a_senzill(double valor) {
    if (!(std::fabs(valor) <= std::numeric_limits<float>::max())) {
        throw error_aritmetic("value beyond single precision");
    }
    return static_cast<float>(valor);
}

float operar(float acumulador, char operador, float nombre) {
    const double a = acumulador;
    const double b = nombre;
    switch (operador) {
    case '*':
        return a_senzill(a * b);
    case '+':
        return a_senzill(a + b);
    case '-':
        return a_senzill(a - b);
    default:
        if (b == 0.0) {
            throw error_aritmetic("division by zero");
        }
        return a_senzill(a / b);
    }
}

// Splits off the next token: the part up to the first space, the rest kept
// trimmed. An empty rest gives one empty token, so the loop runs at least once.
std::string_view seguent_testimoni(std::string_view& resta) {
    const auto espai = resta.find(' ');
    if (espai == std::string_view::npos) {
        const std::string_view testimoni = resta;
        resta = {};
        return testimoni;
    }
    const std::string_view testimoni = resta.substr(0, espai);
    resta = retallar_espais(resta.substr(espai));
    return testimoni;
}

} // namespace

float expressio_avaluar(std::string_view text) {
    float acumulador = 0;
    float pendent = 0;
    float esquerra = 0;
    char operador = ' ';
    char comparacio = ' ';
    estat e = estat::sense_costat;

    std::string_view resta = retallar_espais(text);
    do {
        const std::string_view testimoni = seguent_testimoni(resta);
        const char primer = testimoni.empty() ? '\0' : testimoni.front();
        switch (primer) {
        case '=':
        case '<':
        case '>':
            comparacio = primer;
            e = estat::comparacio;
            break;
        case '*':
        case '+':
        case '-':
        case '/':
            operador = primer;
            break;
        default:
            if (primer != '@') {
                pendent = a_senzill(valor_numeric(testimoni));
            }
            if (operador != ' ') {
                e = estat::operacio;
            }
            break;
        }

        switch (e) {
        case estat::sense_costat:
            acumulador = pendent;
            e = estat::acumulant;
            break;
        case estat::operacio:
            acumulador = operar(acumulador, operador, pendent);
            e = estat::acumulant;
            operador = ' ';
            pendent = 0;
            break;
        case estat::comparacio:
            esquerra = acumulador;
            acumulador = 0;
            pendent = 0;
            operador = ' ';
            e = estat::sense_costat;
            break;
        case estat::acumulant:
            break;
        }
    } while (!resta.empty());

    switch (comparacio) {
    case '=':
        return acumulador == esquerra ? -1.0f : 0.0f;
    case '<':
        return acumulador < esquerra ? -1.0f : 0.0f;
    case '>':
        return acumulador > esquerra ? -1.0f : 0.0f;
    default:
        return acumulador;
    }
}

std::string expressio_nombre(float valor) {
    if (valor == 0) {
        return "0"; // also for -0, whose text would read as the operator "-"
    }
    char memoria[32];
    const std::string text(memoria, std::to_chars(memoria, memoria + sizeof memoria, valor).ptr);
    return valor < 0 ? "\t" + text : text;
}

} // namespace quorvel
