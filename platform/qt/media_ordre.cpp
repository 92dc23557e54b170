#include "platform/qt/media_ordre.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace quorvel {
namespace {

bool es_blanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view retallar(std::string_view t) {
    while (!t.empty() && es_blanc(t.front())) {
        t.remove_prefix(1);
    }
    while (!t.empty() && es_blanc(t.back())) {
        t.remove_suffix(1);
    }
    return t;
}

std::string minuscules_ascii(std::string_view t) {
    std::string r(t);
    std::transform(r.begin(), r.end(), r.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return r;
}

struct paraula {
    std::size_t inici;
    std::string_view text;
};

std::vector<paraula> paraules(std::string_view t, std::size_t desplacament) {
    std::vector<paraula> r;
    std::size_t i = 0;
    while (i < t.size()) {
        while (i < t.size() && es_blanc(t[i])) {
            ++i;
        }
        const std::size_t inici = i;
        while (i < t.size() && !es_blanc(t[i])) {
            ++i;
        }
        if (i > inici) {
            r.push_back({desplacament + inici, t.substr(inici, i - inici)});
        }
    }
    return r;
}

bool es(const paraula& p, std::string_view clau) {
    return minuscules_ascii(p.text) == clau;
}

std::optional<int> enter(std::string_view t) {
    int valor = 0;
    const auto [fi, ec] = std::from_chars(t.data(), t.data() + t.size(), valor);
    if (ec != std::errc() || fi != t.data() + t.size()) {
        return std::nullopt;
    }
    return valor;
}

// How many words at the end of an unquoted command are options, by verb; the
// words before them are the device name.
std::size_t opcions_finals(const std::string& verb, const std::vector<paraula>& w) {
    const std::size_t n = w.size();
    if (verb == "status") {
        return n >= 2 && es(w[n - 1], "mode") ? 1 : 0;
    }
    if (verb == "put") {
        return n >= 7 && es(w[n - 6], "window") && es(w[n - 5], "at") ? 6 : 0;
    }
    if (verb == "open") {
        std::size_t presos = 0;
        bool alias = false;
        bool tipus = false;
        while (n - presos >= 3) {
            const paraula& clau = w[n - presos - 2];
            if (!alias && es(clau, "alias")) {
                alias = true;
            } else if (!tipus && es(clau, "type")) {
                tipus = true;
            } else {
                break;
            }
            presos += 2;
        }
        return presos;
    }
    return 0;
}

// Fills the options of the command from the words that follow its name.
std::string interpretar(ordre_media& o, const std::vector<paraula>& w) {
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string clau = minuscules_ascii(w[i].text);
        if ((clau == "alias" || clau == "type") && o.verb == "open") {
            if (i + 1 >= w.size()) {
                return "\"" + clau + "\" needs a name after it";
            }
            (clau == "alias" ? o.alias : o.tipus) = std::string(w[++i].text);
        } else if (clau == "window" && i + 1 < w.size() && es(w[i + 1], "at") && o.verb == "put") {
            if (i + 6 > w.size()) {
                return "\"window at\" needs four whole numbers";
            }
            const auto x = enter(w[i + 2].text);
            const auto y = enter(w[i + 3].text);
            const auto amplada = enter(w[i + 4].text);
            const auto alcada = enter(w[i + 5].text);
            if (!x || !y || !amplada || !alcada) {
                return "\"window at\" needs four whole numbers";
            }
            o.finestra = rectangle_finestra{*x, *y, *amplada, *alcada};
            i += 5;
        } else if (o.verb == "status" && o.element.empty()) {
            o.element = clau;
        } else {
            o.opcions.push_back(clau);
        }
    }
    return {};
}

} // namespace

resultat_ordre llegir_ordre_media(std::string_view text) {
    const std::string_view net = retallar(text);
    if (net.empty()) {
        return {std::nullopt, "empty command"};
    }
    std::size_t fi_verb = 0;
    while (fi_verb < net.size() && !es_blanc(net[fi_verb])) {
        ++fi_verb;
    }
    ordre_media o;
    o.verb = minuscules_ascii(net.substr(0, fi_verb));
    const std::string_view resta = retallar(net.substr(fi_verb));
    if (resta.empty()) {
        return {std::nullopt, "\"" + o.verb + "\" needs a device name"};
    }

    std::vector<paraula> opcions;
    if (resta.front() == '"') {
        const std::size_t tancament = resta.rfind('"');
        if (tancament == 0) {
            return {std::nullopt, "unclosed quote in the device name"};
        }
        o.dispositiu = std::string(retallar(resta.substr(1, tancament - 1)));
        opcions = paraules(resta.substr(tancament + 1), 0);
    } else {
        const std::vector<paraula> w = paraules(resta, 0);
        const std::size_t n_opcions = opcions_finals(o.verb, w);
        const std::size_t fi_nom = n_opcions == 0 ? resta.size() : w[w.size() - n_opcions].inici;
        o.dispositiu = std::string(retallar(resta.substr(0, fi_nom)));
        opcions.assign(w.end() - static_cast<std::ptrdiff_t>(n_opcions), w.end());
    }
    if (o.dispositiu.empty()) {
        return {std::nullopt, "\"" + o.verb + "\" needs a device name"};
    }
    if (std::string error = interpretar(o, opcions); !error.empty()) {
        return {std::nullopt, error};
    }
    return {std::move(o), {}};
}

} // namespace quorvel
