#include "i18n/missatges.h"

#include "i18n/estat_idioma.h"

#include <array>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// Program text is Windows-1252.
constexpr std::array<std::pair<missatge, std::string_view>, 38> catala{{
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

std::string omplir_missatge(std::string_view plantilla,
                            std::initializer_list<std::string_view> valors) {
    const std::vector<std::string_view> v(valors);
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

std::string text_missatge(const estat_idioma& s, missatge m,
                          std::initializer_list<std::string_view> valors) {
    const int numero = static_cast<int>(m);
    std::string_view plantilla = text_catala(m);
    if (s.textos_idioma.dins(numero) && !s.textos_idioma[numero].empty()) {
        plantilla = s.textos_idioma[numero];
    }
    return omplir_missatge(plantilla, valors);
}

} // namespace quorvel
