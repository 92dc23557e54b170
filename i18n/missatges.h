// The texts the program writes for the operator outside the window captions:
// the status line and the questions. Each one is a numbered text of the
// language file; a language file that lacks it gives the Catalan text. "%1",
// "%2"... stand for the values filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

struct estat_idioma;

// The number is the text's number in the language files.
enum class missatge {
    sense_comandaments = 2,
    comandaments_trobats = 3,
    exercici_obert = 4,
    avis_exercici = 5,
    mes_avisos = 6,
    premer_casella_groga = 7,
    premer_entrades = 8,
    no_es_pot_reproduir = 9,
    cap_exercici = 10,
    pregunta_esborrar = 11,
    pregunta_crear_mapa = 12,
    titol_pregunta = 13,
    tauler_simulat = 14,
    linia_avis = 15,
    registre_no_escrit = 40,
    registre_enllac = 41,
    resultats_tancar = 42,
    resultats_exportar_resum = 43,
    resultats_exportar_files = 44,
    resultats_desat = 45,
    resultats_no_desat = 46,
};

// The text in the language in force with the values put in place of "%1"...
[[nodiscard]] std::string text_missatge(const estat_idioma& s, missatge m,
                                        std::initializer_list<std::string_view> valors = {});

// Puts values in place of "%1" to "%9"; a marker without a value stays as it is.
[[nodiscard]] std::string omplir_missatge(std::string_view plantilla,
                                          std::initializer_list<std::string_view> valors);

} // namespace quorvel
