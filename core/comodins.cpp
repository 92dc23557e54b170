#include "core/comodins.h"

#include "core/text.h"

#include <string>

namespace quorvel {

namespace {

// Backtracks only to the last "*", so the cost stays linear in the name for
// any number of stars, and it never recurses.
bool coincideix_plegat(std::string_view patro, std::string_view nom) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t estrella = std::string_view::npos;
    std::size_t represa = 0;
    while (n < nom.size()) {
        if (p < patro.size() && (patro[p] == '?' || patro[p] == nom[n])) {
            ++p;
            ++n;
        } else if (p < patro.size() && patro[p] == '*') {
            estrella = p++;
            represa = n;
        } else if (estrella != std::string_view::npos) {
            p = estrella + 1;
            n = ++represa;
        } else {
            return false;
        }
    }
    while (p < patro.size() && patro[p] == '*') {
        ++p;
    }
    return p == patro.size();
}

} // namespace

bool coincideix_patro(std::string_view patro, std::string_view nom) {
    const std::string patro_plegat = minuscules(patro);
    if (patro_plegat == "*.*") {
        return true;
    }
    return coincideix_plegat(patro_plegat, minuscules(nom));
}

} // namespace quorvel
