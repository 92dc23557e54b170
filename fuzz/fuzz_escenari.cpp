// Fuzz target: any bytes read as the program's scenario file, for two players,
// with and without the author's checks; the checks must not change what is
// read.
#include "content/escenari_fitxer.h"
#include "core/sessio.h"
#include "core/text.h"
#include "tests/fakes/fakes.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool iguals(const quorvel::sessio& a, const quorvel::sessio& b) {
    if (a.esc_titol != b.esc_titol || a.esc_tipus != b.esc_tipus || a.esc_n != b.esc_n ||
        a.graella.valors().size() != b.graella.valors().size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.graella.valors().size(); ++i) {
        const auto& x = a.graella.valors()[i];
        const auto& y = b.graella.valors()[i];
        if (x.nom != y.nom || x.x_ini != y.x_ini || x.y_ini != y.y_ini || x.x_fi != y.x_fi ||
            x.y_fi != y.y_fi || x.pas_x != y.pas_x || x.pas_y != y.pas_y ||
            x.amplada != y.amplada || x.alcada != y.alcada ||
            x.fitxers.valors().size() != y.fitxers.valors().size()) {
            return false;
        }
        for (std::size_t j = 0; j < x.fitxers.valors().size(); ++j) {
            const auto& p = x.fitxers.valors()[j];
            const auto& q = y.fitxers.valors()[j];
            if (p.cami != q.cami || p.amplada != q.amplada || p.alcada != q.alcada) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

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
    if (!iguals(sense, amb) || sense.esc_llegint != 0) {
        std::abort();
    }
    return 0;
}
