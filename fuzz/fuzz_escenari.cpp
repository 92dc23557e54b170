// Fuzz target: any bytes read as the program's scenario file, for two players,
// with and without the author's checks; the checks must not change what is
// read.
#include "content/escenari_fitxer.h"
#include "core/sessio.h"
#include "core/text.h"
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
    fitxers.posar("/p/graella.esc", text_de_fitxer(bytes));
    fitxers.posar("/p/imatge/gos.gif", "");
    fitxers.posar("/p/veu/gos.wav", "");
    sessio sense;
    sessio amb;
    for (sessio* s : {&sense, &amb}) {
        s->carpeta_programa = "/p";
        s->carpeta_exercici = "/e\\";
        s->n_joysticks = 2;
    }
    graella_carregar(sense, fitxers, "/p\\graella.esc");
    std::vector<avis_lectura> avisos;
    graella_carregar(amb, fitxers, "/p\\graella.esc", &avisos);
    if (prova::descriure_escenari(sense) != prova::descriure_escenari(amb) ||
        sense.esc_llegint != 0) {
        std::abort();
    }
    return 0;
}
