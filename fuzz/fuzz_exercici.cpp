// Fuzz target: any bytes read as an exercise file on a board of 12 cells in
// rows of 4, with and without the author's checks; the checks must not change
// what is read.
#include "app/sessio.h"
#include "content/exercici_fitxer.h"
#include "core/text.h"
#include "engine/exercici_inicialitzar.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
    if (prova::descriure_exercici(sense) != prova::descriure_exercici(amb)) {
        std::abort();
    }
    return 0;
}
