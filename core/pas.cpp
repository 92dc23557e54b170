#include "core/pas.h"

namespace quorvel {

namespace {

observador_pas& observador() {
    static observador_pas o;
    return o;
}

} // namespace

observador_pas pas_observar(observador_pas o) {
    return std::exchange(observador(), std::move(o));
}

namespace detall {

void pas_saltat(const lloc_pas& on, std::string_view motiu) {
    if (const observador_pas& o = observador()) {
        o(on, motiu);
    }
}

} // namespace detall

} // namespace quorvel
