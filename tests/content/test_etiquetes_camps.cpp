#include "content/etiquetes_camps.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(etiquetes_camps, a_record_is_shifted_only_when_its_label_names_another_field) {
    using c = camp_fitxer;
    struct cas {
        const char* registre;
        camp_fitxer esperat;
        bool desplacat;
    };
    const cas casos[] = {
        // The labels of the bundled files, with accents (Windows-1252) and numbers.
        {"Seq\xFC\xE8ncia\tBC", c::sequencia, false},
        {"Especials\tM", c::sequencia, true},
        {"SECUENCIA\tB", c::sequencia, false},
        {"Pregunta 12\tq", c::consigna, false},
        {"Pregunta 12\tq", c::correctes, true},
        {"Consigna\tg", c::consigna_general, false},
        {"Consigna\tg", c::consigna, false},
        {"Consigna (nombre)\t1", c::consigna, true},
        {"So b\xE9\tok.wav", c::media_1, false},
        {"So 4\t", c::media_3, true},
        {"So 7\t", c::media_4, false},
        {"Casella 16\tgos.wav", c::entrada, false},
        {"Instrument\t0", c::canal, true},
        {"Pista esquerra\tp.wav", c::pista, false},
        {"Pista esquerra\tp.wav", c::escenari, true},
        {"Tipus\t6", c::capcalera, true},
        {"  Correctas \tB", c::correctes, false},
        // Free text names no field: misspelt, note names, long texts, no TAB.
        {"Consinga\tg", c::consigna_general, false},
        {"Do agut\t72", c::entrada, false},
        {"Mai no surt\t74", c::entrada, false},
        {"Especials de la pregunta que no cap en una etiqueta\tM", c::sequencia, false},
        {"Especials M", c::sequencia, false},
        {"Especials\tM", c::lliure, false},
    };
    for (const auto& k : casos) {
        EXPECT_EQ(etiqueta_del_registre(k.registre, k.esperat) == lectura_etiqueta::altra,
                  k.desplacat)
            << k.registre;
    }
}

} // namespace
} // namespace quorvel
