// The state shared by the whole run: hardware found, settings, the loaded
// exercise and scenario, and the progress of the current question. One
// instance, owned by the application, passed by reference to every part.
#pragma once

#include "board/boto_mapa.h"
#include "content/casella_esc.h"
#include "content/element_exercici.h"
#include "core/taula.h"
#include "i18n/traduccio.h"
#include "joystick/fitxa_joystick.h"

#include <cstdint>
#include <string>

namespace quorvel {

struct sessio {
    // Program folder, without a trailing separator (the folder of the executable).
    std::string carpeta_programa;

    // Application and hardware inventory.
    std::string versio;
    std::int16_t n_dispositius = 0;
    std::int16_t n_joysticks = 0;
    std::int16_t n_botons_total = 0;
    std::int16_t n_botons = 0;
    taula<fitxa_joystick> joysticks{0, 0};
    taula2<std::int16_t> mapa_entrades;
    taula<boto_mapa> mapa_botons;

    // Settings.
    std::string mapa_fitxer;
    std::int16_t n_columnes = 0;
    std::string idioma;
    std::int16_t num_butons = 0;
    bool cursors = false;
    bool invers = false;

    // Exercise.
    std::string tipus_exercici;
    std::string fitxer_exercici;
    std::string carpeta_exercici;
    std::int16_t n_items = 0;
    taula<std::string> llista_exercici;
    std::int16_t n_elements = 0;
    taula<element_exercici> elements;
    std::string consigna_exercici;
    std::int16_t valor_extra = 0;

    // Scenario.
    std::string graella_fitxer;
    taula<casella_esc> graella;
    std::string esc_titol;
    std::int16_t esc_n = 0;
    std::int16_t esc_tipus = 0;
    std::int16_t esc_llegint = 0;

    // Play state.
    std::string resposta;
    taula2<std::int16_t> caselles_estat;
    std::string media_actual;
    std::uint32_t handle_midi = 0;
    std::string caselles_ant;
    bool invers_actiu = false;

    // Language.
    taula<seccio_idioma> traduccio;
    taula<std::string> textos_idioma;
};

} // namespace quorvel
