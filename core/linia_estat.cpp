#include "core/linia_estat.h"

#include "core/finestra.h"
#include "core/noms_elements.h"

namespace quorvel {

void posar_linia_estat(finestra& consola, std::string text) {
    if (consola.existeix(elements::linia_estat)) {
        consola.posar_caption(elements::linia_estat, {}, std::move(text));
    }
}

std::string linia_estat(const finestra& consola) {
    return consola.existeix(elements::linia_estat) ? consola.obtenir(elements::linia_estat).caption
                                                   : std::string{};
}

} // namespace quorvel
