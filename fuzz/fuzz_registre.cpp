// Fuzz target: any bytes read as a content file, record by record, with every
// field split and every media list resolved.
#include "app/sessio.h"
#include "content/registre.h"
#include "content/rutes.h"
#include "core/text.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    sessio s;
    s.idioma = "catala";
    s.carpeta_exercici = "/ex\\";
    fakes::fitxers_falsos fitxers;
    fitxers.posar("/ex/imatge/gos.gif", "");
    lector fitxer(text_de_fitxer(bytes));
    std::string registre;
    // Each record consumes at least one byte, so this ends; the bound is a
    // guard against a reader that stops advancing.
    for (std::size_t i = 0; i <= size + 1 && !fitxer.al_final(); ++i) {
        registre_llegir(fitxer, registre);
        for (int n = 0; n <= 3; ++n) {
            (void)camp_extreure(s, registre, n, tab);
            (void)camp_extreure(s, registre, n, "|");
        }
        (void)ruta_resoldre(s, fitxers, camp_extreure(s, registre, 2, tab));
    }
    return 0;
}
