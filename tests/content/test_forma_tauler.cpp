#include "content/estat_contingut.h"
#include "content/forma_tauler.h"
#include "core/errors.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Two players of two buttons (inputs 5, 6), four cells in player order.
estat_contingut tauler_2x2() {
    estat_contingut s;
    forma_posar_joysticks(s, 2);
    forma_posar_botons(s, 2, 4);
    forma_crear_entrades(s);
    forma_crear_caselles(s, 4);
    int c = 0;
    for (int j = 1; j <= 2; ++j) {
        for (int i = 5; i <= 6; ++i) {
            forma_assignar(s, j, i, ++c);
        }
    }
    return s;
}

TEST(forma_tauler, tables_follow_the_shape) {
    const estat_contingut s = tauler_2x2();
    EXPECT_EQ(s.mapa_entrades.superior1(), 2);
    EXPECT_EQ(s.mapa_entrades.superior2(), 6);
    EXPECT_EQ(s.mapa_botons.superior(), 4);
    EXPECT_EQ(s.n_botons, 4);
    EXPECT_EQ(s.mapa_entrades(2, 5), 3);
    EXPECT_EQ(s.mapa_botons[3].joy, 2);
    EXPECT_EQ(s.mapa_botons[3].entrada, 5);
}

TEST(forma_tauler, a_cell_given_another_input_releases_the_old_one) {
    estat_contingut s = tauler_2x2();
    forma_assignar(s, 2, 1, 1);
    EXPECT_EQ(s.mapa_entrades(1, 5), -2);
    EXPECT_EQ(s.mapa_entrades(2, 1), 1);
    EXPECT_EQ(s.mapa_botons[1].joy, 2);
    EXPECT_EQ(s.mapa_botons[1].entrada, 1);

    // An input outside the table changes neither table.
    EXPECT_THROW(forma_assignar(s, 3, 5, 2), error_index);
    EXPECT_THROW(forma_assignar(s, 1, 5, 9), error_index);
    EXPECT_EQ(s.mapa_entrades(1, 6), 2);
    EXPECT_EQ(s.mapa_botons[2].entrada, 6);
}

TEST(forma_tauler, a_removed_cell_frees_its_input_and_renumbers_the_rest) {
    estat_contingut s = tauler_2x2();
    forma_treure_de_entrades(s, 2, 4);
    EXPECT_EQ(s.mapa_entrades(1, 5), 1);
    EXPECT_EQ(s.mapa_entrades(1, 6), -2);
    EXPECT_EQ(s.mapa_entrades(2, 5), 2);
    EXPECT_EQ(s.mapa_entrades(2, 6), 3);
}

} // namespace
} // namespace quorvel
