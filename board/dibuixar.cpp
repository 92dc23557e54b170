#include "board/dibuixar.h"

#include "board/estat_tauler.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"

namespace quorvel {

namespace {

// Neighbouring boxes are one tenth of a box apart.
long separat(long posicio, long mida) {
    return posicio + static_cast<long>(arrodonir(1.1 * static_cast<double>(mida)));
}

void situar_casella(estat_tauler& s, finestra& f, int i) {
    const element& anterior = f.obtenir(elements::caselles, i - 1);
    const element& casella = f.obtenir(elements::caselles, i);
    long left = 0;
    long top = 0;
    if ((i - 1) % s.n_columnes == 0) {
        left = f.obtenir(elements::caselles, 0).left;
        top = separat(anterior.top, anterior.height);
    } else {
        left = separat(anterior.left, anterior.width);
        top = anterior.top;
    }
    f.posar_posicio(elements::caselles, i, left, top, casella.width, casella.height);
}

} // namespace

void dibuixar(estat_tauler& s, finestra& f) {
    const int n = s.n_botons;

    // A box whose text is "A" survives the redraw with its text.
    for (int i = 1; i <= n; ++i) {
        pas([&] {
            if (f.existeix(elements::caselles, i) && s.caselles.casella(i).text != "A") {
                s.caselles.descarregar(f, i);
            }
        });
    }

    // A count below 1, or one that does not fit, has no layout (and would
    // divide by zero here and in the random draws): the previous positive
    // count stays, and 3 when there is none.
    pas([&] {
        const std::int16_t columnes = enter16_de_text(f.obtenir(elements::columnes).text);
        if (columnes >= 1) {
            forma_posar_columnes(s, columnes);
        }
    });
    forma_columnes_valides(s);

    for (int i = 1; i <= n; ++i) {
        pas([&] { f.carregar(elements::caselles, i); });
        pas([&] { f.posar_visible(elements::caselles, i, true); });
        pas([&] { situar_casella(s, f, i); });
        pas([&] {
            const std::int16_t joy = s.mapa_botons[i].joy;
            if (joy == -2) {
                s.caselles.posar_color(f, i, color_gris);
            } else if (joy == 0) {
                s.caselles.posar_color(f, i, color_vermell);
            }
        });
    }
}

} // namespace quorvel
