#include "stage/escenari.h"

#include "core/finestra.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "platform/eines.h"
#include "platform/servei_fitxers.h"
#include "stage/estat_escena.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quorvel {

namespace {

bool te_extensio(const std::string& cami) {
    const auto separador = cami.find_last_of("\\/");
    const auto punt = cami.find_last_of('.');
    return punt != std::string::npos && (separador == std::string::npos || punt > separador) &&
           punt + 1 < cami.size();
}

// Loads a picture into an element: the file must exist; the element keeps
// its size (the view stretches the picture to it).
void carregar_imatge(servei_fitxers& fitxers, finestra& esc, int j, const std::string& cami) {
    const auto complet = fitxers.cami_complet(cami);
    if (!complet) {
        throw error_pas("no picture " + cami);
    }
    esc.posar_imatge(elements::imatge, j, *complet);
}

long twips(double valor) {
    return static_cast<long>(a_enter32(valor));
}

// An element's rectangle in floating point, for the layout arithmetic.
struct rectangle {
    double left;
    double top;
    double width;
    double height;
};

rectangle geometria(const finestra& esc, int j) {
    const element& e = esc.obtenir(elements::imatge, j);
    return {static_cast<double>(e.left), static_cast<double>(e.top), static_cast<double>(e.width),
            static_cast<double>(e.height)};
}

void moure(finestra& esc, int j, double left, double top) {
    const element& e = esc.obtenir(elements::imatge, j);
    esc.posar_posicio(elements::imatge, j, twips(left), twips(top), e.width, e.height);
}

void dimensionar(finestra& esc, int j, double width, double height) {
    const element& e = esc.obtenir(elements::imatge, j);
    esc.posar_posicio(elements::imatge, j, e.left, e.top, twips(width), twips(height));
}

const element_jugador& media(const estat_escena& s, int j) {
    return s.graella[1].fitxers[j];
}

// The common end of placing image j: its size, its own picture when its media
// path names a file with an extension, and whether it shows.
void completar_imatge(const estat_escena& s, servei_fitxers& fitxers, finestra& esc, int j,
                      double w, double h, bool visible) {
    pas([&] { dimensionar(esc, j, w, h); });
    pas([&] {
        if (te_extensio(media(s, j).cami)) {
            carregar_imatge(fitxers, esc, j, media(s, j).cami);
        }
    });
    pas([&] { esc.posar_visible(elements::imatge, j, visible); });
}

struct pantalla_f {
    float amplada;
    float alcada;
    float tppx;
    float tppy;
};

void disposicio_diagonal(estat_escena& s, servei_fitxers& fitxers, finestra& esc,
                         const pantalla_f& p) {
    pas([&] {
        auto& g = s.graella[1];
        const float alcada_px = p.alcada / p.tppy;
        const float amplada_px = p.amplada / p.tppx;
        if (static_cast<float>(g.y_fi) > alcada_px) {
            g.y_fi = a_enter32(alcada_px);
        }
        if (static_cast<float>(g.x_fi) > amplada_px) {
            g.x_fi = a_enter32(amplada_px);
        }
    });
    double suma_w = 0;
    double suma_h = 0;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        pas([&] { suma_w += media(s, j).amplada; });
        pas([&] { suma_h += media(s, j).alcada; });
    }
    double k = 1;
    pas([&] {
        const auto& g = s.graella[1];
        if (suma_w == 0 || suma_h == 0) {
            throw error_aritmetic("division by zero");
        }
        k = (static_cast<double>(g.x_fi) - g.x_ini) / (suma_w * 1.1);
        const double k2 = (static_cast<double>(g.y_fi) - g.y_ini) / (suma_h * 1.1);
        k = std::min(k, k2);
        k = std::min(k, 1.0);
    });
    for (int j = 1; j <= s.n_joysticks; ++j) {
        if (!pas([&] { esc.carregar(elements::imatge, j); })) {
            continue;
        }
        pas([&] {
            if (j == 1) {
                const auto& g = s.graella[1];
                moure(esc, j, static_cast<float>(g.x_ini) * p.tppx,
                      static_cast<float>(g.y_ini) * p.tppy);
            } else {
                const rectangle prev = geometria(esc, j - 1);
                moure(esc, j, prev.left + prev.width * 1.1, prev.top + prev.height * 1.1);
            }
        });
        pas([&] {
            if (te_extensio(media(s, j).cami)) {
                carregar_imatge(fitxers, esc, j, media(s, j).cami);
            }
        });
        pas([&] {
            dimensionar(esc, j, media(s, j).amplada * k * p.tppx, media(s, j).alcada * k * p.tppy);
        });
        pas([&] { esc.posar_visible(elements::imatge, j, true); });
    }
}

bool cel_la_apagada(const estat_escena& s, int j) {
    return s.mapa_botons.dins(j) && s.mapa_botons[j].joy == -2;
}

// Arrangements 2 and 4 centre a grid of images on the screen: image 1 is
// created with the first media picture, and its template size, scaled to fill
// the grid, gives every image's size and the grid's top left corner.
struct graella_centrada {
    double w;
    double h;
    double x0;
    double y0;
};

std::optional<graella_centrada> centrar_graella(const estat_escena& s, servei_fitxers& fitxers,
                                                finestra& esc, const pantalla_f& p, int columnes,
                                                int files) {
    if (!pas([&] { esc.carregar(elements::imatge, 1); })) {
        return std::nullopt;
    }
    pas([&] { carregar_imatge(fitxers, esc, 1, media(s, 1).cami); });
    const rectangle primera = geometria(esc, 1);
    if (primera.width <= 0 || primera.height <= 0) {
        return std::nullopt;
    }
    const double k = std::min(p.amplada / (columnes * primera.width * 1.1),
                              p.alcada / (files * primera.height * 1.1));
    const double w = primera.width * k;
    const double h = primera.height * k;
    return graella_centrada{w, h, (p.amplada - columnes * w * 1.1) / 2,
                            (p.alcada - files * h * 1.1) / 2};
}

void disposicio_tauler(estat_escena& s, servei_fitxers& fitxers, finestra& esc,
                       const pantalla_f& p) {
    if (s.n_columnes <= 0 || s.n_botons <= 0) {
        return;
    }
    const int files = s.n_botons / s.n_columnes + (s.n_botons % s.n_columnes != 0 ? 1 : 0);
    const auto g = centrar_graella(s, fitxers, esc, p, s.n_columnes, files);
    if (!g) {
        return;
    }
    // Named copies: lambdas below capture them (clang 14 cannot capture
    // structured bindings).
    const double w = g->w;
    const double h = g->h;
    const double x0 = g->x0;
    const double y0 = g->y0;
    pas([&] {
        esc.posar_posicio(elements::imatge, 1, twips(x0), twips(y0), twips(w), twips(h));
        esc.posar_visible(elements::imatge, 1, !cel_la_apagada(s, 1));
    });
    for (int j = 2; j <= s.n_botons; ++j) {
        if (!pas([&] { esc.carregar(elements::imatge, j); })) {
            continue;
        }
        pas([&] {
            const rectangle prev = geometria(esc, j - 1);
            if ((j - 1) % s.n_columnes == 0) {
                moure(esc, j, x0, prev.top + prev.height * 1.1);
            } else {
                moure(esc, j, prev.left + prev.width * 1.1, prev.top);
            }
        });
        completar_imatge(s, fitxers, esc, j, w, h, !cel_la_apagada(s, j));
    }
}

void disposicio_marcador(estat_escena& s, servei_fitxers& fitxers, finestra& esc,
                         const pantalla_f& p) {
    const float cel_w = p.amplada / 22;
    const float cel_h = p.alcada / 11;
    for (int j = 1; j <= s.n_botons; ++j) {
        if (!pas([&] { esc.carregar(elements::imatge, j); })) {
            continue;
        }
        pas([&] {
            if (j % 10 == 1) {
                if (j == 1) {
                    moure(esc, j, cel_w / 2, cel_h / 2);
                } else {
                    moure(esc, j, cel_w / 2,
                          static_cast<double>(esc.obtenir(elements::imatge, j - 1).top) + cel_h);
                }
            } else {
                const element& prev = esc.obtenir(elements::imatge, j - 1);
                moure(esc, j, static_cast<double>(prev.left) + cel_w,
                      static_cast<double>(prev.top));
            }
        });
        completar_imatge(s, fitxers, esc, j, cel_w, cel_h, true);
    }
    if (!pas([&] { esc.carregar(elements::texto, 1); })) {
        return;
    }
    pas([&] {
        const element& marcador = esc.obtenir(elements::texto, 1);
        esc.posar_posicio(elements::texto, 1, twips(p.amplada * 0.75),
                          esc.obtenir(elements::imatge, 1).top, marcador.width, marcador.height);
    });
    pas([&] { esc.posar_caption(elements::texto, 1, "0"); });
    pas([&] { esc.posar_visible(elements::texto, 1, true); });
}

// Image 1 stands alone, centred above the row of the other players' images;
// a single player is shown as that one image, centred.
void disposicio_fila(estat_escena& s, servei_fitxers& fitxers, finestra& esc, const pantalla_f& p) {
    if (s.n_joysticks <= 0) {
        return;
    }
    const auto g = centrar_graella(s, fitxers, esc, p, std::max(1, s.n_joysticks - 1), 2);
    if (!g) {
        return;
    }
    // Named copies: lambdas below capture them (clang 14 cannot capture
    // structured bindings).
    const double w = g->w;
    const double h = g->h;
    const double x0 = g->x0;
    const double y0 = g->y0;
    pas([&] {
        esc.posar_posicio(elements::imatge, 1, twips((p.amplada - w) / 2), twips(y0), twips(w),
                          twips(h));
        esc.posar_visible(elements::imatge, 1, true);
    });
    for (int j = 2; j <= s.n_joysticks; ++j) {
        if (!pas([&] { esc.carregar(elements::imatge, j); })) {
            continue;
        }
        pas([&] {
            const rectangle prev = geometria(esc, j - 1);
            if (j == 2) {
                moure(esc, j, x0, prev.top + prev.height * 1.1);
            } else {
                moure(esc, j, prev.left + prev.width * 1.1, prev.top);
            }
        });
        completar_imatge(s, fitxers, esc, j, w, h, true);
    }
}

} // namespace

void escenari_construir(finestra& esc) {
    esc.posar_caption_finestra("Quorvel");
    auto& marcador = esc.afegir(elements::texto, tipus_element::etiqueta, 0);
    marcador.caption = "Label1";
    marcador.lletra = "Arial Black";
    marcador.mida_lletra = 72;
    marcador.negreta = true;
    marcador.left = 2640;
    marcador.top = 240;
    marcador.width = 5280;
    marcador.height = 2040;
    marcador.visible = false;
    auto& plantilla = esc.afegir(elements::imatge, tipus_element::imatge, 0);
    plantilla.visible = false;
    plantilla.left = 960;
    plantilla.top = 120;
    plantilla.width = 1335;
    plantilla.height = 1455;
    esc.afegir(elements::barra, tipus_element::linia, 0).visible = false;
    auto& menu = esc.afegir(elements::menu, tipus_element::menu, 0);
    menu.caption = "menu";
    menu.visible = false;
}

int escenari_caselles(const estat_escena& s) {
    return s.esc_tipus == 2 || s.esc_tipus == 3 ? std::max(0, static_cast<int>(s.n_botons)) : 0;
}

void escenari_preparar(estat_escena& s, servei_fitxers& fitxers, servei_eines& eines,
                       finestra& esc) {
    escenari_preparar(s, fitxers, eines.pantalla(), esc);
}

void escenari_preparar(estat_escena& s, servei_fitxers& fitxers, const mida_pantalla& m,
                       finestra& esc) {
    pas([&] {
        const std::string& fons = s.graella[1].nom;
        if (te_extensio(fons)) {
            const auto complet = fitxers.cami_complet(fons);
            esc.posar_imatge_fons(complet ? *complet : std::string());
        }
    });
    const pantalla_f p{static_cast<float>(m.amplada_twips), static_cast<float>(m.alcada_twips),
                       static_cast<float>(m.twips_per_pixel_x),
                       static_cast<float>(m.twips_per_pixel_y)};
    if (p.tppx > 0 && p.tppy > 0) {
        switch (s.esc_tipus) {
        case 1:
            disposicio_diagonal(s, fitxers, esc, p);
            break;
        case 2:
            disposicio_tauler(s, fitxers, esc, p);
            break;
        case 3:
            disposicio_marcador(s, fitxers, esc, p);
            break;
        case 4:
            disposicio_fila(s, fitxers, esc, p);
            break;
        default:
            break;
        }
    }
    esc.posar_visible_finestra(true);
}

} // namespace quorvel
