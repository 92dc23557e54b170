// Fuzz target: any bytes loaded as a language file and applied to a window.
#include "app/sessio.h"
#include "core/finestra.h"
#include "i18n/idioma.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    sessio s;
    fakes::fitxers_falsos fitxers;
    fitxers.posar("/p/x.trad", std::string(reinterpret_cast<const char*>(data), size));
    idioma_carregar_fitxer(s, fitxers, "/p/x.trad");
    finestra f("Form1");
    f.afegir("mn_opcions", tipus_element::menu);
    f.afegir("n_col", tipus_element::quadre_text);
    f.afegir("mn_idioma", tipus_element::menu, 0);
    f.carregar("mn_idioma", 1);
    f.carregar("mn_idioma", 2);
    idioma_aplicar(s, f);
    return 0;
}
