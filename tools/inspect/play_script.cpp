// Reading and checking the script of a dry run.
#include "tools/inspect/play_script.h"

#include <optional>
#include <sstream>
#include <utility>

namespace quorvel::inspect {

namespace {

std::optional<std::string> validar(const linia_script& l) {
    const auto n = l.arguments.size();
    const auto enter = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos && t.size() < 9;
    };
    if (l.ordre == "press" || l.ordre == "release" || l.ordre == "click") {
        if (n == 1 && enter(l.arguments[0])) {
            return std::nullopt;
        }
        return l.ordre + " takes one cell number";
    }
    if (l.ordre == "button") {
        if (n == 3 && enter(l.arguments[0]) && enter(l.arguments[1]) &&
            (l.arguments[2] == "down" || l.arguments[2] == "up")) {
            return std::nullopt;
        }
        return "button takes a pad number, a button number and down or up";
    }
    if (l.ordre == "wait") {
        if (n == 1 && enter(l.arguments[0])) {
            return std::nullopt;
        }
        return "wait takes a number of milliseconds";
    }
    if (l.ordre == "answer") {
        if (n == 1 && (l.arguments[0] == "ok" || l.arguments[0] == "cancel")) {
            return std::nullopt;
        }
        return "answer takes ok or cancel";
    }
    if (l.ordre == "start" || l.ordre == "stop") {
        if (n == 0) {
            return std::nullopt;
        }
        return l.ordre + " takes no argument";
    }
    return "unknown command \"" + l.ordre + "\"";
}

} // namespace

std::variant<std::vector<linia_script>, std::string> llegir_script(std::istream& entrada) {
    std::vector<linia_script> linies;
    std::string text;
    int numero = 0;
    while (std::getline(entrada, text)) {
        ++numero;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        std::istringstream paraules(text);
        linia_script l{numero, {}, {}};
        if (!(paraules >> l.ordre) || l.ordre.starts_with('#')) {
            continue;
        }
        for (std::string a; paraules >> a;) {
            l.arguments.push_back(a);
        }
        if (const auto error = validar(l)) {
            return "line " + std::to_string(numero) + ": " + *error;
        }
        linies.push_back(std::move(l));
    }
    return linies;
}

} // namespace quorvel::inspect
