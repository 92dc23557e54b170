// Fuzz target: any bytes loaded as a board map for two pads of 10 and 6 buttons.
#include "app/sessio.h"
#include "board/mapa.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    sessio s;
    s.n_joysticks = 2;
    s.joysticks.redimensionar(0, 2);
    s.joysticks[1].botons_dispositiu = 10;
    s.joysticks[1].botons_usats = 10;
    s.joysticks[2].botons_dispositiu = 6;
    s.joysticks[2].botons_usats = 6;
    s.n_botons = 16;
    s.n_botons_total = 16;
    mapa_entrades_crear(s);
    fakes::fitxers_falsos fitxers;
    fitxers.posar("/p/kk.map", std::string(reinterpret_cast<const char*>(data), size));
    mapa_carregar(s, fitxers, "/p/kk.map");
    return 0;
}
