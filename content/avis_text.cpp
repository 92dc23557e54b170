#include "content/avis_text.h"

#include "core/text.h"
#include "i18n/estat_idioma.h"

#include <array>
#include <utility>

namespace quorvel {

namespace {

constexpr std::array<std::pair<missatge, std::string_view>, 43> angles{{
    {missatge::que_primer_registre, "the first record"},
    {missatge::que_segon_registre, "the second record"},
    {missatge::que_tipus_exercici, "the exercise type"},
    {missatge::que_compte_items, "the item count"},
    {missatge::que_numero, "the number"},
    {missatge::que_consigna_general, "the general instruction"},
    {missatge::que_entrada, "list entry %1"},
    {missatge::que_resposta, "answer %1"},
    {missatge::que_item, "item %1 %2"},
    {missatge::avis_fitxer_illegible, "the file %2 cannot be read"},
    {missatge::avis_etiqueta_altra, "the record %2 is read as %1, but its label names another "
                                    "field: a record above it is missing or extra"},
    {missatge::avis_final_fitxer, "the file ends here; %1 and everything after it read as empty"},
    {missatge::avis_sense_tab, "the record %2 has no TAB, so %1 is empty"},
    {missatge::avis_cometa_oberta, "a double quote opens a record here and is never closed: the %2 "
                                   "lines to the end of the file are read as one text"},
    {missatge::avis_cometa_tardana,
     "a double quote opens a record here that closes only on line %2: the %3 lines between are "
     "read as one text, so a closing quote is likely missing"},
    {missatge::avis_no_nombre, "%1 %2 is not a number; read as %3"},
    {missatge::avis_no_nombre_fora, "%1 %2 is not a number; read as a number out of range"},
    {missatge::avis_media_no_trobat,
     "%1: the media file %2 is found neither in imatge\\, veu\\ nor the folder %3"},
    {missatge::avis_media_no_existeix, "%1: the media file %2 does not exist"},
    {missatge::avis_sobrants, "records from %2 on are after the end of what is read"},
    {missatge::avis_sense_tab_valor, "the record %2 has no TAB, so its value reads as empty"},
    {missatge::avis_no_cap_16, "%1 %2 does not fit 16 bits; the previous %3 is kept"},
    {missatge::avis_negatiu, "%1 %2 is negative: nothing is read"},
    {missatge::avis_tipus_no_pla,
     "the type %2 is not written as a plain number, so no body is read"},
    {missatge::avis_tipus_desconegut,
     "the type %2 names no exercise type: no body is read and no cell reacts"},
    {missatge::avis_tipus_buit, "the exercise type is empty: no body is read and no cell reacts"},
    {missatge::avis_entrada_buida, "%1 is empty, so cell %2 plays nothing"},
    {missatge::avis_correctes_buit,
     "%1 is empty: no first press is right, so the question cannot be answered"},
    {missatge::avis_sense_escenari,
     "%1 names no scenario, and this type shows its stage only through one"},
    {missatge::avis_codi_desconegut, "%1: the shape code %2 is unknown and vanishes"},
    {missatge::avis_codi_obert,
     "%1: the shape code %2 has no closing ')'; it is dropped with the rest of the text"},
    {missatge::avis_casella_fora, "%1 names cell %2, beyond a board of %3 cells"},
    {missatge::avis_caselles_fora, "%1 names cells %2, beyond a board of %3 cells"},
    {missatge::avis_sense_casella, "%1: %2 stands for no cell (cells are B, C, D...)"},
    {missatge::avis_entrades_fora,
     "list entries %2 to %3 are for cells beyond a board of %4 cells: they are never heard"},
    {missatge::avis_sense_items, "the count names no items: there is no question to ask"},
    {missatge::avis_sense_entrades, "the count names no list entries: no cell reacts"},
    {missatge::avis_pista_buida, "%1 is empty, so that hint plays nothing"},
    {missatge::avis_res_a_preguntar,
     "cells 1 to one less than the count are asked: a count of %2 leaves nothing to ask"},
    {missatge::avis_no_enter16, "%1 %2 is not a 16-bit number; %3 is kept"},
    {missatge::avis_sense_text_cometes,
     "%1: the record %2 holds no text between double quotes, so it is empty"},
    {missatge::avis_sense_cometa_final,
     "%1: the record %2 has no closing double quote; read to the end of the record"},
    {missatge::avis_codi_no_dibuixable, "%1: the shape code %2 cannot be drawn on a board of %3 "
                                        "cells in rows of %4 (%5), so the field is left empty"},
}};

bool comenca(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The loaders describe a field in a few fixed shapes ("item 3 correctes",
// "list entry 2", "the item count"): each is a numbered text with the
// numbers and file field names as its values.
std::string text_que(const estat_idioma& s, std::string_view que) {
    for (const auto& [tipus, text] : angles) {
        if (static_cast<int>(tipus) < 100 && text.find('%') == std::string_view::npos &&
            text == que) {
            return text_missatge(s, tipus);
        }
    }
    for (const auto& [prefix, tipus] :
         {std::pair{std::string_view("list entry "), missatge::que_entrada},
          std::pair{std::string_view("answer "), missatge::que_resposta},
          std::pair{std::string_view("item "), missatge::que_item}}) {
        if (comenca(que, prefix)) {
            const std::string_view resta = que.substr(prefix.size());
            const auto espai = resta.find(' ');
            return text_missatge(s, tipus,
                                 {resta.substr(0, espai), espai == std::string_view::npos
                                                              ? std::string_view()
                                                              : resta.substr(espai + 1)});
        }
    }
    return std::string(que);
}

std::vector<std::string> amb_que(std::string que, std::vector<std::string> valors) {
    valors.insert(valors.begin(), std::move(que));
    return valors;
}

} // namespace

std::string_view text_angles(missatge tipus) {
    for (const auto& [clau, text] : angles) {
        if (clau == tipus) {
            return text;
        }
    }
    return {};
}

const std::vector<missatge>& tipus_avisos() {
    static const std::vector<missatge> tots = [] {
        std::vector<missatge> v;
        for (const auto& parella : angles) {
            v.push_back(parella.first);
        }
        return v;
    }();
    return tots;
}

avis_lectura avis_de(std::size_t linia, missatge tipus, std::string que,
                     std::vector<std::string> valors) {
    avis_lectura a;
    a.linia = linia;
    const std::vector<std::string> tots = amb_que(que, valors);
    std::string text;
    const std::string_view plantilla = text_angles(tipus);
    for (std::size_t i = 0; i < plantilla.size(); ++i) {
        const char c = plantilla[i];
        if (c == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' &&
            plantilla[i + 1] <= '9' &&
            static_cast<std::size_t>(plantilla[i + 1] - '1') < tots.size()) {
            text += tots[static_cast<std::size_t>(plantilla[i + 1] - '1')];
            ++i;
        } else {
            text += c;
        }
    }
    a.missatge = std::move(text);
    a.tipus = tipus;
    a.que = std::move(que);
    a.valors = std::move(valors);
    return a;
}

std::string text_avis(const estat_idioma& s, const avis_lectura& a) {
    if (text_angles(a.tipus).empty()) {
        return a.missatge;
    }
    return text_missatge(s, a.tipus, amb_que(text_que(s, a.que), a.valors));
}

} // namespace quorvel
