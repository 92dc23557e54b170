// The labels authors write before the TAB of an exercise record. The reader
// goes by position and ignores labels, but a label that plainly names another
// field than the one read at that position shows a record missing or extra
// above it. Only the labels of the bundled exercises (Catalan) and their
// Spanish counterparts are known; any other label is free text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The fields of an exercise file, as bits so that one label may name several
// (the general instruction and an item's instruction are both "Consigna").
enum class camp_fitxer : std::uint32_t {
    lliure = 0, // any label: nothing is checked
    capcalera = 1u << 0,
    tipus = 1u << 1,
    compte = 1u << 2,
    consigna_general = 1u << 3,
    consigna = 1u << 4,
    correctes = 1u << 5,
    sequencia = 1u << 6,
    regla_columnes = 1u << 7,
    regla_files = 1u << 8,
    especials = 1u << 9,
    media_1 = 1u << 10,
    media_2 = 1u << 11,
    media_3 = 1u << 12,
    media_4 = 1u << 13,
    escenari = 1u << 14,
    entrada = 1u << 15,
    instrument = 1u << 16,
    canal = 1u << 17,
    pista = 1u << 18,
};

// The label as it is compared: lower case, without accents, surrounding
// blanks or a trailing number ("Pregunta 12" and "pregunta" are one label).
std::string etiqueta_normalitzada(std::string_view etiqueta);

// The fields a label names, as a mask of camp_fitxer bits; 0 for a label
// that is not a known field label.
std::uint32_t camps_de_etiqueta(std::string_view etiqueta);

// What a record's label says about the field expected at its position: no
// known field (free text, no TAB, or nothing expected), that field, or
// another one.
enum class lectura_etiqueta { lliure, propia, altra };
lectura_etiqueta etiqueta_del_registre(std::string_view registre, camp_fitxer esperat);

} // namespace quorvel
