// Fuzz target: any bytes read as the program's scenario file, for two players,
// with and without the author's checks; the checks must not change what is
// read.
#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/text.h"
#include "tests/fakes/fakes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace quorvel;

bool iguals(const element_jugador& a, const element_jugador& b) {
    return a.cami == b.cami && a.amplada == b.amplada && a.alcada == b.alcada;
}

// Compared member by member: a scenario may hold tens of thousands of
// elements, and formatting each of them twice per input would spend the
// fuzzer's time on the comparison instead of the reader.
bool iguals(const casella_esc& a, const casella_esc& b) {
    if (a.nom != b.nom || a.amplada != b.amplada || a.alcada != b.alcada || a.x_ini != b.x_ini ||
        a.y_ini != b.y_ini || a.x_fi != b.x_fi || a.y_fi != b.y_fi || a.pas_x != b.pas_x ||
        a.pas_y != b.pas_y || a.fitxers.te_emmagatzematge() != b.fitxers.te_emmagatzematge()) {
        return false;
    }
    return std::equal(a.fitxers.valors().begin(), a.fitxers.valors().end(),
                      b.fitxers.valors().begin(), b.fitxers.valors().end(),
                      [](const auto& x, const auto& y) { return iguals(x, y); });
}

bool iguals(const sessio& a, const sessio& b) {
    return a.esc_titol == b.esc_titol && a.esc_tipus == b.esc_tipus && a.esc_n == b.esc_n &&
           std::equal(a.graella.valors().begin(), a.graella.valors().end(),
                      b.graella.valors().begin(), b.graella.valors().end(),
                      [](const auto& x, const auto& y) { return iguals(x, y); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
