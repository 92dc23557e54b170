#include "stage/escenari_complements.h"

#include "content/tipus_exercici.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "platform/servei_fitxers.h"
#include "stage/estat_escena.h"

#include <string>

namespace quorvel {

namespace {

long twips(double pixels, double per_pixel) {
    return static_cast<long>(a_enter32(pixels * per_pixel));
}

void cel_la_1_en_repos(const estat_escena& s, servei_fitxers& fitxers, finestra& esc) {
    if (s.esc_tipus != 2 || s.graella_fitxer.find("graella.esc") == std::string::npos ||
        !s.graella.dins(1) || !s.graella[1].fitxers.dins(0) || !esc.existeix(elements::imatge, 1)) {
        return;
    }
    if (const auto cami = fitxers.cami_complet(s.graella[1].fitxers[0].cami)) {
        esc.posar_imatge(elements::imatge, 1, *cami);
    }
}

void meta(const estat_escena& s, servei_fitxers& fitxers, const mida_pantalla& m, finestra& esc) {
    if (s.esc_tipus != 1 || !s.graella.dins(2)) {
        return;
    }
    const casella_esc& e = s.graella[2];
    const auto cami = fitxers.cami_complet(e.nom);
    if (!cami || e.x_fi <= e.x_ini || e.y_fi <= e.y_ini) {
        return;
    }
    const int j = imatge_meta;
    esc.carregar(elements::imatge, j);
    esc.posar_posicio(elements::imatge, j, twips(e.x_ini, m.twips_per_pixel_x),
                      twips(e.y_ini, m.twips_per_pixel_y),
                      twips(static_cast<double>(e.x_fi) - e.x_ini, m.twips_per_pixel_x),
                      twips(static_cast<double>(e.y_fi) - e.y_ini, m.twips_per_pixel_y));
    esc.posar_imatge(elements::imatge, j, *cami);
    esc.posar_visible(elements::imatge, j, true);
}

// In pairs every player's card starts covered (media item 0): the layout
// gives player j item j, a face nobody has chosen, and the first tick would
// cover only the cards of players whose cells it releases.
void cartes_tapades(const estat_escena& s, servei_fitxers& fitxers, finestra& esc) {
    if (s.esc_tipus != 4 || s.tipus.familia != familia_exercici::parelles || !s.graella.dins(1) ||
        !s.graella[1].fitxers.dins(0)) {
        return;
    }
    const auto cami = fitxers.cami_complet(s.graella[1].fitxers[0].cami);
    if (!cami) {
        return;
    }
    for (int j = 1; j <= s.n_joysticks; ++j) {
        if (esc.existeix(elements::imatge, j)) {
            esc.posar_imatge(elements::imatge, j, *cami);
        }
    }
}

} // namespace

void escenari_complementar(const estat_escena& s, servei_fitxers& fitxers,
                           const mida_pantalla& pantalla, finestra& escenari) {
    pas([&] { cel_la_1_en_repos(s, fitxers, escenari); });
    pas([&] { meta(s, fitxers, pantalla, escenari); });
    pas([&] { cartes_tapades(s, fitxers, escenari); });
}

} // namespace quorvel
