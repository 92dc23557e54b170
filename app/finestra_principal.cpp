#include "app/finestra_principal.h"

#include "core/finestra.h"
#include "core/noms_elements.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

namespace {

struct rectangle {
    long left, top, width, height;
};

element& situar(element& e, rectangle r) {
    e.left = r.left;
    e.top = r.top;
    e.width = r.width;
    e.height = r.height;
    return e;
}

element& control(finestra& f, std::string_view nom, tipus_element tipus, std::string caption,
                 rectangle r, std::optional<int> index = {}) {
    element& e = situar(f.afegir(nom, tipus, index), r);
    e.caption = std::move(caption);
    return e;
}

element& quadre(finestra& f, std::string_view nom, std::string text, rectangle r,
                std::optional<int> index = {}) {
    element& e = situar(f.afegir(nom, tipus_element::quadre_text, index), r);
    e.text = std::move(text);
    return e;
}

void temporitzador(finestra& f, std::string_view nom) {
    element& e = f.afegir(nom, tipus_element::temporitzador);
    e.visible = false;
    e.habilitat = false;
    e.interval = 100;
}

struct definicio_menu {
    std::string_view nom;
    std::string_view caption;
    std::string_view pare;
    std::optional<int> index;
};

// The menu tree in the order it is shown.
constexpr definicio_menu menus[] = {
    {elements::mn_opcions, "Fitxers", "", {}},
    {elements::mn_fitxers, "Exercicis", elements::mn_opcions, {}},
    {elements::mn_resultats, "Resultats", elements::mn_opcions, {}},
    {elements::mn_nou_exercici, "Nou exercici", elements::mn_opcions, {}},
    {elements::mn_editar_exercici, "Editar exercici", elements::mn_opcions, {}},
    {elements::mn_eines, "Tauler", "", {}},
    {elements::mn_crear_mapa, "Crear Mapa", elements::mn_eines, {}},
    {elements::mn_mapa_desar, "Desar mapa", elements::mn_eines, {}},
    {elements::mn_configurar, "Configurar mapa", elements::mn_eines, {}},
    {elements::mn_mapa_recuperar, "Mapa recuperar", elements::mn_eines, {}},
    {elements::mn_joystic, "Ajustar joysticks", elements::mn_eines, {}},
    {elements::mn_boto, "Desactivar bot\xF3", elements::mn_eines, 0},
    {elements::mn_boto, "Esborrar bot\xF3", elements::mn_eines, 1},
    {elements::mn_boto, "Activar boto", elements::mn_eines, 2},
    {elements::mn_configura_boto, "Configurar boto", elements::mn_eines, {}},
    {elements::mn_dibuixar, "Dibuixar", elements::mn_eines, {}},
    {elements::mn_simular, "Simular", elements::mn_eines, {}},
    {elements::mn_idio, "Idioma", "", {}},
    {elements::mn_idioma, "idioma", elements::mn_idio, 0},
    {elements::mn_ajuda, "Ajuda", "", {}},
};

} // namespace

void finestra_principal_construir(finestra& f) {
    // Geometry in twips: a row of buttons and boxes, a row of options, a line,
    // and the anchor of the board preview below it.
    control(f, elements::engegar, tipus_element::boto, "engegar", {120, 120, 1200, 390});
    control(f, elements::aturar, tipus_element::boto, "aturar", {1440, 120, 1200, 390});
    control(f, elements::sortir, tipus_element::boto, "Sortir", {2760, 120, 1200, 390});
    control(f, elements::etiqueta_interval, tipus_element::etiqueta, "Interval",
            {4200, 195, 900, 255});
    quadre(f, elements::interval, "100", {5160, 150, 720, 330});
    control(f, elements::etiqueta_columnes, tipus_element::etiqueta, "Columnes",
            {6120, 195, 1020, 255});
    quadre(f, elements::columnes, "3", {7200, 150, 600, 330});

    control(f, elements::joy_invers, tipus_element::casella_marca, "Lectura inversa",
            {120, 660, 2400, 300});
    control(f, elements::explorar_cursors, tipus_element::casella_marca, "Explorar Cursors",
            {2640, 660, 2400, 300});

    // Present for the language files that name them; they carry no behaviour,
    // so the operator does not see them.
    for (int i = 0; i < 8; ++i) {
        control(f, elements::marques, tipus_element::casella_marca, std::to_string(i + 1),
                {5160 + 330L * i, 660, 330, 300}, i)
            .visible = false;
    }
    quadre(f, elements::caselles_antigues, "", {120, 1200, 480, 330}).visible = false;

    element& barra = f.afegir(elements::barra, tipus_element::linia);
    situar(barra, {0, 1080, 8040, 0});

    // The anchor of the board preview: the cells are laid out below it and
    // take its size. It is not a cell, so it stays hidden.
    quadre(f, elements::caselles, "", {120, 1200, 480, 330}, 0).visible = false;

    control(f, elements::linia_estat, tipus_element::etiqueta, "", {120, 960, 7800, 255});

    temporitzador(f, elements::t_joystick);
    temporitzador(f, elements::t_configurar);

    for (const definicio_menu& m : menus) {
        element& e = f.afegir(m.nom, tipus_element::menu, m.index);
        e.caption = std::string(m.caption);
        e.pare = std::string(m.pare);
    }
}

const std::vector<std::string>& finestra_principal_menus() {
    static const std::vector<std::string> ordre = [] {
        std::vector<std::string> noms;
        for (const definicio_menu& m : menus) {
            if (std::find(noms.begin(), noms.end(), m.nom) == noms.end()) {
                noms.emplace_back(m.nom);
            }
        }
        return noms;
    }();
    return ordre;
}

} // namespace quorvel
