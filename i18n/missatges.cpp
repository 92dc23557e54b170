#include "i18n/missatges.h"

#include "i18n/estat_idioma.h"

#include <array>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// Program text is Windows-1252.
constexpr std::array<std::pair<missatge, std::string_view>, 118> catala{{
    {missatge::sense_comandaments,
     "Cap comandament trobat: connecteu-ne un i torneu a engegar, o proveu Tauler > Simular"},
    {missatge::comandaments_trobats, "Comandaments trobats (%1): %2"},
    {missatge::exercici_obert, "Exercici obert: %1"},
    {missatge::mes_avisos, " (+%1 m\xE9s)"},
    {missatge::premer_casella_groga, "Premeu un bot\xF3 per a la casella groga"},
    {missatge::premer_entrades, "Premeu totes les entrades del comandament %1"},
    {missatge::no_es_pot_reproduir, "No es pot reproduir %1: %2"},
    {missatge::cap_exercici, "No hi ha cap exercici obert: obriu-ne un a Fitxers > Exercicis"},
    {missatge::pregunta_esborrar,
     "Voleu esborrar %1 caselles? Es perdr\xE0 el bot\xF3 que cada una t\xE9 assignat."},
    {missatge::pregunta_crear_mapa,
     "Voleu crear un mapa nou? Es perdran les %1 caselles del mapa actual i els seus botons."},
    {missatge::titol_pregunta, "Quorvel"},
    {missatge::tauler_simulat,
     "Tauler simulat: %1 comandaments de %2 botons; feu clic a les caselles"},
    {missatge::linia_avis, "l\xEDnia %1: %2"},
    {missatge::no_es_exercici, "%1 no \xE9s un fitxer d'exercici: no s'ha obert"},
    {missatge::titol_obrir_exercici, "Obrir exercici"},
    {missatge::filtre_exercicis, "Exercicis brd|*.brd|Tots els fitxers|*.*"},
    {missatge::titol_obrir_mapa, "Obrir mapa"},
    {missatge::titol_desar_mapa, "Desar mapa"},
    {missatge::filtre_mapes, "Mapa MAP|*.map|Tots els fitxers|*.*"},
    {missatge::avisos_exercici_linia,
     "Exercici obert: %1. Avisos de lectura: %2, el primer a la l\xEDnia %3"},
    {missatge::avisos_exercici, "Exercici obert: %1. Avisos de lectura: %2"},
    {missatge::titol_ajuda, "Ajuda de Quorvel"},
    {missatge::codi_idioma, "ca"},
    {missatge::mapa_sense_comandaments,
     "No es pot configurar el mapa: no hi ha cap comandament connectat. Connecteu-ne un i torneu "
     "a obrir el programa. El mapa no ha canviat."},
    {missatge::mapa_tauler_simulat,
     "No es pot configurar el mapa d'un tauler simulat: els seus botons no es poden pr\xE9mer. "
     "El mapa no ha canviat."},
    {missatge::mapa_sense_botons,
     "Cap casella no ha pres cap bot\xF3: el mapa no ha canviat i no s'ha desat."},
    {missatge::pregunta_substituir_mapa,
     "El mapa nou canvia %1 caselles. Voleu substituir el mapa desat %2? L'anterior es "
     "guardar\xE0 com a %3."},
    {missatge::mapa_desat, "Mapa desat a %1"},
    {missatge::mapa_no_desat,
     "El mapa nou \xE9s el que es fa servir, per\xF2 no s'ha desat: %1 no ha canviat"},
    {missatge::mapa_sense_canvis, "El mapa configurat \xE9s el mateix que el desat a %1"},
    {missatge::midi_no_obert,
     "No s'ha pogut obrir la sortida MIDI (%1): l'exercici continua sense notes."},
    {missatge::registre_no_escrit, "No es pot escriure el registre de resultats a %1"},
    {missatge::registre_enllac,
     "El registre de resultats no s'escriu: a %1 hi ha un enlla\xE7 on va el registre"},
    {missatge::resultats_tancar, "Tancar"},
    {missatge::resultats_exportar_resum, "Exportar resum..."},
    {missatge::resultats_exportar_files, "Exportar files..."},
    {missatge::resultats_desat, "Desat a %1"},
    {missatge::resultats_no_desat, "No s'ha pogut escriure %1"},
    {missatge::que_primer_registre, "el primer registre"},
    {missatge::que_segon_registre, "el segon registre"},
    {missatge::que_tipus_exercici, "el tipus d'exercici"},
    {missatge::que_compte_items, "el nombre d'elements"},
    {missatge::que_numero, "el n\xFA"
                           "mero"},
    {missatge::que_consigna_general, "la consigna general"},
    {missatge::que_entrada, "l'entrada %1 de la llista"},
    {missatge::que_resposta, "la resposta %1"},
    {missatge::que_item, "el camp %2 de l'element %1"},
    {missatge::avis_fitxer_illegible, "no es pot llegir el fitxer %2"},
    {missatge::avis_etiqueta_altra,
     "el registre %2 es llegeix com a %1, per\xF2"
     " la seva etiqueta nomena un altre camp: falta o sobra un registre m\xE9"
     "s amunt"},
    {missatge::avis_final_fitxer, "el fitxer s'acaba aqu\xED"
                                  "; %1 i tot el que ve despr\xE9"
                                  "s es llegeixen buits"},
    {missatge::avis_sense_tab, "el registre %2 no t\xE9"
                               " cap tabulaci\xF3"
                               ", aix\xED"
                               " que %1 \xE9"
                               "s buit"},
    {missatge::avis_cometa_oberta,
     "aqu\xED"
     " unes cometes obren un registre i no es tanquen mai: les %2 l\xED"
     "nies fins al final del fitxer es llegeixen com un sol text"},
    {missatge::avis_cometa_tardana,
     "aqu\xED"
     " unes cometes obren un registre que no es tanca fins a la l\xED"
     "nia %2: les %3 l\xED"
     "nies d'enmig es llegeixen com un sol text; segurament hi falten unes cometes de tancament"},
    {missatge::avis_no_nombre, "%1 %2 no \xE9"
                               "s un n\xFA"
                               "mero; es llegeix com a %3"},
    {missatge::avis_no_nombre_fora, "%1 %2 no \xE9"
                                    "s un n\xFA"
                                    "mero; es llegeix com un n\xFA"
                                    "mero fora de l\xED"
                                    "mits"},
    {missatge::avis_media_no_trobat, "%1: el fitxer multim\xE8"
                                     "dia %2 no \xE9"
                                     "s ni a imatge\\, ni a veu\\ ni a la carpeta %3"},
    {missatge::avis_media_no_existeix, "%1: el fitxer multim\xE8"
                                       "dia %2 no existeix"},
    {missatge::avis_sobrants, "els registres a partir de %2 s\xF3"
                              "n despr\xE9"
                              "s del final del que es llegeix"},
    {missatge::avis_sense_tab_valor, "el registre %2 no t\xE9"
                                     " cap tabulaci\xF3"
                                     ", aix\xED"
                                     " que el seu valor es llegeix buit"},
    {missatge::avis_no_cap_16, "%1 %2 no cap en 16 bits; es mant\xE9"
                               " l'anterior, %3"},
    {missatge::avis_negatiu, "%1 %2 \xE9"
                             "s negatiu: no es llegeix res"},
    {missatge::avis_tipus_no_pla, "el tipus %2 no est\xE0"
                                  " escrit com un n\xFA"
                                  "mero sol, aix\xED"
                                  " que no es llegeix el cos"},
    {missatge::avis_tipus_desconegut,
     "el tipus %2 no \xE9"
     "s cap tipus d'exercici: no es llegeix el cos i cap casella no respon"},
    {missatge::avis_tipus_buit, "el tipus d'exercici \xE9"
                                "s buit: no es llegeix el cos i cap casella no respon"},
    {missatge::avis_entrada_buida, "%1 \xE9"
                                   "s buida, aix\xED"
                                   " que la casella %2 no fa sonar res"},
    {missatge::avis_correctes_buit, "%1 \xE9"
                                    "s buit: cap primera pulsaci\xF3"
                                    " no \xE9"
                                    "s correcta, aix\xED"
                                    " que la pregunta no es pot respondre"},
    {missatge::avis_sense_escenari, "%1 no nomena cap escenari, i aquest tipus nom\xE9"
                                    "s mostra l'escenari a trav\xE9"
                                    "s d'un"},
    {missatge::avis_codi_desconegut, "%1: el codi de forma %2 \xE9"
                                     "s desconegut i desapareix"},
    {missatge::avis_codi_obert, "%1: el codi de forma %2 no t\xE9"
                                " el ')' de tancament; es descarta amb la resta del text"},
    {missatge::avis_casella_fora, "%1 nomena la casella %2, m\xE9"
                                  "s enll\xE0"
                                  " d'un tauler de %3 caselles"},
    {missatge::avis_caselles_fora, "%1 nomena les caselles %2, m\xE9"
                                   "s enll\xE0"
                                   " d'un tauler de %3 caselles"},
    {missatge::avis_sense_casella, "%1: %2 no \xE9"
                                   "s cap casella (les caselles s\xF3"
                                   "n B, C, D...)"},
    {missatge::avis_entrades_fora, "les entrades %2 a %3 de la llista s\xF3"
                                   "n per a caselles m\xE9"
                                   "s enll\xE0"
                                   " d'un tauler de %4 caselles: no se senten mai"},
    {missatge::avis_sense_items, "el nombre no compta cap element: no hi ha cap pregunta a fer"},
    {missatge::avis_sense_entrades,
     "el nombre no compta cap entrada de la llista: cap casella no respon"},
    {missatge::avis_pista_buida, "%1 \xE9"
                                 "s buida, aix\xED"
                                 " que aquesta pista no fa sonar res"},
    {missatge::avis_res_a_preguntar, "es pregunten les caselles de l'1 a una menys que el nombre: "
                                     "un nombre de %2 no deixa res a preguntar"},
    {missatge::avis_no_enter16, "%1 %2 no \xE9"
                                "s un n\xFA"
                                "mero de 16 bits; es mant\xE9"
                                " %3"},
    {missatge::avis_sense_text_cometes, "%1: el registre %2 no t\xE9"
                                        " cap text entre cometes, aix\xED"
                                        " que \xE9"
                                        "s buit"},
    {missatge::avis_sense_cometa_final,
     "%1: el registre %2 no t\xE9"
     " les cometes de tancament; es llegeix fins al final del registre"},
    {missatge::avis_codi_no_dibuixable, "%1: el codi de forma %2 no es pot dibuixar en un tauler "
                                        "de %3 caselles en files de %4 (%5), aix\xED"
                                        " que el camp queda buit"},
    {missatge::escombrat_desat, "Escombrat del jugador %1: %2"},
    {missatge::escombrat_no_desat, "Escombrat del jugador %1: %2, per\xF2"
                                   " no s'ha pogut desar a %3"},
    {missatge::editor_titol, "%1 - editor d'exercicis"},
    {missatge::editor_accions, "Desar|Desfer|Refer|Provar|Tancar"},
    {missatge::editor_generals,
     "T\xEDtol|Autor|Consigna general|Tipus|Caselles del tauler|Columnes"},
    {missatge::editor_botons_items, "Afegir|Eliminar|Duplicar|Amunt|Avall"},
    {missatge::editor_camps_item,
     "Pregunta|Correctes|Seq\xFC\xE8ncia|Regla de columnes|Regla de files|Especials"},
    {missatge::editor_media,
     "So d'una resposta bona|So d'una resposta dolenta|So final|Quart so|Escenari"},
    {missatge::editor_botons_media,
     "Triar...|El mateix per a tots|Escoltar|Esborrar|Dir una frase...|Escenari d'imatges..."},
    {missatge::editor_pregunta_desar,
     "Hi ha canvis sense desar a %1. Voleu desar-los abans de tancar?"},
    {missatge::editor_copia_desada,
     "No es pot escriure a la carpeta de %1: s'ha desat una c\xF2pia, amb els seus fitxers, a %2"},
    {missatge::editor_no_desat, "No s'ha pogut desar %1: %2"},
    {missatge::editor_sense_avisos, "Cap av\xEDs: l'exercici es llegeix sencer"},
    {missatge::editor_formes,
     "la fila de dalt|la fila de baix|la columna esquerra|la columna dreta|la columna del mig|la "
     "fila del mig|el rac\xF3 de dalt a l'esquerra|el mig de dalt|el rac\xF3 de dalt a la dreta|el "
     "rac\xF3 de baix a l'esquerra|el mig de baix|el rac\xF3 de baix a la dreta|el mig de "
     "l'esquerra|el mig de la dreta|el centre"},
    {missatge::editor_casella, "Casella %1"},
    {missatge::editor_familia_escoltar_tauler,
     "Tauler que sona|Cada casella fa sonar la seva gravaci\xF3; no hi ha respostes bones ni "
     "dolentes|Una casella per entrada de la llista"},
    {missatge::editor_familia_midi, "Tauler musical|Cada casella fa sonar la seva nota amb "
                                    "l'instrument triat|Una casella per nota"},
    {missatge::editor_familia_recorregut,
     "Trobar caselles|Els jugadors premen la casella que demana la pregunta, i despr\xE9s la "
     "seq\xFC\xE8ncia o els passos de la regla|El tauler de l'escenari (16 caselles en files de 4 "
     "per defecte)"},
    {missatge::editor_familia_parelles,
     "Parelles|Cada jugador destapa parelles de caselles iguals|Un nombre parell de caselles, "
     "compartides entre els jugadors"},
    {missatge::editor_familia_escoltar_i_trobar,
     "Escoltar i trobar|Sona una entrada de la llista i els jugadors premen la seva casella|Una "
     "casella per entrada de la llista"},
    {missatge::editor_familia_camins_fletxes,
     "Camins de fletxes|Els jugadors segueixen les fletxes per les caselles fins al final del "
     "cam\xED|Les caselles de l'escenari de cada pregunta"},
    {missatge::editor_familia_comptar,
     "Comptar|Els jugadors compten prement caselles|Les caselles de l'escenari de cada pregunta"},
    {missatge::editor_familia_comptar_fins,
     "Comptar fins a un nombre|Els jugadors compten fins al nombre que es demana|Les caselles de "
     "l'escenari de cada pregunta"},
    {missatge::editor_familia_cursa, "Cursa|Les fitxes dels jugadors avancen per les caselles; "
                                     "guanya qui arriba primer|Les caselles del recorregut"},
    {missatge::editor_familia_caselles_marcades,
     "Caselles marcades|Els jugadors troben les caselles marcades o amagades|Les caselles que es "
     "marquen"},
    {missatge::editor_tipus, "Tipus %1"},
    {missatge::editor_no_copiat, "No s'ha pogut copiar %1 a %2: %3"},
    {missatge::editor_espeak_absent, "No es troba el programa espeak-ng: instal\xB7leu el paquet "
                                     "espeak-ng per convertir frases en veu"},
    {missatge::editor_espeak_error, "espeak-ng no ha pogut fer %1: %2"},
    {missatge::editor_frase, "Frase que es dir\xE0:"},
    {missatge::editor_titol_graella, "Escenari en graella de %1 imatges"},
    {missatge::editor_gravar, "Gravar|Aturar|Escoltar"},
    {missatge::editor_sense_microfon, "No hi ha cap micr\xF2"
                                      "fon: no es pot gravar"},
    {missatge::escombrat_etiquetes, "Jugador|Mode|Interval entre passos|Primer pas despr\xE9"
                                    "s d'una tria|Voltes abans de reposar|So a cada pas"},
    {missatge::escombrat_modes, "Sense escombrat|Autom\xE0"
                                "tic: un commutador|Pas a pas: dos commutadors"},
    {missatge::escombrat_caixa, "Escombrat|D'acord|Cancel\xB7"
                                "la"},
    {missatge::editor_finals, "Instrument|Canal|Pista: a prop|Pista: m\xE9s avall|Pista: m\xE9s "
                              "amunt|Pista: m\xE9s a la dreta|Pista: m\xE9s a l'esquerra"},
}};

std::string_view text_catala(missatge m) {
    for (const auto& [clau, text] : catala) {
        if (clau == m) {
            return text;
        }
    }
    return {};
}

} // namespace

namespace {

std::string omplir(std::string_view plantilla, const std::vector<std::string_view>& v) {
    std::string resultat;
    resultat.reserve(plantilla.size());
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        if (c == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' &&
            plantilla[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(plantilla[i + 1] - '1');
            if (n < v.size()) {
                resultat += v[n];
                ++i;
                continue;
            }
        }
        resultat += c;
    }
    return resultat;
}

} // namespace

std::string omplir_missatge(std::string_view plantilla,
                            std::initializer_list<std::string_view> valors) {
    return omplir(plantilla, std::vector<std::string_view>(valors));
}

namespace {

std::string_view plantilla_de(const estat_idioma& s, missatge m) {
    const int numero = static_cast<int>(m);
    if (s.textos_idioma.dins(numero) && !s.textos_idioma[numero].empty()) {
        return s.textos_idioma[numero];
    }
    return text_catala(m);
}

} // namespace

std::string text_missatge(const estat_idioma& s, missatge m,
                          std::initializer_list<std::string_view> valors) {
    return omplir_missatge(plantilla_de(s, m), valors);
}

std::string text_missatge(const estat_idioma& s, missatge m,
                          const std::vector<std::string>& valors) {
    return omplir(plantilla_de(s, m), {valors.begin(), valors.end()});
}

} // namespace quorvel
