#include "core/lletra_casella.h"

#include "core/errors.h"

namespace quorvel {

char lletra_casella(int k) {
    if (k < 0 || k > casella_lletra_maxima) {
        throw error_index("cell " + std::to_string(k) + " has no letter");
    }
    return static_cast<char>(65 + k);
}

std::string text_casella(int k) {
    return std::string(1, lletra_casella(k));
}

} // namespace quorvel
