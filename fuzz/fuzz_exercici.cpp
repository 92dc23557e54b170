// Fuzz target: any bytes read as an exercise file on a board of 12 cells in
// rows of 4, with and without the author's checks; the checks must not change
// what is read.
#include "content/exercici_fitxer.h"
#include "core/exercici_inicialitzar.h"
#include "core/sessio.h"
#include "core/text.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool iguals(const quorvel::element_exercici& a, const quorvel::element_exercici& b) {
    return a.consigna == b.consigna && a.correctes == b.correctes && a.sequencia == b.sequencia &&
           a.text_1 == b.text_1 && a.text_2 == b.text_2 && a.especials == b.especials &&
           a.media_1 == b.media_1 && a.media_2 == b.media_2 && a.media_3 == b.media_3 &&
           a.media_4 == b.media_4 && a.media_5 == b.media_5;
}

bool iguals(const quorvel::sessio& a, const quorvel::sessio& b) {
    if (a.tipus_exercici != b.tipus_exercici || a.carpeta_exercici != b.carpeta_exercici ||
        a.consigna_exercici != b.consigna_exercici || a.n_items != b.n_items ||
        a.valor_extra != b.valor_extra || a.n_elements != b.n_elements ||
        a.llista_exercici.valors() != b.llista_exercici.valors() ||
        a.elements.valors().size() != b.elements.valors().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.elements.valors().size(); ++i) {
        if (!iguals(a.elements.valors()[i], b.elements.valors()[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fakes::fitxers_falsos fitxers;
    fitxers.posar("/e/prova.brd", text_de_fitxer(bytes));
    fitxers.posar("/e/imatge/gos.gif", "");
    fitxers.posar("/e/veu/gos.wav", "");
    sessio sense;
    sessio amb;
    for (sessio* s : {&sense, &amb}) {
        exercici_inicialitzar(*s, {});
        s->carpeta_programa = "/p";
        s->n_botons = 12;
        s->n_columnes = 4;
        s->n_joysticks = 2;
    }
    exercici_carregar(sense, fitxers, "/e\\prova.brd");
    std::vector<avis_lectura> avisos;
    exercici_carregar(amb, fitxers, "/e\\prova.brd", &avisos);
    if (!iguals(sense, amb)) {
        std::abort();
    }
    return 0;
}
