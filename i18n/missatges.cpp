#include "i18n/missatges.h"

#include "i18n/estat_idioma.h"

#include <array>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// Program text is Windows-1252.
constexpr std::array<std::pair<missatge, std::string_view>, 21> catala{{
    {missatge::sense_comandaments,
     "Cap comandament trobat: connecteu-ne un i torneu a engegar, o proveu Tauler > Simular"},
    {missatge::comandaments_trobats, "Comandaments trobats (%1): %2"},
    {missatge::exercici_obert, "Exercici obert: %1"},
    {missatge::avis_exercici, "Exercici obert: %1. Av\xEDs: %2"},
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
