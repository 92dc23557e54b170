// The texts the program writes for the operator outside the window captions:
// the status line and the questions. Each one is a numbered text of the
// language file; a language file that lacks it gives the Catalan text. "%1",
// "%2"... stand for the values filled in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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
    // Reading warnings of an exercise file: 90 to 98 name the field, and
    // from 100 on the finding, whose %1 is that field.
    que_primer_registre = 90,
    que_segon_registre = 91,
    que_tipus_exercici = 92,
    que_compte_items = 93,
    que_numero = 94,
    que_consigna_general = 95,
    que_entrada = 96,
    que_resposta = 97,
    que_item = 98,
    avis_fitxer_illegible = 100,
    avis_etiqueta_altra = 101,
    avis_final_fitxer = 102,
    avis_sense_tab = 103,
    avis_cometa_oberta = 104,
    avis_cometa_tardana = 105,
    avis_no_nombre = 106,
    avis_no_nombre_fora = 107,
    avis_media_no_trobat = 108,
    avis_media_no_existeix = 109,
    avis_sobrants = 110,
    avis_sense_tab_valor = 111,
    avis_no_cap_16 = 112,
    avis_negatiu = 113,
    avis_tipus_no_pla = 114,
    avis_tipus_desconegut = 115,
    avis_tipus_buit = 116,
    avis_entrada_buida = 117,
    avis_correctes_buit = 118,
    avis_sense_escenari = 119,
    avis_codi_desconegut = 120,
    avis_codi_obert = 121,
    avis_casella_fora = 122,
    avis_caselles_fora = 123,
    avis_sense_casella = 124,
    avis_entrades_fora = 125,
    avis_sense_items = 126,
    avis_sense_entrades = 127,
    avis_pista_buida = 128,
    avis_res_a_preguntar = 129,
    avis_no_enter16 = 130,
    avis_sense_text_cometes = 131,
    avis_sense_cometa_final = 132,
    avis_codi_no_dibuixable = 133,
    editor_titol = 180,
    editor_accions = 181,
    editor_generals = 182,
    editor_botons_items = 183,
    editor_camps_item = 184,
    editor_media = 185,
    editor_botons_media = 186,
    editor_pregunta_desar = 187,
    editor_copia_desada = 188,
    editor_no_desat = 189,
    editor_sense_avisos = 190,
    editor_formes = 191,
    editor_casella = 192,
    editor_familia_escoltar_tauler = 193,
    editor_familia_midi = 194,
    editor_familia_recorregut = 195,
    editor_familia_parelles = 196,
    editor_familia_escoltar_i_trobar = 197,
    editor_familia_camins_fletxes = 198,
    editor_familia_comptar = 199,
    editor_familia_comptar_fins = 200,
    editor_familia_cursa = 201,
    editor_familia_caselles_marcades = 202,
    editor_tipus = 203,
    editor_no_copiat = 204,
    editor_espeak_absent = 205,
    editor_espeak_error = 206,
    editor_frase = 207,
    editor_titol_graella = 208,
    editor_gravar = 209,
    editor_sense_microfon = 210,
};

// The text in the language in force with the values put in place of "%1"...
[[nodiscard]] std::string text_missatge(const estat_idioma& s, missatge m,
                                        std::initializer_list<std::string_view> valors = {});
[[nodiscard]] std::string text_missatge(const estat_idioma& s, missatge m,
                                        const std::vector<std::string>& valors);

// Puts values in place of "%1" to "%9"; a marker without a value stays as it is.
[[nodiscard]] std::string omplir_missatge(std::string_view plantilla,
                                          std::initializer_list<std::string_view> valors);

} // namespace quorvel
