#include "app/sessio.h"
#include "engine/exercici_inicialitzar.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(exercici_inicialitzar, resets_the_exercise_fields) {
    sessio s;
    s.tipus = tipus_de_text("7");
    s.fitxer_exercici = "x.brd";
    s.n_items = 9;
    s.valor_extra = 4;
    s.consigna_exercici = "c";
    int tancaments = 0;
    exercici_inicialitzar(s, [&] { ++tancaments; });
    EXPECT_EQ(tancaments, 0);
    EXPECT_EQ(s.tipus.text, "0");
    EXPECT_EQ(s.fitxer_exercici, "");
    EXPECT_EQ(s.n_items, 1);
    EXPECT_EQ(s.n_elements, 1);
    EXPECT_EQ(s.valor_extra, 0);
    EXPECT_EQ(s.llista_exercici.inferior(), 0);
    EXPECT_EQ(s.llista_exercici.superior(), 1);
    EXPECT_FALSE(s.elements.te_emmagatzematge());
}

TEST(exercici_inicialitzar, closes_midi_for_type_1) {
    sessio s;
    s.tipus = tipus_de_text(" 1");
    int tancaments = 0;
    exercici_inicialitzar(s, [&] { ++tancaments; });
    EXPECT_EQ(tancaments, 1);
}

} // namespace
} // namespace quorvel
