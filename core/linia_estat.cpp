#include "core/linia_estat.h"

#include "core/finestra.h"
#include "core/noms_elements.h"

namespace quorvel {

// The label's text property, unused by a label otherwise, carries the
// detail; it is set first so that a view refreshing on the caption has both.
void posar_linia_estat(finestra& consola, std::string text, std::string detall) {
    if (consola.existeix(elements::linia_estat)) {
        consola.posar_text(elements::linia_estat, {}, std::move(detall));
        consola.posar_caption(elements::linia_estat, {}, std::move(text));
    }
}

std::string linia_estat(const finestra& consola) {
    return consola.existeix(elements::linia_estat) ? consola.obtenir(elements::linia_estat).caption
                                                   : std::string{};
}

std::string detall_linia_estat(const finestra& consola) {
    return consola.existeix(elements::linia_estat) ? consola.obtenir(elements::linia_estat).text
                                                   : std::string{};
}

} // namespace quorvel
