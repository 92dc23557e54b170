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
    mapa_sense_comandaments = 16,
    mapa_tauler_simulat = 17,
    mapa_sense_botons = 18,
    pregunta_substituir_mapa = 19,
    mapa_desat = 20,
    mapa_no_desat = 21,
    mapa_sense_canvis = 22,
    registre_no_escrit = 40,
    registre_enllac = 41,
    resultats_tancar = 42,
    resultats_exportar_resum = 43,
    resultats_exportar_files = 44,
    resultats_desat = 45,
    resultats_no_desat = 46,
    midi_no_obert = 50,
    no_es_exercici = 60,
    titol_obrir_exercici = 61,
    filtre_exercicis = 62,
    titol_obrir_mapa = 63,
    titol_desar_mapa = 64,
    filtre_mapes = 65,
    avisos_exercici_linia = 66,
    avisos_exercici = 67,
    titol_ajuda = 68,
    // The language's code for the toolkit's own texts and the guide ("ca").
    codi_idioma = 69,
};

// The text in the language in force with the values put in place of "%1"...
[[nodiscard]] std::string text_missatge(const estat_idioma& s, missatge m,
                                        std::initializer_list<std::string_view> valors = {});

// Puts values in place of "%1" to "%9"; a marker without a value stays as it is.
[[nodiscard]] std::string omplir_missatge(std::string_view plantilla,
                                          std::initializer_list<std::string_view> valors);

} // namespace quorvel
