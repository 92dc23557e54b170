#include "app/sessio.h"
#include "engine/sortejar.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

sessio tauler(int botons, int columnes) {
    sessio s;
    fakes::tauler_prova(s, 0, botons, 0);
    s.n_columnes = static_cast<std::int16_t>(columnes);
    s.elements.redimensionar(0, 1);
    return s;
}

TEST(element_sortejar, copies_a_random_item_into_item_0) {
    sessio s = tauler(4, 2);
    s.n_elements = 3;
    s.elements.redimensionar(0, 3);
    for (int k = 1; k <= 3; ++k) {
        s.elements[k].consigna = "item " + std::to_string(k);
    }
    fakes::rellotge_fals r;
    r.aleatoris = {0.0, 0.5, 0.999};
    const char* esperats[] = {"item 1", "item 2", "item 3"};
    for (const char* esperat : esperats) {
        s.resposta = "BC";
        element_sortejar(s, r);
        EXPECT_EQ(s.elements[0].consigna, esperat);
        EXPECT_EQ(s.resposta, "");
    }
}

TEST(casella_sortejar, draws_stay_in_range_and_skip_excluded_cells) {
    sessio s = tauler(12, 4);
    s.n_items = 4;
    s.mapa_botons[2].joy = -2;
    fakes::rellotge_fals r;
    std::set<int> vistes;
    for (int i = 0; i < 200; ++i) {
        const int k = casella_sortejar(s, r);
        ASSERT_TRUE(k == 1 || k == 3) << k;
        EXPECT_EQ(s.elements[0].correctes, std::string(1, static_cast<char>(65 + k)));
        vistes.insert(k);
    }
    EXPECT_EQ(vistes, (std::set<int>{1, 3}));
}

TEST(casella_sortejar, never_repeats_the_last_answer) {
    sessio s = tauler(12, 4);
    s.n_items = 3;
    fakes::rellotge_fals r;
    for (int i = 0; i < 50; ++i) {
        s.resposta = "CB"; // the last answer is cell 1
        EXPECT_EQ(casella_sortejar(s, r), 2);
        EXPECT_EQ(s.resposta, "");
    }
}

TEST(casella_sortejar, gives_up_when_no_cell_qualifies) {
    const struct {
        int botons, items;
        bool tot_apagat;
    } casos[] = {{12, 1, false}, {1, 5, false}, {12, 5, true}};
    for (const auto& c : casos) {
        sessio s = tauler(c.botons, 4);
        s.n_items = static_cast<std::int16_t>(c.items);
        if (c.tot_apagat) {
            for (int k = 1; k <= c.botons; ++k) {
                s.mapa_botons[k].joy = -2;
            }
        }
        s.elements[0].correctes = "Z";
        s.resposta = "X";
        fakes::rellotge_fals r;
        EXPECT_EQ(casella_sortejar(s, r), 0);
        EXPECT_EQ(s.elements[0].correctes, "Z");
        EXPECT_EQ(s.resposta, "X");
    }
}

TEST(caselles_numerar, orders_each_players_cells) {
    sessio s = tauler(6, 3);
    fakes::tauler_prova(s, 2, 6, 3);
    s.joysticks[1].botons_usats = 2;
    const int joy[] = {0, 1, 2, 1, 2, 1, 2};
    for (int c = 1; c <= 6; ++c) {
        s.mapa_botons[c].joy = static_cast<std::int16_t>(joy[c]);
    }
    caselles_numerar(s);
    // Player 1 owns cells 1, 3 and 5 but uses two buttons: cell 5 is left out.
    const int esperat[][2] = {{0, 0}, {1, 1}, {2, 1}, {1, 2}, {2, 2}, {0, 0}, {2, 3}};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(s.caselles_estat(c, 1), esperat[c][0]) << c;
        EXPECT_EQ(s.caselles_estat(c, 2), esperat[c][1]) << c;
    }
}

TEST(caselles_coordenades, rows_and_columns_follow_the_preview) {
    sessio s = tauler(20, 5);
    fakes::rellotge_fals r;
    r.aleatoris = {0.5};
    caselles_coordenades(s, r);
    EXPECT_EQ(s.caselles_estat(5, 1), 1);
    EXPECT_EQ(s.caselles_estat(5, 2), 5);
    EXPECT_EQ(s.caselles_estat(6, 1), 2);
    EXPECT_EQ(s.caselles_estat(6, 2), 1);
    EXPECT_EQ(s.caselles_estat(11, 3), 2);
    EXPECT_EQ(s.elements[0].especials, std::string(1, '\x0B'));
}

TEST(caselles_marcar, marks_five_percent_and_flags_neighbours) {
    {
        sessio s = tauler(19, 5);
        fakes::rellotge_fals r;
        caselles_marcar(s, r, 1);
        for (int c = 1; c <= 19; ++c) {
            EXPECT_FALSE(casella_ocupada(s, c));
        }
    }
    sessio s = tauler(40, 5);
    fakes::rellotge_fals r;
    r.aleatoris = {0.0, 0.0}; // both draws hit cell 1: the second is lost
    caselles_marcar(s, r, 1);
    int marcades = 0;
    int veines = 0;
    for (int c = 1; c <= 40; ++c) {
        marcades += s.caselles_estat(c, 3) == 2 ? 1 : 0;
        veines += s.caselles_estat(c, 3) == 1 ? 1 : 0;
    }
    EXPECT_EQ(marcades, 1);
    EXPECT_EQ(veines, 3); // cells 2, 6 and 7 around the corner
    EXPECT_EQ(s.caselles_estat(7, 3), 1);
}

} // namespace
} // namespace quorvel
